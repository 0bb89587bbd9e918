#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the packaging and the benchmarks need.
# Idempotent: the package lists are refreshed only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
    libbenchmark-dev libx11-dev libxtst-dev libxcb1-dev jq
    liblcms2-dev libgs-common
    xvfb xauth xdotool x11-utils x11-xserver-utils inotify-tools
    dbus dbus-session-bus-common at-spi2-core python3-pyatspi
    qt6-wayland weston python3-pil
    desktop-file-utils appstream dpkg-dev file man-db
    fonts-liberation2 fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
