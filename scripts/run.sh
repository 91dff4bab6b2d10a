#!/usr/bin/env bash
# Builds everything, native and Windows, then starts Vantorix.exe under
# Wine.
#
#   scripts/run.sh [VANTORIX-ARGS...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${VANTORIX_JOBS:-2}"

for preset in native windows-mingw; do
    echo "=== building $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$jobs"
done

exe="build/windows-mingw/src/Vantorix.exe"
[[ -f "$exe" ]] || { echo "run: $exe was not built" >&2; exit 1; }

# Vantorix has windows of its own: it runs on this session's display, or on
# a virtual one started here when there is none.
export VANTORIX_WINE_DISPLAY=1
if [[ -n "${DISPLAY:-}" ]]; then
    exec cmake/wine-run.sh "$exe" "$@"
fi

display=""
for n in $(seq 90 130); do
    if [[ ! -e "/tmp/.X$n-lock" && ! -e "/tmp/.X11-unix/X$n" ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "run: no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
echo "run: no display here, so Vantorix runs on the virtual display $display (Xvfb)"

cmake/wine-run.sh "$exe" "$@" &
program=$!
shot="$root/build/screenshots/vantorix.png"
mkdir -p "$(dirname "$shot")"
for _ in $(seq 1 60); do
    sleep 1
    if xwininfo -root -tree 2>/dev/null | grep -q '"Vantorix v'; then
        sleep 2
        xwd -root -silent | convert xwd:- "$shot" && echo "run: screenshot of the window: $shot"
        break
    fi
done
echo "run: Vantorix is running (pid $program); stop it with Ctrl+C"
wait "$program"
