#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder,
# unpacks it with dpkg-deb -x and checks what a desktop needs to list and start
# the program: its layout, the desktop entry, the icons and the dependencies;
# then the manual page, the changelog and the AppStream metadata, and Debian's
# own checker, lintian, which must report no error and no warning.
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

id=org.velmora.velmora
version=$(dpkg-deb -f "$deb" Version)

# Exactly the program, its desktop entry, metadata, icons, manual page and the
# files every Debian package carries.
expected=$(printf '%s\n' ./usr/bin/velmora ./usr/share/applications/$id.desktop \
    ./usr/share/doc/velmora/changelog.gz ./usr/share/doc/velmora/copyright \
    ./usr/share/icons/hicolor/16x16/apps/velmora.png ./usr/share/icons/hicolor/32x32/apps/velmora.png \
    ./usr/share/lintian/overrides/velmora ./usr/share/man/man1/velmora.1.gz \
    ./usr/share/metainfo/$id.metainfo.xml)
actual=$(cd "$root" && find . -type f | sort)
[ "$actual" = "$expected" ] || fail "the package holds $(echo "$actual" | tr '\n' ' ')"

[ -x "$root/usr/bin/velmora" ] || fail "/usr/bin/velmora is not executable"
head -c 4 "$root/usr/bin/velmora" | grep -q 'ELF' || fail "/usr/bin/velmora is not a program"

entry="$root/usr/share/applications/$id.desktop"
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

# Gzipped at the highest level, without a file name or time stamp in the header
# (flags byte 3, time bytes 4..7, extra flags byte 8), so a rebuild is identical.
for gz in usr/share/doc/velmora/changelog.gz usr/share/man/man1/velmora.1.gz; do
    [ -f "$root/$gz" ] || continue
    header=$(od -An -tu1 -N9 "$root/$gz" | tr -s ' \n' ' ')
    [ "$header" = " 31 139 8 0 0 0 0 0 2 " ] || fail "/$gz is not gzip -9n: header$header"
done

manual="$root/usr/share/man/man1/velmora.1.gz"
if [ -f "$manual" ]; then
    warnings=$(zcat "$manual" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "the manual page does not render cleanly: $warnings"
fi

# A new version must come with its changelog entry and its AppStream release.
changelog="$root/usr/share/doc/velmora/changelog.gz"
if [ -f "$changelog" ]; then
    logged=$(zcat "$changelog" | dpkg-parsechangelog -l- -S Version)
    [ "$logged" = "$version" ] || fail "the changelog's last entry is $logged, not $version"
fi
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
    released=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2 || true)
    [ "$released" = "$version" ] || fail "the metadata's last release is $released, not $version"
fi

# validate-tree checks each metainfo file as `appstreamcli validate` does, and
# also that the desktop entry it launches is in the tree.
if ! appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1; then
    cat "$work/appstream.log"
    fail "appstreamcli reports errors or warnings"
fi
# Tags the package overrides, with their reasons, are in packaging/lintian-overrides.
if ! lintian --no-cfg --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    cat "$work/lintian.log"
    fail "lintian reports errors or warnings"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$deb"): layout, desktop entry, icons, dependencies, manual page, changelog,"
echo "AppStream metadata and lintian as expected"
