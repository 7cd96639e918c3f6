#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Rawcast need.
# Only what is missing is installed, so a prepared machine goes straight on.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libxkbcommon-dev libx11-dev
    libcups2-dev cups cups-client cups-daemon libssl-dev
    googletest libgtest-dev
    clang libclang-rt-14-dev
    xvfb xauth x11-utils xdotool imagemagick fonts-noto-cjk fonts-ipafont-gothic fonts-liberation openbox
    desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
