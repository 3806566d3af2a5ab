# Corvane: the usual steps. `make demo` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# Every target when empty; else the ones named, as "token_reader_fuzzer color_reader_fuzzer".
FUZZ_TARGETS ?=
PREFIX ?= /usr/local
BENCH_RUNS ?= 30
# Warnings as errors: ON in continuous integration (.ci/run), OFF for everyone else, whose
# compiler may warn where ours does not.
WERROR ?= OFF

.PHONY: all deps build build-asan test tsan demo golden gallery install package fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh

# The release build that users get is the one the suite tests.
build: deps
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCORVANE_WERROR=$(WERROR) >/dev/null
	@cmake --build build -j $(JOBS)

build-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_WERROR=$(WERROR) >/dev/null
	@cmake --build build-asan -j $(JOBS)

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# The batch draws charts in threads, and a PNG is drawn and compressed in two: their tests, and
# the saves they share, under ThreadSanitizer.
# Not part of `make test`: its build of its own takes about 8 minutes on the 2-core machine.
TSAN_TESTS = Batch*:AtomicFile*:StandardInput*:ImageDocument*:PngEncoder*
tsan: deps
	@cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DCORVANE_TSAN=ON -DCORVANE_WERROR=$(WERROR) >/dev/null
	@cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$(CURDIR)/tests/tsan_suppressions.txt" build-tsan/tests/corvane_tests --gtest_filter='$(TSAN_TESTS)'

demo: build
	@scripts/demo.sh build/corvane

# The README's pictures: every example as the PNG Corvane writes, about 670 pixels wide (60 dpi).
gallery: build
	@scripts/install-deps.sh --gallery
	@mkdir -p docs/gallery
	@cd examples && for options in *.txt; do \
		name=$$(basename $$options .txt); \
		../build/corvane -Options $$options -Resolution 60 -Output ../docs/gallery/$$name.png >/dev/null || exit 1; \
		echo "-> docs/gallery/$$name.png"; \
	done
	@# The CJK chart needs a CJK font, which the tests do without: it is drawn only when one is there.
	@if [ -n "$$(fc-list :lang=zh 2>/dev/null)" ]; then \
		cd examples && ../build/corvane -Options cjk/population-asia.txt -Resolution 60 \
			-Output ../docs/gallery/population-asia.png >/dev/null && \
		echo "-> docs/gallery/population-asia.png"; \
	else echo "no CJK font installed: docs/gallery/population-asia.png left as it is"; fi

install: build
	cmake --install build --prefix $(PREFIX)

# A Debian package of a release build without the tests, in build-package/.
package: deps
	@scripts/install-deps.sh --package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB >/dev/null
	@ls build-package/*.deb

golden: build
	@scripts/update-golden.sh build/corvane

fuzz:
	@scripts/install-deps.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF -DCORVANE_SANITIZE=ON -DCORVANE_WERROR=$(WERROR) >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# A Release build of its own, so that the benchmark leaves build/ (the tests' build) alone.
bench:
	@scripts/install-deps.sh --bench
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF -DCORVANE_BENCH=ON >/dev/null
	@cmake --build build-release -j $(JOBS)
	@python3 bench/bench.py build-release $(BENCH_RUNS)

clean:
	rm -rf build build-asan build-tsan build-fuzz build-package build-release
