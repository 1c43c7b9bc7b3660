#!/bin/sh
# bench/script_whole_run.sh
# Whole runs of the compiler on generated clean scripts of 10k and 100k
# lines, with the script lines per second and the cost ratio of the two
# sizes, in two modes:
#   analysis    interface analysis of a small header, parse, semantic
#               analysis (-SPVGEN stops there: no generated source);
#   generation  the same followed by the TDC file, the trace description
#               and the driver source, whose size per script line is shown.
# The scripts come from bench/script_gen.py; each size runs RUNS times and
# the best wall time counts.  Last, both modes on a 100k script whose
# values texts all differ (the generator's "distinct"), the worst case.
# Usage: bench/script_whole_run.sh [build-dir] [runs]   (default: build 3)
set -eu
BUILD=${1:-build}
RUNS=${2:-3}
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$BUILD" && pwd)
BIN=$BUILD/src/zrsprepro
[ -x "$BIN" ] || { echo "build $BIN first (cmake --build $BUILD --target zrsprepro)"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

now_ms() { date +%s%N | cut -c1-13; }

best_ms() {   # script header mode-options...: the best wall time in ms
    script=$1 header=$2
    shift 2
    best=
    i=0
    while [ $i -lt "$RUNS" ]; do
        rm -f "$WORK"/out.*
        start=$(now_ms)
        status=0
        (cd "$WORK" && KORVATDIR=$BUILD "$BIN" "$script" "$header" out -NOLOG "$@" \
            >/dev/null 2>&1) || status=$?
        end=$(now_ms)
        if [ "$status" -ne 0 ]; then
            echo "run on $script ended with status $status (see $WORK/*.lis)" >&2
            cp "$WORK"/*.lis /tmp/ 2>/dev/null || true
            exit 1
        fi
        t=$((end - start))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
        i=$((i + 1))
    done
    echo "$best"
}

for size in 10000 100000; do
    lines=$(python3 "$HERE/script_gen.py" "$size" "$WORK/s$size.pts" "$WORK/bench.h")
    eval "lines_$size=$lines"
done

for mode in analysis generation; do
    echo "== $mode"
    for size in 10000 100000; do
        eval "lines=\$lines_$size"
        if [ "$mode" = analysis ]; then
            ms=$(best_ms "s$size.pts" bench.h -SPVGEN)
        else
            ms=$(best_ms "s$size.pts" bench.h)
        fi
        [ "$ms" -gt 0 ] || ms=1
        extra=
        if [ "$mode" = generation ]; then
            bytes=$(wc -c < "$WORK/out.cc")
            extra=", source $bytes bytes ($((bytes / lines)) per script line)"
        fi
        echo "$size: $lines lines in $ms ms: $((lines * 1000 / ms)) lines/s$extra"
        eval "ms_$size=$ms"
    done
    echo "100k/10k cost ratio: $(awk "BEGIN { printf \"%.2f\", $ms_100000 / $ms_10000 }")"
done

lines=$(python3 "$HERE/script_gen.py" 100000 "$WORK/d100000.pts" "$WORK/bench.h" distinct)
echo "== distinct values, 100000 lines"
ms=$(best_ms d100000.pts bench.h -SPVGEN)
echo "analysis: $lines lines in $ms ms: $((lines * 1000 / ms)) lines/s"
ms=$(best_ms d100000.pts bench.h)
echo "generation: $lines lines in $ms ms: $((lines * 1000 / ms)) lines/s"
