#!/usr/bin/env bash
# Builds the core and its tests as 64-bit Windows programs with mingw-w64
# (cmake/mingw-w64.cmake) in a build folder of their own and runs every test
# under Wine, in a Wine prefix inside that folder. The window is not built: it
# needs Qt for Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${WINDOWS_BUILD_DIR:-build-windows}
jobs=${JOBS:-$(nproc)}
prefix=$PWD/$dir/wine-prefix

cmake -S . -B "$dir" --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
echo "Windows build in $dir ..."
# Wine creates its prefix (some seconds) while the compiler runs.
scripts/wine-run.sh "$prefix" wineboot -i >"$dir/wineboot.log" 2>&1 &
boot=$!
if ! cmake --build "$dir" --parallel "$jobs" >"$dir/build.log" 2>&1; then
    tail -n 60 "$dir/build.log"
    exit 1
fi
if ! wait $boot; then
    cat "$dir/wineboot.log"
    exit 1
fi
# One Wine server and its services for all tests, started here: a service started
# by the first test would hold CTest's output pipe open until the server ends.
export WINEPREFIX=$prefix
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -p30 </dev/null >/dev/null 2>&1 || true
scripts/wine-run.sh "$prefix" wineboot </dev/null >/dev/null 2>&1
cd "$dir"
# Now and then Wine fails to start a test's process at all (no output, exit at
# once); a test that fails is run once more, so that only a second failure
# counts. A test that fails for a reason of its own fails twice.
ctest --output-on-failure --parallel "$jobs" --repeat until-pass:2
