# SPDX-FileCopyrightText: 2026 Orvane Softwares
# SPDX-License-Identifier: MIT

# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
# The builds are the presets of CMakePresets.json: `dev` (RelWithDebInfo, in build/)
# and `sanitizers` (ASan and UBSan, Debug, in build-asan/).
BUILD := build
ASAN_BUILD := build-asan
# The Windows build (preset windows-cross) and the Qt for Windows it unpacks beside it.
WINDOWS_BUILD := build-windows
QT_WINDOWS_TARBALL ?= ../shared/windows/qt6-mingw-6.4.2.tar.xz
# Extra cache settings for the dev build, e.g. CMAKE_FLAGS=-DQVZ_SITE_HOST=www.example.org
CMAKE_FLAGS ?=
# ON makes every compiler warning an error, as CI builds (.ci/run). Each build is
# configured with it, so a later `make run` builds without -Werror again.
WARNINGS_AS_ERRORS ?= OFF
WERROR_FLAG = -DQVZ_WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS)

.PHONY: run test check-sanitizers check-package lint build configure deps screenshots \
	package bench clean regenerate-expected-report check-windows package-windows build-windows deps-windows

# Builds the program alone: the tests are for `make test`.
run:
	@scripts/require-display
	@$(MAKE) --no-print-directory configure
	cmake --build --preset dev --target QVFreeZodiqa
	. $(BUILD)/generated/identity.sh && exec "$(BUILD)/$$QVZ_EXECUTABLE"

# One build, then every test but the one that installs into the system.
test: build
	ctest --preset dev
	@$(MAKE) --no-print-directory lint

# The second, slower round CI runs after `make test`: the Debian package installed
# and removed again (as root; skipped otherwise), then every QTest program once more,
# built with AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitizers: check-package
	cmake --preset sanitizers $(WERROR_FLAG)
	cmake --build --preset sanitizers
	ctest --preset sanitizers

check-package: build
	ctest --preset package

# The third round: the program and its QTest programs cross-built for 64-bit Windows with
# MinGW-w64, the tests run under Wine, then the ZIP unpacked into a fresh folder and the
# program started from there (see README, "Windows").
check-windows: build-windows
	ctest --preset windows-cross
	@$(MAKE) --no-print-directory package-windows
	scripts/check-windows-package $(WINDOWS_BUILD)

# The ZIP and the installer for Windows, $(WINDOWS_BUILD)/qv-zodiqa-<version>-win64.zip
# and .exe.
package-windows: build-windows
	cmake --build --preset windows-cross --target QVFreeZodiqa
	cd $(WINDOWS_BUILD) && cpack

build-windows: deps-windows $(WINDOWS_BUILD)/qt/bin/qt-cmake
	cmake --preset windows-cross $(WERROR_FLAG)
	cmake --build --preset windows-cross

$(WINDOWS_BUILD)/qt/bin/qt-cmake: $(QT_WINDOWS_TARBALL)
	rm -rf $(WINDOWS_BUILD)/qt && mkdir -p $(WINDOWS_BUILD)/qt
	tar -C $(WINDOWS_BUILD)/qt -xJf $(QT_WINDOWS_TARBALL)
	touch $@

deps-windows:
	@scripts/install-deps windows

# Every file states its copyright and licence (REUSE); scripts/spdx-headers adds
# the header to files that lack it. Every C++ file is laid out as .clang-format says;
# `clang-format -i FILE` lays a file out so.
lint: deps
	reuse lint
	find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 | \
		xargs -0 clang-format --dry-run --Werror

# The reviewed report the tests compare with, rewritten from what the program composes now.
# Only on purpose: the difference is what the user will see changed.
regenerate-expected-report: configure
	cmake --build --preset dev --target qvz-expected-report
	$(BUILD)/tests/qvz-expected-report tests/data/report.expected
	@echo "tests/data/report.expected was rewritten: review 'git diff tests/data/report.expected'"
	@echo "line by line before committing it; every changed line is a change in the report."

# Every window at 100% and at 200% display scale, and at 100% under a dark desktop palette,
# on a screen tall enough for each (on a shorter one the report window gets shorter) and as
# wide as the offscreen platform's own, since a message box takes its width from it.
SHOTS_PLATFORM = offscreen:configfile=$(CURDIR)/tools/screenshots-screen.json
screenshots: build
	QT_QPA_PLATFORM=$(SHOTS_PLATFORM) QT_SCALE_FACTOR=1 $(BUILD)/qvz-screenshots $(BUILD)/screenshots/100
	QT_QPA_PLATFORM=$(SHOTS_PLATFORM) QT_SCALE_FACTOR=2 $(BUILD)/qvz-screenshots $(BUILD)/screenshots/200
	QT_QPA_PLATFORM=$(SHOTS_PLATFORM) QT_SCALE_FACTOR=1 $(BUILD)/qvz-screenshots --dark $(BUILD)/screenshots/dark

# The Debian package, $(BUILD)/qv-zodiqa_<version>_<arch>.deb.
package: build
	cmake --build --preset dev --target package

# Start-up against a bare Qt window, run by run, then the report timings and typing into
# the report after large pastes (see README).
BENCH_PAIRS ?= 15
bench: build
	cmake --build --preset dev --target qvz-bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/qvz-bench compare --pairs $(BENCH_PAIRS)

build: configure
	cmake --build --preset dev

# Always configures: cheap when nothing changed, and a changed flag takes effect.
configure: deps
	cmake --preset dev $(WERROR_FLAG) $(CMAKE_FLAGS)

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD)
