#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`: Clang, ASan + UBSan) and runs
# each one for a number of inputs.
#
#   scripts/fuzz.sh [RUNS] [TARGET...]    RUNS default 10000000; all targets
#
# VANTORIX_FUZZ_PRESET=fuzz-fast builds without AddressSanitizer (UBSan and
# libFuzzer's own checks stay), several times faster for runs of millions.
# VANTORIX_FUZZ_PRESET=fuzz-edges also leaves out the tracing of comparisons
# that guides mutations: the profile loader, which compares thousands of
# slot keys per input, then runs about four times faster still, for runs of
# ten million on a corpus the fully instrumented runs have grown.
# VANTORIX_FUZZ_FORK=N runs each target as N processes under one libFuzzer
# parent (its fork mode), which counts RUNS over all of them and merges
# what each finds into the corpus: both cores on one run of ten million.
#
# fuzz/<name>_fuzz.cpp is target <name>_fuzz. It starts from the seeds in
# fuzz/corpus/<name>/ (never written to) and keeps what it learns in
# build/fuzz/corpus/<name>/, so the next run goes on from there. A fault
# stops the run, leaves the input as build/fuzz/artifacts/<name>/crash-*,
# and makes this script fail; replay it with `build/fuzz/fuzz/<name>_fuzz FILE`.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

runs="${1:-10000000}"
[[ "$runs" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [RUNS] [TARGET...]" >&2; exit 2; }
shift $(($# > 0 ? 1 : 0))
jobs="${VANTORIX_JOBS:-2}"
fork=()
if [[ -n "${VANTORIX_FUZZ_FORK:-}" ]]; then
    if [[ ! "$VANTORIX_FUZZ_FORK" =~ ^[1-9][0-9]*$ ]]; then
        echo "fuzz: VANTORIX_FUZZ_FORK must be a number of processes" >&2
        exit 2
    fi
    fork=(-fork="$VANTORIX_FUZZ_FORK")
fi

preset="${VANTORIX_FUZZ_PRESET:-fuzz}"
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$jobs"

targets=()
if [[ $# -gt 0 ]]; then
    for name in "$@"; do targets+=("build/$preset/fuzz/${name%_fuzz}_fuzz"); done
else
    for target in build/"$preset"/fuzz/*_fuzz; do [[ -x "$target" ]] && targets+=("$target"); done
fi
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "fuzz: no fuzz targets (add fuzz/<name>_fuzz.cpp)"
    exit 0
fi

failed=()
for target in "${targets[@]}"; do
    [[ -x "$target" ]] || { echo "fuzz: no such target: $target" >&2; failed+=("$target"); continue; }
    name="$(basename "$target")"
    name="${name%_fuzz}"
    corpus="build/fuzz/corpus/$name"
    artifacts="build/fuzz/artifacts/$name"
    mkdir -p "$corpus" "$artifacts"
    seeds=()
    [[ -d "fuzz/corpus/$name" ]] && seeds+=("fuzz/corpus/$name")

    echo "=== $name: $runs runs (corpus $corpus)"
    begin=$SECONDS
    if "$target" "${fork[@]}" -runs="$runs" -artifact_prefix="$artifacts/" -print_final_stats=1 \
        "$corpus" "${seeds[@]}" </dev/null; then
        echo "=== $name: no fault in $runs runs ($((SECONDS - begin)) s)"
    else
        echo "=== $name: FAULT, input kept in $artifacts/" >&2
        failed+=("$name")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzz: faults in ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} target(s), no fault"
