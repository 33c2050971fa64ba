# Front door: every target installs the Debian packages it needs that are missing, then builds.
#   make test    build with AddressSanitizer and UndefinedBehaviorSanitizer, run every test
#   make run     optimised build, start Veltrix
#   make package optimised build of the program, packaged as build/package/veltrix_*.deb
#   make bench   optimised build, run the benchmarks (the start-up one on Xvfb when there is no
#                display)
#   make fuzz    build the libFuzzer targets with clang, run each for FUZZ_SECONDS (default 60)
#   make fuzz-smoke   the same for FUZZ_SMOKE_SECONDS each (default 5); part of make test
#   make screenshot   optimised build, remakes the README's screenshot on Xvfb with openbox
#   make test-latex-all   the working's LaTeX document in Chinese, Japanese and Arabic, compiled
#                     with LuaLaTeX

SHELL := /bin/bash
.DEFAULT_GOAL := test

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Packages that building the program needs: the compiler and tools, Qt 6 Widgets and Print Support
# (qt6-base-dev brings both, and the OpenGL headers its CMake files ask for, and libxkbcommon-dev
# the keyboard library they look for), Qt 6 Svg (the Graph window saves SVG files) and Qt
# Linguist's tools (the translations), GMP's integers and rationals (the exact working), MPFR's
# floating point with directed rounding (the working's numbers where the coefficients are too long
# to work with exactly), rsvg-convert to render the icon, and help2man to make the manual page.
BUILD_PACKAGES := cmake ninja-build g++ make pkg-config libgmp-dev libmpfr-dev \
                  qt6-base-dev libxkbcommon-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools \
                  qt6-l10n-tools libgl-dev librsvg2-bin help2man
# The test suites: GoogleTest, and the fonts of the headless UI tests: DejaVu, which also covers
# Arabic and Cyrillic, WenQuanYi Micro Hei for Chinese and Japanese, and Noto Sans and Liberation
# Sans, which desktops use besides DejaVu.
TEST_BUILD_PACKAGES := libgtest-dev libgmock-dev fonts-dejavu-core fonts-wqy-microhei \
                       fonts-noto-core fonts-liberation2
# Running the program: a font, and Xvfb for a machine without a display. Qt's X11 platform plugin
# comes with Qt itself; on a Wayland desktop Veltrix runs through XWayland, where its windows open
# at their own places, and only a Wayland session without XWayland needs Qt's Wayland plugin.
RUN_PACKAGES := fonts-dejavu-core qt6-translations-l10n xvfb xauth \
                $(if $(WAYLAND_DISPLAY),$(if $(DISPLAY),,qt6-wayland))
BENCH_PACKAGES := libbenchmark-dev xvfb xauth
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
# Building the Debian package (dpkg-shlibdeps needs file), validating what it installs, and
# Debian's own package checker.
PACKAGE_PACKAGES := dpkg-dev file desktop-file-utils appstream lintian
# The end-to-end check: a real X server, session and accessibility buses, and an AT-SPI client;
# Pillow reads the Windows and macOS icons back; Qt's own translations, which the windows' tests
# load beside Veltrix's.
E2E_PACKAGES := xvfb xauth dbus at-spi2-core python3-pyatspi python3-pil qt6-translations-l10n
# The sketches' TikZ and the working's LaTeX documents are compiled with pdflatex and TikZ: Latin
# scripts in Latin Modern's fonts, Russian with babel's Russian and the T2A fonts.
LATEX_PACKAGES := texlive-latex-base texlive-pictures lmodern texlive-lang-cyrillic
# The LaTeX documents in Chinese, Japanese and Arabic, compiled with LuaLaTeX: LuaTeX-ja in the
# Noto CJK fonts, and Arabic in Amiri through babel.
LATEX_ALL_PACKAGES := texlive-latex-base texlive-pictures texlive-luatex texlive-lang-japanese \
                      fonts-noto-cjk fonts-hosny-amiri
