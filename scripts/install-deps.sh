#!/usr/bin/env bash
# Installs every system package the project needs on a fresh Debian machine; silent when all of
# them are there. When one cannot be installed it says which and why, and exits non-zero.
set -uo pipefail
# Wine's 32-bit half is left out: every program of the project is 64-bit, and on a kernel that
# runs no 32-bit programs its loader cannot even start (scripts/wine-env.sh uses the 64-bit one).
packages=(
    build-essential cmake ninja-build git python3
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils imagemagick nsis zip
)

missing_packages() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

mapfile -t missing < <(missing_packages)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "install-deps: cannot install ${missing[*]}: not root and no sudo" >&2
        exit 1
    }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# apt's own words are kept for the message, and shown only when something went wrong.
if ! $sudo apt-get update -qq >"$log" 2>&1; then
    echo "install-deps: the package lists could not be updated; apt said:" >&2
    grep -E '^(E|W):' "$log" | head -10 >&2
fi
if ! $sudo apt-get install -y -qq "${missing[@]}" >>"$log" 2>&1; then
    mapfile -t still < <(missing_packages)
    echo "install-deps: could not install ${still[*]:-${missing[*]}}; apt said:" >&2
    reasons=$(grep -E '^(E|W):| : Depends:|has no installation candidate|Unable to locate' "$log")
    printf '%s\n' "${reasons:-$(tail -10 "$log")}" | head -15 >&2
    exit 1
fi
mapfile -t still < <(missing_packages)
if [ ${#still[@]} -gt 0 ]; then
    echo "install-deps: apt reported success, but ${still[*]} is still not installed" >&2
    exit 1
fi
