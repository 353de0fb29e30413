#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Velmora.
# As root it runs apt-get; otherwise it prints the exact command and stops.
set -euo pipefail

packages=(
    build-essential cmake make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format
    qt6-base-dev libgl-dev
    xvfb xauth xdotool
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Run as root:" >&2
    echo "    apt-get update && $cmd" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -q
DEBIAN_FRONTEND=noninteractive $cmd
