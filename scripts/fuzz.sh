#!/usr/bin/env bash
# Builds the libFuzzer target over the text conversions with clang and runs it
# for the given number of seconds (default 300) from the seed corpus in
# fuzz/corpus. New inputs it finds stay in the build folder; an input that
# breaks a property is saved there too and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
dir=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}

cmake -S fuzz -B "$dir" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" --parallel "$jobs" >/dev/null
mkdir -p "$dir/corpus"
log="$dir/fuzz.log"
if ! "$dir/number_text_fuzz" "$dir/corpus" fuzz/corpus -max_total_time="$seconds" \
    -timeout=10 -artifact_prefix="$dir/" -print_final_stats=1 >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "Fuzzing broke a property: replay the saved input with" >&2
    echo "    $dir/number_text_fuzz $dir/crash-..." >&2
    exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
echo "Fuzzing: ${runs} inputs in ${seconds} s (${rate}/s), every property held."
