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
# --timeout S   an input taking longer than S seconds is a hang (default 1). On a shared machine
#               a slow moment can pass for one: the input is then run again alone, and only if
#               it is slow again is it a hang; otherwise fuzzing goes on for the time left.
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
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
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

# A small quarantine keeps the resident size about the program's own.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:quarantine_size_mb=32}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/fuzz-logs" "$build/fuzz-artifacts"

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -1; }

# Runs one target; sets result, total_runs, peak_rss, notes.
fuzz_target() {
    local target=$1 bin=$build/fuzz/$1 corpus=$build/fuzz-corpus/$1 seeds=$source/fuzz/seeds/$1
    local log=$build/fuzz-logs/$1.log dirs options left=$seconds started took exit artifact replay part_runs part_rss
    mkdir -p "$corpus"
    dirs=("$corpus")
    [ -d "$seeds" ] && dirs+=("$seeds")
    result=ok total_runs=0 peak_rss=0 notes=""
    : >"$log"
    while [ "$left" -gt 0 ]; do
        options=(-max_total_time="$left" -runs="$runs" -timeout="$timeout" -rss_limit_mb=2048
                 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-")
        [ -f "$source/fuzz/dicts/$target.dict" ] && options+=(-dict="$source/fuzz/dicts/$target.dict")
        started=$(date +%s)
        if nice -n 19 "$bin" "${options[@]}" "${dirs[@]}" >"$log.part" 2>&1; then exit=0; else exit=1; fi
        took=$(($(date +%s) - started))
        cat "$log.part" >>"$log"
        part_runs=$(stat number_of_executed_units "$log.part")
        part_rss=$(stat peak_rss_mb "$log.part")
        total_runs=$((total_runs + ${part_runs:-0}))
        [ "${part_rss:-0}" -gt "$peak_rss" ] && peak_rss=$part_rss
        [ $exit = 0 ] && break
        artifact=$(sed -n "s/.*Test unit written to \(.*timeout-[0-9a-f]*\)$/\1/p" "$log.part" | tail -1)
        if [ -z "$artifact" ]; then
            result=FAILED
            break
        fi
        # Slow once under load, or slow every time?
        replay=$("$bin" -timeout="$((timeout * 10))" "$artifact" 2>&1 |
            sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p' | tail -1)
        if [ -z "$replay" ] || [ "$replay" -ge $((timeout * 1000)) ]; then
            result=FAILED
            notes="$notes hang: ${replay:-?} ms alone;"
            break
        fi
        notes="$notes a slow moment ($replay ms alone);"
        rm -f "$artifact"
        left=$((left - took))
        [ "$runs" -gt 0 ] && [ "$total_runs" -ge "$runs" ] && break
    done
    rm -f "$log.part"
}

status=0
for target in "${targets[@]}"; do
    fuzz_target "$target"
    [ $result = ok ] || status=1
    seeds=$source/fuzz/seeds/$target
    # Resident size when the corpus was loaded, half way and at the end: growth shows as a rise.
    rss=$(grep -o 'rss: [0-9]*Mb' "$build/fuzz-logs/$target.log" | grep -o '[0-9]*' |
        awk '{ v[NR] = $1 } END { if (NR) printf "%s/%s/%s", v[1], v[int((NR + 1) / 2)], v[NR] }')
    printf '%-18s %-6s runs %-9s RSS %-11s MB (peak %s)  corpus %s files (%s seeds)%s\n' "$target" "$result" \
        "$total_runs" "$rss" "$peak_rss" "$(find "$build/fuzz-corpus/$target" -type f | wc -l)" \
        "$( [ -d "$seeds" ] && find "$seeds" -type f | wc -l || echo 0)" "${notes:+ -$notes}"
    if [ $result = FAILED ]; then
        grep -E -A 30 "ERROR:|property broken|runtime error|deadly signal|Timeout|out-of-memory" \
            "$build/fuzz-logs/$target.log" | head -60 >&2 || tail -40 "$build/fuzz-logs/$target.log" >&2
    fi
done
exit $status
