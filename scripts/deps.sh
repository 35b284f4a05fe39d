#!/usr/bin/env bash
# Installs what the build, the tests, the demo and the packages need (Debian 12), or says how.
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-liberation
          iproute2 xvfb xauth dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
          dpkg-dev file desktop-file-utils appstream librsvg2-bin xdotool
          libcli11-dev nlohmann-json3-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
else
    echo "Missing packages. Run as root:"
    echo "  apt-get update && apt-get install -y ${missing[*]}"
    exit 1
fi
