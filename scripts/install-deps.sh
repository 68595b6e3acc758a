#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need, when missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libglfw3-dev libglew-dev libfreeimage-dev libbullet-dev
    libboost-dev libboost-filesystem-dev libglm-dev
    libopenal-dev libsndfile1-dev libtomlplusplus-dev
    libgtest-dev libbenchmark-dev libx11-dev
    xvfb xauth xdotool libgl1-mesa-dri
    clang libclang-rt-14-dev libtinyobjloader-dev ccache
    desktop-file-utils appstream man-db lintian dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages (${missing[*]}) and no way to install them: run as root or install sudo." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    "${as_root[@]}" apt-get update
    "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
