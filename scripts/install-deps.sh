#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Velmora, with the
# mingw-w64 compiler and 64-bit Wine for the Windows build of the core and its
# tests (no i386 architecture needed), and the German locale that the tests use
# to prove numbers never take a decimal comma. Ninja builds Qt for Windows
# (scripts/build-qt-windows.sh), NSIS makes the Windows installer and icoutils
# turns the program's PNG icons into a Windows icon; the Wine session test
# keeps a screenshot of the window (imagemagick). Eigen solves the frame's
# equations exactly; chromium renders the frame page headless and tidy checks
# that it is valid HTML5. The accessibility check (scripts/check-accessibility.sh)
# reads the window as a screen reader does, over the accessibility bus of a
# session bus of its own (at-spi2-core, dbus-daemon, python3-pyatspi).
# As root it runs apt-get; otherwise it prints the exact commands and stops.
set -euo pipefail

packages=(
    build-essential cmake make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format locales
    qt6-base-dev libgl-dev fonts-liberation
    xvfb xauth xdotool
    clang libclang-rt-14-dev clang-tidy
    desktop-file-utils dpkg-dev
    lintian appstream groff-base
    g++-mingw-w64-x86-64-posix googletest wine wine64
    ninja-build nsis icoutils imagemagick
    libeigen3-dev chromium tidy
    at-spi2-core dbus-daemon python3-pyatspi
)
test_locale=de_DE.UTF-8

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
need_locale=0
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    need_locale=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ]; then
    exit 0
fi

install_cmd="apt-get install -y --no-install-recommends ${missing[*]}"
locale_cmd="localedef -i de_DE -f UTF-8 $test_locale"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing parts of the build environment. Run as root:" >&2
    [ ${#missing[@]} -gt 0 ] && echo "    apt-get update && $install_cmd" >&2
    [ $need_locale -eq 1 ] && echo "    $locale_cmd" >&2
    exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive $install_cmd
fi
if [ $need_locale -eq 1 ]; then
    $locale_cmd
fi
