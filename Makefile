# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build configure deps screenshots clean

run:
	@scripts/require-display
	@$(MAKE) --no-print-directory build
	$(BUILD)/QVFreeZodiqa

test: build
	ctest --test-dir $(BUILD) --output-on-failure --timeout 300 -j2

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/qvz-screenshots $(BUILD)/screenshots

build: configure
	cmake --build $(BUILD)

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD)
