#!/usr/bin/env bash
# Builds Vantorix and runs its tests in every configuration that has to
# pass before a change goes in:
#   native         Linux, GCC, Debug
#   asan           Linux, GCC, Debug with AddressSanitizer and UBSan
#   windows-mingw  the Windows .exe (MinGW-w64, Release), tests run under Wine
#                  on a private Xvfb display (the key and mouse senders are
#                  tested against a real window); then the release packages
#                  are built and proved (scripts/package.sh --check)
#   fuzz           only when fuzz/*_fuzz.cpp exist: builds the fuzzers and
#                  runs each briefly, so they cannot rot unnoticed
#
#   scripts/test.sh [PRESET...]     default: all of the above
#
# Each stage's full output goes to build/logs/; the terminal gets a line per
# stage, the warnings, and whatever failed. Exits non-zero if anything failed.
#
# Environment: VANTORIX_JOBS (parallel jobs, default 2),
#              VANTORIX_FUZZ_SMOKE_RUNS (runs per fuzzer here, default 20000).
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

jobs="${VANTORIX_JOBS:-2}"
smoke_runs="${VANTORIX_FUZZ_SMOKE_RUNS:-20000}"
logs="$root/build/logs"
mkdir -p "$logs"

if [[ $# -gt 0 ]]; then
    presets=("$@")
else
    presets=(native asan windows-mingw)
    if compgen -G "fuzz/*_fuzz.cpp" >/dev/null; then presets+=(fuzz); fi
fi

for tool in cmake ctest; do
    command -v "$tool" >/dev/null || { echo "test: $tool not found; run scripts/setup.sh first" >&2; exit 1; }
done

declare -A result duration cases
failed=0
started=$SECONDS

bar() { printf '\n=== %s\n' "$*"; }

# Prints a failed stage's log: compiler and linker errors if there are
# any, else its end.
show_failure() {
    local log="$1"
    local errors='error:|error [A-Z]+[0-9]+:|undefined reference'
    if grep -qE "$errors" "$log"; then
        grep -E -B2 -A6 "$errors" "$log" | head -n 120
    else
        echo "--- last lines of ${log#"$root"/}"
        tail -n 40 "$log"
    fi
}

# Lists the distinct warnings of a build log.
show_warnings() {
    local log="$1" count
    count=$(grep -cE 'warning[: ]' "$log" || true)
    if [[ $count -gt 0 ]]; then
        echo "    warnings:"
        grep -E '^[^ ].*warning[: ]' "$log" | sort -u | head -n 30 | sed 's/^/      /'
    fi
}

# stage <preset> <name> <command...>: runs a command with its output in the
# stage's log, and records how it went.
stage() {
    local preset="$1" name="$2"
    shift 2
    local log="$logs/$preset-$name.log" begin=$SECONDS rc
    "$@" >"$log" 2>&1 </dev/null
    rc=$?
    duration[$preset.$name]=$((SECONDS - begin))
    if [[ $rc -eq 0 ]]; then
        result[$preset.$name]=ok
        printf '  %-9s ok      %4ds\n' "$name" "${duration[$preset.$name]}"
    else
        result[$preset.$name]=FAILED
        printf '  %-9s FAILED  %4ds   (exit %d, log: %s)\n' "$name" "${duration[$preset.$name]}" "$rc" "${log#"$root"/}"
        show_failure "$log"
        failed=1
    fi
    return $rc
}

# Runs ctest, showing its output without the lines of passing cases, and
# counts the GoogleTest cases from it.
run_ctest() {
    local preset="$1" log="$logs/$1-test.log" begin=$SECONDS rc passed failed_cases
    # Wine's console output ends lines with CR LF; drop the CR for the log.
    ctest --preset "$preset" --parallel "$jobs" 2>&1 </dev/null |
        sed -u 's/\r$//' | tee "$log" |
        grep -vE '^\[ RUN      \]|^\[       OK \]|^\[----------\]|^$'
    rc=${PIPESTATUS[0]}
    duration[$preset.test]=$((SECONDS - begin))
    # ctest keeps every test's whole output there, passed or not.
    local full="build/$preset/Testing/Temporary/LastTest.log"
    [[ -f "$full" ]] || full=/dev/null
    passed=$(tr -d '\r' <"$full" | sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' | awk '{s+=$1} END {print s+0}')
    failed_cases=$(tr -d '\r' <"$full" | sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' | awk '{s+=$1} END {print s+0}')
    cases[$preset.passed]=$passed
    cases[$preset.failed]=$failed_cases
    if [[ $rc -eq 0 ]]; then
        result[$preset.test]=ok
    else
        result[$preset.test]=FAILED
        failed=1
        # A case that started and never finished took the program down.
        awk '/^\[ RUN      \]/ {open[$4]=1} /^\[       OK \]|^\[  FAILED  \]/ {delete open[$4]}
             END {for (name in open) print "  crashed or hung in: " name}' "$log"
    fi
    printf '  %-9s %-7s %4ds   (%d passed, %d failed)\n' test "${result[$preset.test]}" \
        "${duration[$preset.test]}" "$passed" "$failed_cases"
}

# The fuzz preset has no ctest tests: each fuzzer runs briefly from its
# checked-in seeds (fuzz/corpus/<name>/) instead. What it finds goes to a
# scratch corpus, so every run starts from the same place; scripts/fuzz.sh
# is for long runs.
run_fuzz_smoke() {
    local log="$logs/fuzz-test.log" begin=$SECONDS rc=0 target name ran=0 scratch seeds
    : >"$log"
    for target in build/fuzz/fuzz/*_fuzz; do
        [[ -x "$target" ]] || continue
        ran=$((ran + 1))
        name="$(basename "$target")"
        name="${name%_fuzz}"
        scratch="build/fuzz/smoke/$name"
        rm -rf "$scratch"
        mkdir -p "$scratch/corpus" "$scratch/artifacts"
        seeds=()
        [[ -d "fuzz/corpus/$name" ]] && seeds+=("fuzz/corpus/$name")
        echo "--- $target -runs=$smoke_runs" >>"$log"
        if ! "$target" -runs="$smoke_runs" -max_total_time=120 -artifact_prefix="$scratch/artifacts/" \
            "$scratch/corpus" "${seeds[@]}" >>"$log" 2>&1 </dev/null; then
            echo "  fuzzer $name found a fault; input in $scratch/artifacts/ (log: ${log#"$root"/})"
            tail -n 40 "$log"
            rc=1
        fi
    done
    duration[fuzz.test]=$((SECONDS - begin))
    cases[fuzz.passed]=$((rc == 0 ? ran : 0))
    if [[ $rc -eq 0 ]]; then result[fuzz.test]=ok; else result[fuzz.test]=FAILED; failed=1; fi
    printf '  %-9s %-7s %4ds   (%d fuzzer(s), %d runs each)\n' fuzz "${result[fuzz.test]}" \
        "${duration[fuzz.test]}" "$ran" "$smoke_runs"
}

# The Windows tests inject keys and mouse movement into a window of their
# own, which under Wine needs an X display. They get a private Xvfb: on the
# developer's desktop the injected input would land in whatever has the
# focus. It runs only around that stage, and goes when this script does.
xvfb_pid=
xvfb_dir=
xvfb_vars=(DISPLAY XAUTHORITY VANTORIX_WINE_DISPLAY)
declare -A outer_env=()  # the caller's values of those, put back afterwards
for var in "${xvfb_vars[@]}"; do [[ -v $var ]] && outer_env[$var]="${!var}"; done

stop_xvfb() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    fi
    [[ -n $xvfb_dir ]] && rm -rf "$xvfb_dir"
    xvfb_dir=
    local var
    for var in "${xvfb_vars[@]}"; do
        if [[ -v outer_env[$var] ]]; then export "$var=${outer_env[$var]}"; else unset "$var"; fi
    done
}
trap stop_xvfb EXIT
# Without these an interrupted run would skip the EXIT trap and leave Xvfb.
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts Xvfb on the first free display from :90 up and exports DISPLAY for
# cmake/wine-run.sh. Another server may take the same number between the
# check and the start; Xvfb then exits at once and the next number is tried.
# -displayfd makes our own server say when it accepts connections.
start_xvfb() {
    command -v Xvfb >/dev/null && command -v xauth >/dev/null || {
        echo "  no Xvfb or xauth (scripts/setup.sh installs them): the window tests will fail"
        return 1
    }
    xvfb_dir="$(mktemp -d)"
    local n ready="$xvfb_dir/ready" waited
    export XAUTHORITY="$xvfb_dir/Xauthority"
    : >"$XAUTHORITY"
    for ((n = 90; n < 140; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        : >"$ready"
        xauth -q -f "$XAUTHORITY" add ":$n" . "$(mcookie)" || break
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -auth "$XAUTHORITY" -displayfd 3 \
            3>"$ready" >"$logs/xvfb.log" 2>&1 </dev/null &
        xvfb_pid=$!
        for ((waited = 0; waited < 100; waited++)); do
            if [[ -s $ready ]]; then
                export DISPLAY=":$n" VANTORIX_WINE_DISPLAY=1
                printf '  %-9s :%d\n' display "$n"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    echo "  could not start Xvfb (log: ${logs#"$root"/}/xvfb.log): the window tests will fail"
    return 1
}

for preset in "${presets[@]}"; do
    bar "$preset"
    stage "$preset" configure cmake --preset "$preset" || continue
    stage "$preset" build cmake --build --preset "$preset" --parallel "$jobs" || continue
    show_warnings "$logs/$preset-build.log"
    if [[ $preset == fuzz ]]; then
        run_fuzz_smoke
    elif [[ $preset == windows-mingw ]]; then
        start_xvfb
        run_ctest "$preset"
        stage "$preset" package bash scripts/package.sh --check
        stop_xvfb
    else
        run_ctest "$preset"
    fi
done

total_passed=0
total_failed=0
bar "Summary ($((SECONDS - started)) s in all; logs in build/logs/)"
printf '  %-15s %-16s %-16s %-16s %s\n' preset configure build test cases
for preset in "${presets[@]}"; do
    row=()
    for name in configure build test; do
        if [[ -n "${result[$preset.$name]:-}" ]]; then
            row+=("$(printf '%s %ds' "${result[$preset.$name]}" "${duration[$preset.$name]}")")
        else
            row+=("-")
        fi
    done
    p="${cases[$preset.passed]:-0}"
    f="${cases[$preset.failed]:-0}"
    if [[ $preset == fuzz ]]; then
        # Fuzzers are no test cases; a fault shows as a failed stage.
        printf '  %-15s %-16s %-16s %-16s %s\n' "$preset" "${row[@]}" "$p fuzzer(s) without fault"
        continue
    fi
    total_passed=$((total_passed + p))
    total_failed=$((total_failed + f))
    printf '  %-15s %-16s %-16s %-16s %s\n' "$preset" "${row[@]}" "$p passed, $f failed"
done
echo

if [[ $failed -ne 0 ]]; then
    echo "RESULT: FAILED"
    # Count a stage that broke before its tests ran as a failure too.
    [[ $total_failed -eq 0 ]] && total_failed=1
else
    echo "RESULT: all passed"
fi
echo "tests: $total_passed passed, $total_failed failed"
exit $failed
