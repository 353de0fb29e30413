#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder,
# unpacks it with dpkg-deb -x and checks what a desktop needs to list and start
# the program: its layout, the desktop entry, the icons and the dependencies.
set -euo pipefail

build=${1:?usage: check-package.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb built"; exit 1; }
deb=${debs[0]}
root="$work/root"
dpkg-deb -x "$deb" "$root"

# Exactly the program, its desktop entry and its two icons.
expected=$(printf '%s\n' ./usr/bin/velmora ./usr/share/applications/velmora.desktop \
    ./usr/share/icons/hicolor/16x16/apps/velmora.png ./usr/share/icons/hicolor/32x32/apps/velmora.png)
actual=$(cd "$root" && find . -type f | sort)
[ "$actual" = "$expected" ] || fail "the package holds $(echo "$actual" | tr '\n' ' ')"

[ -x "$root/usr/bin/velmora" ] || fail "/usr/bin/velmora is not executable"
head -c 4 "$root/usr/bin/velmora" | grep -q 'ELF' || fail "/usr/bin/velmora is not a program"

entry="$root/usr/share/applications/velmora.desktop"
if [ -f "$entry" ]; then
    desktop-file-validate "$entry" || fail "the desktop entry does not validate"
    grep -qx 'Exec=velmora' "$entry" || fail "the desktop entry does not start velmora"
    grep -qx 'Icon=velmora' "$entry" || fail "the desktop entry does not name the icon velmora"
    grep -qx 'Type=Application' "$entry" || fail "the desktop entry is not an application"
fi

# A PNG signature, then the IHDR chunk with width and height as 32-bit numbers.
for size in 16 32; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png"
    [ -f "$icon" ] || continue
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "the ${size}x${size} icon is not a PNG"
    width=$(od -An -tu1 -j16 -N4 "$icon" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    height=$(od -An -tu1 -j20 -N4 "$icon" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "the ${size}x${size} icon is ${width}x${height}"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = velmora ] || fail "the package is not named velmora"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$deb"): layout, desktop entry, icons and dependencies as expected"
