#!/usr/bin/env bash
# Takes a screenshot of each window of the table below, in the light and
# the dark style, at 96 and 144 DPI, under Wine on a private Xvfb display:
#   build/screenshots/<name>-<light|dark>-<96|144>.png
#
#   scripts/screenshots.sh [NAME...]      default: every entry of the table
#
# Builds what the table needs (preset windows-mingw), starts Xvfb on a free
# display and uses a Wine prefix of its own (build/screenshots/wineprefix,
# created on first use). Each program is started with VANTORIX_FORCE_DPI
# and, for the dark shots, --dark; it is ended after its shot.
#
# Environment: VANTORIX_JOBS (parallel build jobs, default 2),
#              VANTORIX_SHOT_DELAY (seconds from start to shot, default 4),
#              VANTORIX_SHOT_BUILD=0 (take the programs as built, no build).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# One line per window: its name, then the program (below
# build/windows-mingw) and its arguments. Add a window by adding a line,
# and its program's target to targets. {profile} stands for a profile of a
# sample data folder made for the shot, whose settings choose the style; the
# other programs get --dark for the dark shots.
shots=(
    "main      src/Vantorix.exe {profile}"
    "options   src/Vantorix.exe {profile}"
    "wizard    tools/vantorix-gallery.exe wizard"
    "greeting  tools/vantorix-gallery.exe greeting"
    "image     tools/vantorix-gallery.exe image"
    "name      tools/vantorix-gallery.exe name"
    "about     tools/vantorix-gallery.exe about"
    "controls  tools/vantorix-gallery.exe controls"
    "device    tools/vantorix-gallery.exe device"
    "device-axes tools/vantorix-gallery.exe device-axes"
    "template  tools/vantorix-gallery.exe template"
    "preference tools/vantorix-gallery.exe preference"
    "alias     tools/vantorix-gallery.exe alias"
    "vibration tools/vantorix-gallery.exe vibration"
    "applink   tools/vantorix-gallery.exe applink"
    "applinkitem tools/vantorix-gallery.exe applinkitem"
    "appcapture tools/vantorix-gallery.exe appcapture"
    "assign-keyboard  tools/vantorix-gallery.exe assign-keyboard"
    "assign-multi     tools/vantorix-gallery.exe assign-multi"
    "assign-mouse     tools/vantorix-gallery.exe assign-mouse"
    "assign-absolute  tools/vantorix-gallery.exe assign-absolute"
    "assign-command   tools/vantorix-gallery.exe assign-command"
    "assign-special   tools/vantorix-gallery.exe assign-special"
    "assign-text      tools/vantorix-gallery.exe assign-text"
)
targets=(vantorix-gallery Vantorix)
# What is done in a window before its shot, given the DPI.
declare -A actions=([options]=click_options_tab)
themes=(light dark)
dpis=(96 144)

jobs="${VANTORIX_JOBS:-2}"
delay="${VANTORIX_SHOT_DELAY:-4}"
build="build/windows-mingw"
out="build/screenshots"
prefix="$root/$out/wineprefix"

