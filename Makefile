# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The same tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: run test lint build configure deps screenshots package bench clean

run:
	@scripts/require-display
	@$(MAKE) --no-print-directory build
	$(BUILD)/QVFreeZodiqa

test: build
	ctest --test-dir $(BUILD) --output-on-failure --timeout 300 -j2
	@test -f $(ASAN_BUILD)/build.ninja || cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQVZ_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	$(SANITIZER_ENV) ctest --test-dir $(ASAN_BUILD) -LE e2e --output-on-failure --timeout 300 -j2
	@$(MAKE) --no-print-directory lint

# Every file states its copyright and licence (REUSE); scripts/spdx-headers adds
# the header to files that lack it.
lint: deps
	reuse lint

# Every window at 100% and at 200% display scale, and at 100% under a dark desktop palette.
screenshots: build
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD)/qvz-screenshots $(BUILD)/screenshots/100
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/qvz-screenshots $(BUILD)/screenshots/200
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD)/qvz-screenshots --dark $(BUILD)/screenshots/dark

# The Debian package, $(BUILD)/qv-zodiqa_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# Start-up against a bare Qt window, run by run, then the report timings and typing into
# the report after large pastes (see README).
BENCH_PAIRS ?= 15
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/qvz-bench compare --pairs $(BENCH_PAIRS)

build: configure
	cmake --build $(BUILD)

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
