# SPDX-License-Identifier: MIT
# `make run` and `make test` set up a fresh Debian 12 machine: they install what is missing, build, then start the
# program or run every test.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CTEST_TIMEOUT ?= 300
# `make install PREFIX=... DESTDIR=...`
PREFIX ?= /usr/local

# Everything the build, the tests and the program need, from Debian's packages.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev \
            fonts-liberation2 xvfb xauth x11-utils imagemagick desktop-file-utils appstream

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps clean

run: build
	$(BUILD_DIR)/bin/astrolabe-simulator

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout $(CTEST_TIMEOUT)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

.PHONY: install
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR)

# The performance yardstick: start-up against a bare Qt window (first paint seen through the X DAMAGE extension,
# memory once idle) and the cost of each procedure, from a Release build. It reports; it is not a test.
BENCH_DIR ?= build-bench
BENCH_PACKAGES := libxcb-damage0-dev

.PHONY: bench bench-deps

bench: deps bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DASTROLABE_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target astrolabe-simulator bare_window first_paint bench_procedures
	bench/run_bench.sh $(BENCH_DIR)/bin

bench-deps:
	@missing=$$(for p in $(BENCH_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