# The PDF worksheets and the Working window's PDF are read back with poppler's pdftotext and
# pdfinfo.
PDF_PACKAGES := poppler-utils
# The README's screenshot: a virtual X display with a window manager, keys and clicks sent to the
# windows, and ImageMagick to take and trim the picture.
SCREENSHOT_PACKAGES := xvfb xauth openbox xdotool imagemagick fonts-dejavu-core

# As many compile jobs and tests at once as there are processors: Ninja's own default runs two
# more, which on a small machine only makes the compilers wait for memory and for each other.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

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

# Runs a command on the display there is, or on a virtual one when there is none.
ON_A_DISPLAY = $(if $(or $(DISPLAY),$(WAYLAND_DISPLAY)),,xvfb-run -a -s "-screen 0 1280x1024x24")

.PHONY: deps deps-run deps-bench deps-fuzz deps-package deps-test deps-screenshot test run \
	package bench fuzz fuzz-smoke screenshot test-latex-all deps-latex-all clean

deps:
	$(call install_missing,$(BUILD_PACKAGES))

deps-run: deps
	$(call install_missing,$(RUN_PACKAGES))

deps-bench: deps
	$(call install_missing,$(BENCH_PACKAGES))

deps-fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))

deps-package: deps
	$(call install_missing,$(PACKAGE_PACKAGES))

deps-test: deps-package deps-bench
	$(call install_missing,$(TEST_BUILD_PACKAGES) $(E2E_PACKAGES) $(LATEX_PACKAGES) $(PDF_PACKAGES))

deps-screenshot: deps
	$(call install_missing,$(SCREENSHOT_PACKAGES))

deps-latex-all: deps
	$(call install_missing,$(LATEX_ALL_PACKAGES))

# Everything under sanitizers (the benchmarks are built there too, so that a change cannot leave
# them broken, but not run), then the package built from the optimised tree and checked, then
# a short run of each fuzz target.
test: deps-test
	cmake --preset debug
	cmake --build --preset debug --parallel $(JOBS)
	ctest --preset debug --parallel $(JOBS)
	cmake --preset package
	cmake --build --preset package --parallel $(JOBS)
	ctest --preset package
	$(MAKE) --no-print-directory fuzz-smoke

run: deps-run
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS) --target veltrix
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set). Veltrix is built; to run"; \
	  echo "it on a virtual display:"; \
	  echo "  xvfb-run -a -s \"-screen 0 1280x1024x24\" build/release/app/veltrix"; \
	  echo "or to take a screenshot of it (import is ImageMagick's):"; \
	  echo "  xvfb-run -a -s \"-screen 0 1280x1024x24\" sh -c 'build/release/app/veltrix & sleep 2; import -window root veltrix.png; kill \$$!'"; \
	else \
	  build/release/app/veltrix; \
	fi

package: deps-package
	cmake --preset package
	cmake --build --preset package --parallel $(JOBS)
	cpack --preset package
	@ls build/package/veltrix_*.deb

bench: deps-bench
	cmake --preset bench
	cmake --build --preset bench --parallel $(JOBS)
	@for b in build/bench/bench/veltrix_*_bench; do echo "== $$b"; $(ON_A_DISPLAY) "$$b"; done

# Each target runs on a copy of its seeds under build/fuzz/corpus; findings go to build/fuzz/findings.
fuzz: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --parallel $(JOBS)
	fuzz/run build/fuzz $(FUZZ_SECONDS) $(FUZZ_OPTIONS)

fuzz-smoke:
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

screenshot: deps-screenshot
	cmake --preset release
	cmake --build --preset release --parallel $(JOBS) --target veltrix
	packaging/screenshot.sh build/release/app/veltrix packaging/screenshot.png

test-latex-all: deps-latex-all
	cmake --preset debug
	cmake --build --preset debug --parallel $(JOBS) --target veltrix
	@for language in zh_CN ja ar; do \
	  tests/app/compile_latex_document.sh build/debug/app/veltrix $$language lualatex \
	    "(x+1)/2 = x^2" || exit 1; \
	  tests/app/compile_latex_document.sh build/debug/app/veltrix $$language lualatex \
	    $$'x^2-5x+6\n(x-1)^2=4\n2x-4' || exit 1; \
	done

clean:
	rm -rf build
