#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine, from Debian's own qt6-base
# source of exactly the installed qt6-base-dev version (so that the host's moc,
# rcc and uic fit it), with Debian's mingw-w64 compiler: static, release, and
# only what the window uses (Core, Gui, Widgets, the Windows platform plugin).
#
# It installs into a cache folder outside the clone, keyed by the Qt version and
# the options (VELMORA_CACHE moves it from ~/.cache/velmora). A marker written
# after the install holds the options; without it, or with other options, the
# folder is built again. An interrupted build resumes where it stopped; a
# finished one leaves only the install. The Qt folder is printed last, alone on
# standard output.
set -euo pipefail

jobs=${JOBS:-$(nproc)}
mingw=x86_64-w64-mingw32
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    { echo "qt6-base-dev is not installed (scripts/install-deps.sh)" >&2; exit 1; }
upstream=${version#*:}
upstream=${upstream%%[+-]*}
cache_root=${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}
prefix=$cache_root/qt-$upstream-mingw64-static
work=$cache_root/qt-$upstream-mingw64-work
marker=$prefix/velmora-qt-complete

# Everything not listed stays at Qt's default for Windows. OpenGL stays on
# (dynamic, loaded at run time): 6.4's Windows platform plugin does not compile
# without it. Tablet events are off because Debian's source drops the Wintab
# headers that they need. Direct2D stays on: 6.4 builds its DirectWrite font
# engine and font database only with it, and the Windows plugin needs both.
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF -DFEATURE_icu=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF
)
signature="qt6-base $version for $mingw-posix: ${options[*]}"

if [ -f "$marker" ] && [ "$(cat "$marker")" = "$signature" ]; then
    echo "$prefix"
    exit 0
fi

say() { echo "Qt for Windows: $*" >&2; }

# A deb-src entry for every Debian deb entry of the machine, in sources files of
# this script's own, when the machine has none.
add_deb_src() {
    local own=/etc/apt/sources.list.d/velmora-deb-src
    local stanzas=() lines=() f
    if grep -qsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
        return 0
    fi
    [ "$(id -u)" -eq 0 ] || { say "apt has no deb-src entry; run this once as root"; exit 1; }
    for f in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$f" ]; then stanzas+=("$f"); fi
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$f" ]; then lines+=("$f"); fi
    done
    say "adding deb-src entries in $own.*"
    if [ ${#stanzas[@]} -gt 0 ]; then
        for f in "${stanzas[@]}"; do
            sed -E 's/^Types:.*/Types: deb-src/' "$f"
            echo
        done >"$own.sources"
    fi
    if [ ${#lines[@]} -gt 0 ]; then
        sed -nE 's/^deb[[:space:]]/deb-src /p' "${lines[@]}" >"$own.list"
    fi
    apt-get update -q >&2
}

fetch_source() {
    [ -f "$work/src/.velmora-unpacked" ] && return 0
    add_deb_src
    say "fetching Debian's qt6-base $version source"
    rm -rf "$work/src" "$work/download"
    mkdir -p "$work/download"
    (cd "$work/download" && apt-get source -q --download-only "qt6-base=$version" >&2)
    dpkg-source -q -x "$work"/download/qt6-base_*.dsc "$work/src" >&2
    touch "$work/src/.velmora-unpacked"
}

write_toolchain() {
    cat >"$work/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $mingw-gcc-posix)
set(CMAKE_CXX_COMPILER $mingw-g++-posix)
set(CMAKE_RC_COMPILER $mingw-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$mingw)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}

# Ninja's own progress lines go to the log; the terminal gets one line for
# every 5% done.
build_with_progress() {
    local log=$work/build.log
    say "building with $jobs jobs, about 40 minutes on 2 cores (log: $log)"
    NINJA_STATUS='[%f/%t] ' ninja -C "$work/build" -j "$jobs" >>"$log" 2>&1 &
    local ninja=$!
    local last=-5 line done total percent
    while kill -0 "$ninja" 2>/dev/null; do
        sleep 10
        line=$(grep -ao '^\[[0-9]*/[0-9]*\]' "$log" | tail -n 1 || true)
        [ -n "$line" ] || continue
        done=${line%/*}
        done=${done#[}
        total=${line#*/}
        total=${total%]}
        percent=$((done * 100 / total))
        if [ "$percent" -ge $((last + 5)) ]; then
            say "$percent% ($done of $total steps) at $(date +%H:%M:%S)"
            last=$percent
        fi
    done
    wait "$ninja" || { tail -n 40 "$log" >&2; say "the build failed (log: $log)"; exit 1; }
}

start=$(date +%s)
mkdir -p "$work"
fetch_source
write_toolchain
rm -rf "$prefix"
configured=$(cat "$work/options" 2>/dev/null || true)
if [ ! -f "$work/build/build.ninja" ] || [ "$configured" != "$signature" ]; then
    say "configuring (log: $work/configure.log)"
    rm -rf "$work/build"
    cmake -S "$work/src" -B "$work/build" -G Ninja --toolchain "$work/toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${options[@]}" \
        >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
    echo "$signature" >"$work/options"
fi
build_with_progress
say "installing into $prefix"
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -n 20 "$work/install.log" >&2; exit 1; }
echo "$signature" >"$marker"
rm -rf "$work"
elapsed=$(($(date +%s) - start))
say "done in $((elapsed / 60)) min $((elapsed % 60)) s"
echo "$prefix"