# A data folder with the sample profiles, the greeting already seen and the
# style of the shot; prints the profile to start with, as Wine names it.
sample_profile() {
    local theme="$1" folder="$root/$out/data-$1"
    rm -rf "$folder"
    mkdir -p "$folder"
    cp examples/rapid-fire/*.cfg "$folder/"
    printf '\xEF\xBB\xBF[LastStatus]\r\nHasRunBefore=1\r\nFileName=Game\r\nWindowWidth=760\r\nWindowHeight=600\r\nDarkMode=%d\r\n' \
        "$([[ $theme == dark ]] && echo 1 || echo 0)" >"$folder/Vantorix.ini"
    echo "Z:${folder//\//\\}\\Game.cfg"
}

# The main window's "Options" tab, found where the layout puts it: the
# frame Wine draws stays the same size, the client area scales.
click_options_tab() {
    local dpi="$1" window
    window="$(xdotool search --name '^Vantorix v' | head -n 1)"
    [[ -n $window ]] || return 0
    xdotool mousemove --window "$window" $((1 + 437 * dpi / 96)) $((41 + 20 * dpi / 96)) click 1
    sleep 1
}

for tool in cmake Xvfb xauth import convert wine xdotool; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool not found; run scripts/setup.sh first" >&2; exit 1; }
done

wanted=("$@")
selected() {
    [[ ${#wanted[@]} -eq 0 ]] && return 0
    local name
    for name in "${wanted[@]}"; do [[ $name == "$1" ]] && return 0; done
    return 1
}

mkdir -p "$out"
if [[ ${VANTORIX_SHOT_BUILD:-1} != 0 ]]; then
    echo "screenshots: building ${targets[*]}"
    cmake --preset windows-mingw >"$out/configure.log" 2>&1 || { tail -n 30 "$out/configure.log"; exit 1; }
    cmake --build --preset windows-mingw --parallel "$jobs" --target "${targets[@]}" >"$out/build.log" 2>&1 ||
        { grep -E -A5 'error|undefined reference' "$out/build.log" | head -n 60; exit 1; }
fi

xvfb_pid=
xvfb_dir="$(mktemp -d)"
program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    # Only this script's programs run in this prefix.
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$xvfb_dir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb on the first free display from :100 up; -displayfd says when it
# accepts connections.
export XAUTHORITY="$xvfb_dir/Xauthority"
: >"$XAUTHORITY"
for ((n = 100; n < 160; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    ready="$xvfb_dir/ready"
    : >"$ready"
    xauth -q -f "$XAUTHORITY" add ":$n" . "$(mcookie)"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -auth "$XAUTHORITY" -displayfd 3 \
        3>"$ready" >"$out/xvfb.log" 2>&1 </dev/null &
    xvfb_pid=$!
    for ((waited = 0; waited < 100; waited++)); do
        [[ -s $ready ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [[ -s $ready ]] && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
[[ -n $xvfb_pid ]] || { echo "screenshots: could not start Xvfb (log: $out/xvfb.log)" >&2; exit 1; }
export DISPLAY=":$n" VANTORIX_WINE_DISPLAY=1
echo "screenshots: display $DISPLAY, Wine prefix ${prefix#"$root"/}"

count=0
for entry in "${shots[@]}"; do
    read -r name program arguments <<<"$entry"
    selected "$name" || continue
    for theme in "${themes[@]}"; do
        for dpi in "${dpis[@]}"; do
            file="$out/$name-$theme-$dpi.png"
            extra=()
            words="$arguments"
            if [[ $words == *"{profile}"* ]]; then
                words="${words//\{profile\}/$(sample_profile "$theme")}"
            elif [[ $theme == dark ]]; then
                extra=(--dark)
            fi
            # shellcheck disable=SC2086  # arguments are words of the table
            VANTORIX_FORCE_DPI="$dpi" cmake/wine-run.sh --prefix "$prefix" "$build/$program" $words \
                "${extra[@]}" >>"$out/programs.log" 2>&1 &
            program_pid=$!
            sleep "$delay"
            # The first start in a new prefix also creates it.
            if [[ ! -f $prefix/.vantorix-ready-2 ]]; then
                while kill -0 "$program_pid" 2>/dev/null && [[ ! -f $prefix/.vantorix-ready-2 ]]; do sleep 1; done
                # The program's own start comes after the prefix's.
                sleep $((2 * delay))
            fi
            if ! kill -0 "$program_pid" 2>/dev/null; then
                echo "  $name $theme $dpi: the program ended before its shot (log: $out/programs.log)"
                program_pid=
                continue
            fi
            [[ -n ${actions[$name]:-} ]] && "${actions[$name]}" "$dpi"
            # The root window holds the whole screen; -trim cuts it to the
            # windows on it. On a busy machine the window may not be up
            # yet: an empty screen trims to the border alone, and is taken
            # again a little later.
            for ((attempt = 0; attempt < 10; attempt++)); do
                import -display "$DISPLAY" -window root "$file.full.png"
                convert "$file.full.png" -trim +repage -bordercolor black -border 8 "$file"
                rm -f "$file.full.png"
                [[ $(identify -format '%w' "$file") -gt 17 ]] && break
                sleep 2
            done
            kill "$program_pid" 2>/dev/null || true
            wait "$program_pid" 2>/dev/null || true
            program_pid=
            WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
            echo "  $file"
            count=$((count + 1))
        done
    done
done
echo "screenshots: $count written to $out/"
