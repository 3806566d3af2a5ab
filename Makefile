# Corvane: the usual steps. `make demo` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps build build-asan test demo golden fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build -j $(JOBS)

build-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

demo: build
	@scripts/demo.sh build/corvane

golden: build
	@scripts/update-golden.sh build/corvane

fuzz:
	@scripts/install-deps.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF -DCORVANE_SANITIZE=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	@scripts/install-deps.sh --bench
	@bench/run.sh build/corvane

clean:
	rm -rf build build-asan build-fuzz
