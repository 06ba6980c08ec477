# Vrex graphics. `make` builds into build/; `make run` and `make test` also
# install any missing Debian packages first.

BUILD := build
JOBS ?= $(shell nproc)

.PHONY: all deps configure run test package sanitize bench lint clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	tools/install-deps.sh

configure:
	@[ -f $(BUILD)/build.ninja ] || cmake --preset default

run: deps all
	$(BUILD)/vrex-graphics

test: deps all
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The Debian package, build/vrex-graphics_VERSION_ARCH.deb.
package: deps all
	cmake --build $(BUILD) --target package

sanitize: deps
	@[ -f build-sanitize/build.ninja ] || cmake --preset sanitize
	cmake --build build-sanitize -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Release build; medians of 9 repetitions on the offscreen platform, the
# repetitions of all benchmarks run in a random order so that a drift in the
# machine's speed weighs on each side of a ratio alike. The last two lines are
# the ratios the targets are set on.
BENCH_JSON := build-release/bench/results.json
bench: deps
	@[ -f build-release/build.ninja ] || cmake --preset release
	cmake --build build-release -j $(JOBS) --target vrex_bench
	QT_QPA_PLATFORM=offscreen build-release/bench/vrex_bench --benchmark_repetitions=9 \
	  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true --benchmark_out=$(BENCH_JSON) --benchmark_out_format=json
	@python3 bench/report.py $(BENCH_JSON)

clean:
	rm -rf $(BUILD) build-sanitize build-release

LINT_SOURCES = $(shell git ls-files 'src/*.cpp' 'src/*.h' 'app/*.cpp' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
TIDY_SOURCES = $(shell git ls-files 'src/*.cpp' 'app/*.cpp' 'tools/*.cpp')

lint: configure
	clang-format --dry-run -Werror $(LINT_SOURCES)
	cmake --build $(BUILD) -j $(JOBS)
	clang-tidy -p $(BUILD) --quiet $(TIDY_SOURCES)
