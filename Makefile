# Front door: every target installs the Debian packages it needs that are missing, then builds.
#   make test    build with AddressSanitizer and UndefinedBehaviorSanitizer, run every test
#   make bench   optimised build, run the benchmarks
#   make fuzz    build the libFuzzer targets with clang, run each for FUZZ_SECONDS (default 60)
#   make fuzz-smoke   the same for FUZZ_SMOKE_SECONDS each (default 5); part of make test

SHELL := /bin/bash
.DEFAULT_GOAL := test

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Packages the build and the test suites need.
BUILD_PACKAGES := cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev
BENCH_PACKAGES := libbenchmark-dev
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5
# More libFuzzer options for every target, e.g. FUZZ_OPTIONS=-runs=3000000
FUZZ_OPTIONS ?=

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

.PHONY: deps deps-bench deps-fuzz test bench fuzz fuzz-smoke clean

deps:
	$(call install_missing,$(BUILD_PACKAGES))

deps-bench: deps
	$(call install_missing,$(BENCH_PACKAGES))

deps-fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))

test: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug -j2
	$(MAKE) --no-print-directory fuzz-smoke

bench: deps-bench
	cmake --preset release
	cmake --build --preset release
	@for b in build/release/bench/veltrix_*_bench; do echo "== $$b"; "$$b"; done

# Each target runs on a copy of its seeds under build/fuzz/corpus; findings go to build/fuzz/findings.
fuzz: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run build/fuzz $(FUZZ_SECONDS) $(FUZZ_OPTIONS)

fuzz-smoke:
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

clean:
	rm -rf build
