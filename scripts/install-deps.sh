#!/usr/bin/env bash
# Installs every system package the project needs on a fresh Debian machine; skips what is there.
set -euo pipefail
packages=(
    build-essential cmake ninja-build git python3
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 wine32:i386 xvfb xauth x11-utils imagemagick
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "install-deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Wine's 32-bit half keeps its start-up quiet and complete, though the programs are 64-bit.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
