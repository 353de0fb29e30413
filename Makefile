# Thin wrapper around CMake: `make test` and `make run` do the whole set-up.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build test run bench clean format-check sanitize fuzz lint package \
	variants test-windows windows test-windows-app

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

# The plain tests, then the format check, the core in a Debug and a clang++
# build, the sanitizer build with its tests, 30 seconds of fuzzing, and the
# core as Windows programs under Wine.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)
	@bash scripts/check-format.sh
	@JOBS=$(JOBS) bash scripts/build-variants.sh
	@JOBS=$(JOBS) bash scripts/sanitize.sh
	@JOBS=$(JOBS) bash scripts/fuzz.sh 30
	@JOBS=$(JOBS) bash scripts/test-windows.sh

format-check:
	@bash scripts/check-format.sh

variants: deps
	@JOBS=$(JOBS) bash scripts/build-variants.sh

# The core and its tests as Windows programs, the tests run under Wine
# (`make test` runs it last).
test-windows: deps
	@JOBS=$(JOBS) bash scripts/test-windows.sh

# The whole program for Windows: its installer and portable zip in dist/. Qt for
# Windows is built first, once per machine (scripts/build-qt-windows.sh).
windows: deps
	@JOBS=$(JOBS) bash scripts/build-windows.sh

# The installer and the installed program typed into under Wine.
test-windows-app: windows
	@bash tests/ui/wine_session_test.sh dist/velmora-*-windows-x64.exe build-windows-app/wine-session

sanitize: deps
	@JOBS=$(JOBS) bash scripts/sanitize.sh

fuzz: deps
	@JOBS=$(JOBS) bash scripts/fuzz.sh $(FUZZ_SECONDS)

lint: build
	@JOBS=$(JOBS) bash scripts/lint.sh $(BUILD_DIR)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

run: build
	@if [ -x $(BUILD_DIR)/ui/velmora ]; then \
	    mkdir -p "$$HOME/velmora" && $(BUILD_DIR)/ui/velmora; \
	else \
	    echo "The window is not built yet."; \
	fi

bench: build
	@$(BUILD_DIR)/bench/velmora_bench

clean:
	@rm -rf $(BUILD_DIR)
