#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds Mendwright: packages (with the i386
# architecture Wine needs for a 32-bit program), then the CMake build.
# Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make gcc g++ clang libclang-rt-14-dev googletest mingw-w64
          wine wine32:i386 wine64 xvfb x11-utils imagemagick xdotool fonts-wine)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        sudo_if_needed dpkg --add-architecture i386
    fi
    sudo_if_needed apt-get update -q
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

cmake --preset windows
cmake --build --preset windows
