#!/usr/bin/env bash
# Builds the Windows release (preset windows-mingw) and writes the two forms
# a user downloads into dist/:
#   Vantorix-<version>-win64.zip        a portable copy: Vantorix.exe, README.txt,
#                                       an empty Vantorix.ini (its data stays
#                                       beside it), the licence texts
#   Vantorix-<version>-setup.exe        the installer (NSIS)
#
#   scripts/package.sh            build the packages
#   scripts/package.sh --check    build them, then prove them under Wine in a
#                                 fresh prefix: install silently, run, end,
#                                 uninstall silently; unpack the zip and run
#                                 it (needs an X display: DISPLAY, as
#                                 scripts/test.sh provides)
#
# The version is the program's own (src/AppInfo/Version.h).
# Environment: VANTORIX_JOBS (parallel build jobs, default 2).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

check=0
case "${1:-}" in
    "") ;;
    --check) check=1 ;;
    *) echo "usage: scripts/package.sh [--check]" >&2; exit 2 ;;
esac

for tool in cmake makensis x86_64-w64-mingw32-strip; do
    command -v "$tool" >/dev/null || { echo "package: $tool not found; run scripts/setup.sh first" >&2; exit 1; }
done

version_part() { sed -nE "s/^#define VANTORIX_VERSION_$1 ([0-9]+).*/\1/p" src/AppInfo/Version.h; }
version="$(version_part MAJOR).$(version_part MINOR).$(version_part PATCH)"
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package: no version in src/AppInfo/Version.h" >&2; exit 1; }

jobs="${VANTORIX_JOBS:-2}"
build="build/windows-mingw"
work="build/package"
dist="dist"
name="Vantorix-$version-win64"
stage="$work/$name"

echo "package: building Vantorix $version"
targets=(Vantorix)
[[ $check -eq 1 ]] && targets+=(vantorix_tests)
mkdir -p "$work"
if ! { cmake --preset windows-mingw && cmake --build --preset windows-mingw --parallel "$jobs" --target "${targets[@]}"; } \
    >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log"
    exit 1
fi

# Text files for Windows users: CR LF line ends.
crlf() { sed 's/\r$//; s/$/\r/'; }

rm -rf "$stage"
mkdir -p "$stage/licenses" "$dist"
x86_64-w64-mingw32-strip -o "$stage/Vantorix.exe" "$build/src/Vantorix.exe"
# With a BOM, so that every Notepad reads its Japanese lines as UTF-8.
{ printf '\xEF\xBB\xBF'; sed "s/@VERSION@/$version/" packaging/README.txt | crlf; } >"$stage/README.txt"
# What is linked into the program: the GCC runtime (libstdc++, libgcc), the
# MinGW-w64 runtime and winpthreads, and the header-only JSON library.
crlf </usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright >"$stage/licenses/gcc-runtime.txt"
crlf </usr/share/doc/mingw-w64-x86-64-dev/copyright >"$stage/licenses/mingw-w64.txt"
crlf </usr/share/doc/nlohmann-json3-dev/copyright >"$stage/licenses/nlohmann-json.txt"

# The installer takes the stage without Vantorix.ini: an installed copy
# keeps its data in the user's Documents folder, never in Program Files.
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DSTAGE="$root/$stage" -DICON="$root/src/Vantorix/Vantorix.ico" -DSIZE_KB="$size_kb" \
    -DOUTFILE="$root/$dist/Vantorix-$version-setup.exe" packaging/installer.nsi

# The portable copy: a Vantorix.ini beside the program makes the folder its
# data directory (an empty one, with the BOM the program writes).
printf '\xEF\xBB\xBF' >"$stage/Vantorix.ini"
rm -f "$dist/$name.zip"
(cd "$work" && cmake -E tar cf "$root/$dist/$name.zip" --format=zip "$name")
echo "package: $dist/$name.zip"
echo "package: $dist/Vantorix-$version-setup.exe"

[[ $check -eq 1 ]] || exit 0

# The check: a fresh Wine prefix, the zip unpacked as a user would, and the
# release-package tests of the Windows suite (they are skipped in ordinary
# runs, which lack these variables). Wine links the prefix's Documents folder
# to the home folder, so the check gets an empty home of its own: a user's
# data left there by an earlier check would make the next one a second run.
[[ -n "${DISPLAY:-}" ]] || { echo "package: --check needs an X display (DISPLAY)" >&2; exit 1; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/portable" "$scratch/home"
(cd "$scratch/portable" && cmake -E tar xf "$root/$dist/$name.zip")
windows_path() { local p="${1//\//\\}"; echo "Z:$p"; }
VANTORIX_PACKAGE_SETUP="$(windows_path "$root/$dist/Vantorix-$version-setup.exe")" \
VANTORIX_PACKAGE_PORTABLE="$(windows_path "$scratch/portable/$name")" \
VANTORIX_WINE_DISPLAY=1 \
HOME="$scratch/home" \
    cmake/wine-run.sh --prefix "$scratch/prefix" "$build/tests/vantorix_tests.exe" --gtest_filter='ReleasePackage.*'
