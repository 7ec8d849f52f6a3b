# SPDX-License-Identifier: MIT
# `make run` and `make test` set up a fresh Debian 12 machine: they install what is missing, build, then start the
# program or run every test.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CTEST_TIMEOUT ?= 300
# `make install PREFIX=... DESTDIR=...`
PREFIX ?= /usr/local

# Everything the build, the tests and the program need, from Debian's packages.
# The Debian package is built with debhelper and checked with lintian and devscripts' hardening-check.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev \
            fonts-liberation2 xvfb xauth x11-utils imagemagick desktop-file-utils appstream \
            build-essential dpkg-dev debhelper devscripts file lintian poppler-utils dbus at-spi2-core \
            python3-pyatspi xdotool orca qt6-tools-dev qt6-l10n-tools qt6-translations-l10n openbox

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the given Debian packages that are not installed yet; does nothing when all are.
define install_missing
missing=$$(for p in $(1); do \
    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; done); \
if [ -n "$$missing" ]; then \
    echo "Installing:" $$missing; \
    $(SUDO) apt-get update && \
    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
fi
endef

.PHONY: run test build deps clean

run: build
	$(BUILD_DIR)/bin/astrolabe-simulator

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout $(CTEST_TIMEOUT)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The .ts files in translations/ refreshed from the sources: new texts come in unfinished, texts gone are dropped.
.PHONY: translations translations-check
translations: deps
	tools/check_translations.sh --update

# Fails when lupdate finds a text the .ts files lack, or a catalogue has an unfinished or obsolete message.
translations-check: deps
	tools/check_translations.sh

.PHONY: install
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deps:
	@$(call install_missing,$(PACKAGES))

# The Debian package and its debugging symbols, built by dpkg-buildpackage from debian/ in a copy of the tree (its
# unit and widgets tests run), checked by lintian and hardening-check, and copied here:
# `sudo apt install ./astrolabe-simulator_*.deb`.
.PHONY: package
package: deps
	rm -f astrolabe-simulator_*.deb astrolabe-simulator-dbgsym_*.deb
	tools/build_package.sh .

# The guide's pictures and the README's screenshot, from the real program on a virtual screen; rebuild afterwards.
SCREENSHOT_PACKAGES := xdotool

.PHONY: screenshots
screenshots: build
	@$(call install_missing,$(SCREENSHOT_PACKAGES))
	tools/screenshots.sh $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# The fuzzers: libFuzzer from Debian's clang, each target run for FUZZ_SECONDS on a copy of its seed corpus, so the
# tree is not written to. A failing input is kept and its path printed.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_number_rules fuzz_solver fuzz_figure_geometry fuzz_picture_ends
FUZZ_PACKAGES := clang libclang-rt-14-dev

.PHONY: fuzz fuzz-deps test-sanitize

fuzz: deps fuzz-deps
	cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for target in $(FUZZ_TARGETS); do \
	    work=$$(mktemp -d) && mkdir $$work/corpus && cp fuzz/corpus/$$target/* $$work/corpus/ || exit 1; \
	    echo "== $$target for $(FUZZ_SECONDS) s"; \
	    if ! $(FUZZ_DIR)/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	            -artifact_prefix=$$work/ $$work/corpus 2>$$work/log; then \
	        tail -n 40 $$work/log; echo "$$target FAILED: the input and the log are in $$work"; exit 1; \
	    fi; \
	    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' $$work/log; \
	    rm -rf $$work; \
	done

fuzz-deps:
	@$(call install_missing,$(FUZZ_PACKAGES))

# Every test under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer. No leak is suppressed: none is
# reported today, the libraries under Qt included, so any leak fails its test.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
# A regular expression of tests to leave out, e.g. SANITIZE_EXCLUDE=smoke where Xvfb misbehaves.
SANITIZE_EXCLUDE ?=

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DASTROLABE_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure \
	    --timeout $(CTEST_TIMEOUT) $(if $(SANITIZE_EXCLUDE),-E '$(SANITIZE_EXCLUDE)')

# The C++ style of .clang-format: `make format` applies it to every source file, `make format-check` fails on any
# difference and changes nothing.
FORMAT_PACKAGES := clang-format
FORMAT_FILES = $(shell find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' -o -name '*.c' | sort)

.PHONY: format format-check format-deps

format: format-deps
	clang-format -i $(FORMAT_FILES)

format-check: format-deps
	clang-format --dry-run --Werror $(FORMAT_FILES)

format-deps:
	@$(call install_missing,$(FORMAT_PACKAGES))

# The performance yardstick: start-up against a bare Qt window and against the main window written with plain
# widgets (first paint seen through the X DAMAGE extension, memory once idle), the cost of each procedure, then
# instructions counted by callgrind (launch to first paint, one cursor blink), from a Release build. It reports; it
# is not a test. `make bench-instructions` runs the instruction counts alone.
BENCH_DIR ?= build-bench
BENCH_PACKAGES := libxcb-damage0-dev xdotool xclip valgrind

.PHONY: bench bench-deps bench-instructions

bench: deps bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DASTROLABE_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) \
	    --target astrolabe-simulator bare_window plain_window first_paint bench_procedures
	bench/run_bench.sh $(BENCH_DIR)/bin
	bench/count_instructions.sh $(BENCH_DIR)/bin

bench-instructions: deps bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DASTROLABE_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target astrolabe-simulator plain_window
	bench/count_instructions.sh $(BENCH_DIR)/bin

bench-deps:
	@$(call install_missing,$(BENCH_PACKAGES))
