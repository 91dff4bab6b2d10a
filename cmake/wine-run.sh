#!/usr/bin/env bash
# Runs a Windows program of the MinGW build under Wine and returns its exit
# code. CMake uses it as CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs
# vantorix_tests.exe through it; scripts/run.sh will start Vantorix.exe with it.
#
#   wine-run.sh [--prefix DIR] PROGRAM.exe [ARGUMENTS...]
#
# The Wine prefix (Wine's C: drive and registry) belongs to the build tree:
# build/windows-mingw/wineprefix, found as the folder holding CMakeCache.txt
# above PROGRAM. --prefix or VANTORIX_WINEPREFIX choose another one.
# The first run creates it (about 10 s); later runs reuse it.
#
# Environment:
#   VANTORIX_WINEDEBUG      Wine's debug channels (default -all: Wine's own
#                           fixme/err chatter would bury the program's output)
#   VANTORIX_WINE_DISPLAY=1 keep DISPLAY, for programs that open windows
#                           (default: dropped, see below)
#   VANTORIX_WINE_LANG      host locale Wine sees (default C.UTF-8, see below)
set -euo pipefail

die() { echo "wine-run: $*" >&2; exit 125; }

prefix="${VANTORIX_WINEPREFIX:-}"
if [[ "${1:-}" == --prefix ]]; then
    [[ $# -ge 2 ]] || die "--prefix needs a folder"
    prefix="$2"
    shift 2
elif [[ "${1:-}" == --prefix=* ]]; then
    prefix="${1#--prefix=}"
    shift
fi
[[ $# -ge 1 ]] || die "usage: wine-run.sh [--prefix DIR] PROGRAM.exe [ARGUMENTS...]"

program="$1"
shift
[[ -f "$program" ]] || die "no such program: $program"
command -v wine >/dev/null || die "wine is not installed (scripts/setup.sh installs it)"

if [[ -z "$prefix" ]]; then
    dir="$(cd "$(dirname "$program")" && pwd)"
    while [[ "$dir" != / && ! -f "$dir/CMakeCache.txt" ]]; do dir="$(dirname "$dir")"; done
    if [[ -f "$dir/CMakeCache.txt" ]]; then
        prefix="$dir/wineprefix"
    else
        prefix="${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/vantorix/wineprefix"
    fi
fi
mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG="${VANTORIX_WINEDEBUG:--all}"
# Without this, creating the prefix stops to offer downloading Wine Mono and
# Gecko. Vantorix needs neither .NET nor an HTML engine, and nothing may be
# fetched during a build.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# Without a display Wine still gives a program message-only windows,
# messages, SendInput and keyboard layouts, but CreateWindow of a top-level
# window fails. The key and mouse sender tests need such a window: they
# inject real input and watch it arrive. scripts/test.sh runs them on a
# private Xvfb and sets VANTORIX_WINE_DISPLAY=1. Otherwise DISPLAY is
# dropped, so that a run from a desktop session never types into, clicks on
# or moves the pointer of the developer's own windows; the window tests then
# fail and say why.
if [[ "${VANTORIX_WINE_DISPLAY:-0}" != 1 ]]; then
    unset DISPLAY WAYLAND_DISPLAY
fi
# Wine takes the Windows locale and ANSI code page from the host's locale:
# ja_JP.UTF-8 would make GetACP() 932 on one machine and 1252 on the next.
# Pin it, so tests see the same system on every machine; VANTORIX_WINE_LANG
# runs the program as a user of another language would.
export LC_ALL="${VANTORIX_WINE_LANG:-C.UTF-8}"
: "${HOME:=$(getent passwd "$(id -u)" | cut -d: -f6)}"
export HOME

# Create the prefix once, under a lock: ctest -j starts several tests at
# the same moment and two wineboots on one prefix corrupt it. The marker is
# written only after a complete boot, so an interrupted one is redone.
# Bump the number when the set-up below changes, so old prefixes are redone.
ready="$prefix/.vantorix-ready-2"
if [[ ! -f "$ready" ]]; then
    exec 9>"$prefix.lock"
    flock -w 600 9 || die "timed out waiting for $prefix.lock"
    if [[ ! -f "$ready" ]]; then
        log="$prefix.log"
        echo "wine-run: creating Wine prefix $prefix" >&2
        # 9>&-: wineboot leaves wineserver and services running; had they
        # inherited the lock's descriptor, the lock would stay held until
        # they exit and every other test would wait for that.
        # The debugger entry names a program that does not exist, so a
        # crash ends the process with its exception code (0xC0000005 is
        # exit status 5). Wine's default, winedbg --auto, prints a backtrace
        # but then sometimes ends the process with code 0: a crashing test
        # would pass.
        # Xvfb has no window manager: unmanaged, Wine draws the windows'
        # frames itself (screenshots show title bars) and does not wait a
        # second for a manager at every window it hides.
        # The faces behind menus, title bars and message boxes, and the one
        # the installer's Japanese pages ask for, have no Japanese glyphs in
        # Wine; a face that has them stands in.
        replace_faces() {
            local face
            for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI' 'MS UI Gothic' 'MS Sans Serif' \
                'ＭＳ Ｐゴシック'; do
                wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
                    /d 'Noto Sans CJK JP' /f || return 1
            done
        }
        if ! { wineboot -i &&
               wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
                   /v Debugger /t REG_SZ /d vantorix-no-debugger.exe /f &&
               wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f &&
               replace_faces; } \
               >"$log" 2>&1 9>&-; then
            cat "$log" >&2
            die "could not create the Wine prefix (log: $log)"
        fi
        touch "$ready"
    fi
    exec 9>&-
fi

exec wine "$program" "$@"
