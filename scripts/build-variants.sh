#!/usr/bin/env bash
# Builds the core and its tests twice more, unoptimised with g++ (Debug, -O0)
# and optimised with clang++, and runs the core tests in each. The golden
# reports then prove that every build prints the same digits: a library call
# that an optimiser folds into an exact operation in one build, but leaves to
# the C library in another, shows up here as a failing comparison.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-$(nproc)}
core_only=(-DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_BENCH=OFF -DVELMORA_PACKAGE_TEST=OFF)

run_variant() {
    local dir=$1 label=$2
    shift 2
    cmake -S . -B "$dir" "${core_only[@]}" "$@" >/dev/null
    if ! cmake --build "$dir" --parallel "$jobs" >"$dir/build.log" 2>&1; then
        tail -n 60 "$dir/build.log"
        exit 1
    fi
    (cd "$dir" && ctest --output-on-failure --parallel "$jobs" >"test.log" 2>&1) || {
        tail -n 60 "$dir/test.log"
        echo "$label: the core tests failed (log in $dir/test.log)." >&2
        exit 1
    }
    echo "$label: $(grep -o '[0-9]* tests failed out of [0-9]*\|100% tests passed.*' "$dir/test.log")"
}

run_variant build-debug "Debug build (g++ -O0)" -DCMAKE_BUILD_TYPE=Debug
run_variant build-clang "Release build with clang++" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER=clang++
