# make run   installs what is missing, builds, opens the bundled sample game in the
#            desktop program (its text printout where there is no display)
# make bench builds optimised and prints the benchmark table (not part of CI)
# make test  installs what is missing, builds (everything a second time with sanitizers),
#            runs every test

BUILD_DIR := build
ASAN_DIR  := build-asan
BENCH_DIR := build-bench
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE    := examples/riverside-at-hillcrest.log

.PHONY: all deps build build-asan run test bench clean

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

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR)
