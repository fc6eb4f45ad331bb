#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset, clang) and runs each for a given time, at
# the lowest priority, one after the other, from its seeds (fuzz/seeds/TARGET) and the corpus
# it has grown (BUILD/fuzz-corpus/TARGET). Prints one summary line per target; exits non-zero
# when any target crashed, hung, ran out of memory or broke a property (the input that did it
# is kept in BUILD/fuzz-artifacts/).
#
#   scripts/fuzz.sh [--seconds N] [--runs N] [--timeout S] [--build-dir DIR] [--no-build] [TARGET...]
#
# --seconds N   time per target (default 600); --runs N ends a target sooner after N inputs
# --timeout S   an input taking longer than S seconds is a hang (default 1)
# TARGET        fuzz_listfile, fuzz_settings, ... (default: every target built)
set -eu
cd "$(dirname "$0")/.."
source=$PWD
seconds=600 runs=-1 timeout=1 build=build-fuzz do_build=1 targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    --build-dir) build=$2; shift 2 ;;
    --no-build) do_build=0; shift ;;
    -h|--help) sed -n '2,14p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
    esac
done

if [ $do_build = 1 ]; then
    [ -f "$build/CMakeCache.txt" ] || nice -n 19 cmake --preset fuzz -B "$build" >/dev/null
    nice -n 19 cmake --build "$build" --target fuzz -j 2 >/dev/null
fi
if [ ${#targets[@]} -eq 0 ]; then
    for bin in "$build"/fuzz/fuzz_*; do
        [ -f "$bin" ] && [ -x "$bin" ] && targets+=("$(basename "$bin")")
    done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/fuzz-logs" "$build/fuzz-artifacts"
status=0
for target in "${targets[@]}"; do
    corpus=$build/fuzz-corpus/$target
    seeds=$source/fuzz/seeds/$target
    log=$build/fuzz-logs/$target.log
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -runs="$runs" -timeout="$timeout" -rss_limit_mb=2048
             -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-")
    [ -f "$source/fuzz/dicts/$target.dict" ] && options+=(-dict="$source/fuzz/dicts/$target.dict")
    dirs=("$corpus")
    [ -d "$seeds" ] && dirs+=("$seeds")
    if nice -n 19 "$build/fuzz/$target" "${options[@]}" "${dirs[@]}" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
    printf '%-18s %-6s runs %-9s in %4s s  peak RSS %4s MB  corpus %s files (%s seeds)\n' "$target" "$result" \
        "$(stat number_of_executed_units)" "$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")" \
        "$(stat peak_rss_mb)" \
        "$(find "$corpus" -type f | wc -l)" "$( [ -d "$seeds" ] && find "$seeds" -type f | wc -l || echo 0)"
    if [ $result = FAILED ]; then
        grep -E -A 30 "ERROR:|property broken|runtime error|deadly signal|Timeout|out-of-memory" "$log" |
            head -60 >&2 || tail -40 "$log" >&2
    fi
done
exit $status
