# make run   installs what is missing, builds, opens the bundled sample game in the
#            desktop program (its text printout where there is no display)
# make bench builds optimised and prints the benchmark table (not part of CI)
# make fuzz  builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
#            (not part of CI)
# make test  installs what is missing, builds (everything a second time with sanitizers),
#            runs every test

BUILD_DIR := build
ASAN_DIR  := build-asan
BENCH_DIR := build-bench
FUZZ_DIR  := build-fuzz
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE    := examples/riverside-at-hillcrest.log

.PHONY: all deps build build-asan run test bench fuzz clean

all: build

deps:
	@./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DGRIDTALLY_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGRIDTALLY_SANITIZE=ON -DGRIDTALLY_WERROR=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		./$(BUILD_DIR)/gui/gridtally --open $(SAMPLE); \
	else \
		echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set): the sample game's printout as text instead."; \
		./$(BUILD_DIR)/cli/gridtally-cli report $(SAMPLE); \
	fi

# The sanitizer run comes first so that the main run's CTest summary closes the output.
test: build build-asan
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Optimised build and the benchmark table; the benchmarks' own packages come only here.
bench:
	@./tools/install-deps.sh libbenchmark-dev python3
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGRIDTALLY_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	python3 bench/run-bench.py $(BENCH_DIR)

# The fuzz targets and the instrumented core they link, built with clang; clang and its
# fuzzer runtime are installed only here. A finding stops the run and names its input.
fuzz:
	@./tools/install-deps.sh clang-14 libclang-rt-14-dev python3
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=/usr/bin/clang++-14 -DGRIDTALLY_BUILD_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	python3 fuzz/run-fuzz.py $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) $(FUZZ_DIR)
