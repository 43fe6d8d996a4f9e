#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds Mendwright: packages (with the i386
# architecture Wine needs for a 32-bit program), then the CMake build.
# Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make gcc g++ clang libclang-rt-14-dev googletest mingw-w64
          wine wine32:i386 wine64 xvfb x11-utils imagemagick xdotool fonts-wine locales)

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

# A test runs the program under code page 932, which Wine takes from the locale of LANG.
if ! locale -a 2>/dev/null | grep -ix 'ja_JP\.utf-\?8' >/dev/null; then
    echo "Making the locale ja_JP.UTF-8"
    sudo_if_needed localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

cmake --preset windows
cmake --build --preset windows
