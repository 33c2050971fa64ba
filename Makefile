# Front door: every target installs the Debian packages it needs that are missing, then builds.
#   make test    build with AddressSanitizer and UndefinedBehaviorSanitizer, run every test
#   make bench   optimised build, run the benchmarks

SHELL := /bin/bash
.DEFAULT_GOAL := test

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Packages the build and the test suites need.
BUILD_PACKAGES := cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev
BENCH_PACKAGES := libbenchmark-dev

# Installs whichever of the given packages are missing; apt-get runs only when one is.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps deps-bench test bench clean

deps:
	$(call install_missing,$(BUILD_PACKAGES))

deps-bench: deps
	$(call install_missing,$(BENCH_PACKAGES))

test: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug -j2

bench: deps-bench
	cmake --preset release
	cmake --build --preset release
	@for b in build/release/bench/veltrix_*_bench; do echo "== $$b"; "$$b"; done

clean:
	rm -rf build
