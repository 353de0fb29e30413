#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ source of the
# project: the program, its tests and benchmarks from the compile commands of
# BUILD_DIR, and the fuzz target from those of the fuzz build. Any finding
# fails the run.
#
#   scripts/lint.sh [BUILD_DIR]      (default: build, configured and built)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
jobs=${JOBS:-$(nproc)}
fuzz=${FUZZ_BUILD_DIR:-build-fuzz}
[ -f "$build/compile_commands.json" ] || { echo "Configure $build first (make build)." >&2; exit 1; }
cmake -S fuzz -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p "$build" -j "$jobs" -quiet "$PWD/(model|analysis|check|markup|drawing|page|report|calculate|ui|tests|bench|frames)/" \
    >"$log" 2>&1 || status=1
run-clang-tidy -p "$fuzz" -j "$jobs" -quiet "$PWD/fuzz/" >>"$log" 2>&1 || status=1
if [ "$status" -ne 0 ] || grep -qE '(warning|error): ' "$log"; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" |
        grep -vE '^(clang-tidy|Enabled checks|Suppressed|Use -header-filter|[0-9]+ warnings? (and [0-9]+ errors? )?generated)'
    echo "--------"
    sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '(warning|error): ' | sort -u
    echo "clang-tidy found the faults above." >&2
    exit 1
fi
echo "clang-tidy: no findings."
