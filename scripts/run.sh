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

exe="$(find build/windows-mingw -name Vantorix.exe -type f -print -quit)"
if [[ -z "$exe" ]]; then
    echo
    echo "run: everything is built; the program itself (Vantorix.exe) is not here yet:"
    echo "     it arrives with the start-up work. Until then, scripts/test.sh runs"
    echo "     the Windows build's tests under Wine."
    exit 0
fi

# Vantorix has windows of its own: give Wine a display, a virtual one if
# this session has none.
export VANTORIX_WINE_DISPLAY=1
if [[ -n "${DISPLAY:-}" ]]; then
    exec cmake/wine-run.sh "$exe" "$@"
fi
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" cmake/wine-run.sh "$exe" "$@"
