#!/usr/bin/env bash
# Builds the whole program for 64-bit Windows (`make windows`): Qt for Windows
# first when this machine has none yet (scripts/build-qt-windows.sh, once), then
# velmora.exe in build-windows-app/, and puts its installer and portable zip
# into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${WINDOWS_APP_BUILD_DIR:-build-windows-app}
jobs=${JOBS:-$(nproc)}

qt=$(JOBS=$jobs scripts/build-qt-windows.sh)
mkdir -p "$dir" dist
cmake -S . -B "$dir" --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_QT_WINDOWS="$qt" -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF \
    >"$dir/configure.log" 2>&1 || { tail -n 40 "$dir/configure.log"; exit 1; }
echo "velmora.exe in $dir ..."
cmake --build "$dir" --parallel "$jobs" >"$dir/build.log" 2>&1 ||
    { tail -n 60 "$dir/build.log"; exit 1; }
rm -rf "$dir/packages"
(cd "$dir" && cpack -B "$PWD/packages" >cpack.log 2>&1) || { tail -n 40 "$dir/cpack.log"; exit 1; }
rm -f dist/velmora-*-windows-x64.exe dist/velmora-*-windows-x64.zip
cp "$dir"/packages/velmora-*-windows-x64.exe "$dir"/packages/velmora-*-windows-x64.zip dist/
ls -l dist/velmora-*-windows-x64.*
