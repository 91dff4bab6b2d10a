#!/usr/bin/env bash
# Installs what building and testing Vantorix needs on Debian or Ubuntu:
# compilers (native, MinGW-w64 for Windows, Clang for fuzzing), the test and
# benchmark libraries, Wine to run the Windows build, Xvfb with screenshot
# tools for looking at the program's windows, and NSIS for the installer.
#
# Only missing packages are installed, so a second run costs a second and
# needs no network. Runs as root, or through sudo when that exists.
set -euo pipefail

packages=(
    cmake g++
    googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
    g++-mingw-w64-x86-64-posix
    wine wine64
    xvfb xauth x11-apps x11-utils imagemagick fonts-noto-cjk xdotool
    clang libclang-rt-14-dev
    nsis
)

installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]
}

command -v dpkg-query >/dev/null || { echo "setup: needs a Debian or Ubuntu system (dpkg)" >&2; exit 1; }

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "setup: all ${#packages[@]} packages are installed"
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "setup: missing packages, and neither root nor sudo to install them:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null
# With recommended packages: Wine reaches controllers through libSDL2 and
# X input through libXi and libXrandr, which it only recommends.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" </dev/null

still_missing=()
for package in "${missing[@]}"; do
    installed "$package" || still_missing+=("$package")
done
if [[ ${#still_missing[@]} -gt 0 ]]; then
    echo "setup: could not install ${still_missing[*]}" >&2
    exit 1
fi
echo "setup: done"
