# Thin wrapper around CMake: `make test` and `make run` do the whole set-up.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

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
