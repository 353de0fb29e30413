#!/usr/bin/env bash
# Builds the core, its tests, the randomized frames and the window tests with
# AddressSanitizer and UndefinedBehaviorSanitizer in a build folder of their
# own, and runs every test there. The first report of either stops the test
# that met it, and so fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${SANITIZE_BUILD_DIR:-build-asan}
jobs=${JOBS:-$(nproc)}

export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
    -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF -DVELMORA_PACKAGE_TEST=OFF >/dev/null
echo "Sanitizer build in $dir ..."
if ! cmake --build "$dir" --parallel "$jobs" >"$dir/build.log" 2>&1; then
    tail -n 60 "$dir/build.log"
    exit 1
fi
cd "$dir"
ctest --output-on-failure --parallel "$jobs"
