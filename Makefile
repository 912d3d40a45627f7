# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Zarn
#   make test   installs what is missing, builds and runs the whole suite headless, each test
#               once: the windows, the command line, the application and the installation
#               in the development build; the pure libraries' tests and the fuzz corpora under
#               AddressSanitizer + UndefinedBehaviorSanitizer
# One more for a release:
#   make package   builds the Debian package build/package/zarn_<version>_<arch>.deb
# Further checks, run by hand:
#   make fuzz      builds the libFuzzer targets (clang) and runs each for FUZZ_SECONDS
#   make coverage  runs the suite with coverage and prints the pure libraries' figures
#   make bench     builds the benchmarks (Release) and runs them, start-up included
#   make bench-startup  only the start-up comparison with a minimal Qt window
#   make monkey    a long run of the monkey test: N seeds of EVENTS random events each
#   make test-asan the whole suite under the sanitizers, windows included
.PHONY: all deps build run test test-asan package fuzz coverage bench bench-startup monkey clean

PRESET ?= default
BUILD_DIR := build/$(PRESET)
# As many compile jobs as the machine has cores.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
# make monkey N=200 EVENTS=2000 SEED=1: seeds SEED .. SEED+N-1, EVENTS events each.
N ?= 200
EVENTS ?= 2000
SEED ?= 1
# make bench-startup LAUNCHES=40: launches of each program.
LAUNCHES ?= 20

# $(call build_and_test,<configure preset>,<build and test preset>): configure, build and run
# the suite, or the part of it, that the build and test presets name.
define build_and_test
	cmake --preset $(1)
	cmake --build --preset $(2) -j $(JOBS)
	ctest --preset $(2) -j $(JOBS)
endef

all: build

deps:
	./scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

test: deps
	$(call build_and_test,default,suite)
	$(call build_and_test,asan,asan-sample)

test-asan: deps
	$(call build_and_test,asan,asan)

run: build
	@if [ -x $(BUILD_DIR)/src/app/zarn ]; then \
	  exec $(BUILD_DIR)/src/app/zarn; \
	else \
	  echo "The main window is not built yet: there is no zarn executable to start."; \
	fi

# Its own release build tree (build/package, installation prefix /usr), then CPack.
package: deps
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/run-fuzzers

# Counts start from zero on every run: stale counts would outlive changed code.
coverage: deps
	cmake --preset coverage
	cmake --build --preset coverage -j $(JOBS)
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage -j $(JOBS)
	./scripts/coverage-report

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	STARTUP_LAUNCHES=$(LAUNCHES) ./scripts/run-benchmarks

bench-startup: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS) --target zarn_startup_benchmark
	./scripts/run-startup-benchmark $(LAUNCHES)

# The monkey test of the test suite, at length; PRESET=asan runs it under the sanitizers.
monkey: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS) --target monkey_tests
	QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC QTEST_FUNCTION_TIMEOUT=3600000 \
	  ZARN_MONKEY_SEEDS=$(N) ZARN_MONKEY_EVENTS=$(EVENTS) ZARN_MONKEY_FIRST_SEED=$(SEED) \
	  $(BUILD_DIR)/tests/app/monkey_tests

clean:
	rm -rf build
