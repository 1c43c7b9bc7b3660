#!/bin/sh
# bench/script_whole_run.sh
# Whole runs of the compiler (interface analysis of a small header, parse,
# semantic analysis) on generated clean scripts of 10k and 100k lines, with
# the script lines per second and the cost ratio of the two sizes.
# The scripts come from bench/script_gen.py; each size runs RUNS times and
# the best wall time counts.  Runs use -SPVGEN, which stops after
# analysis (no generated source).
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

best_ms() {   # script header: the best wall time in milliseconds
    best=
    i=0
    while [ $i -lt "$RUNS" ]; do
        start=$(now_ms)
        status=0
        (cd "$WORK" && KORVATDIR=$BUILD "$BIN" "$1" "$2" out -SPVGEN -NOLOG \
            >/dev/null 2>&1) || status=$?
        end=$(now_ms)
        if [ "$status" -ne 0 ]; then
            echo "run on $1 ended with status $status (see $WORK/*.lis)" >&2
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
    ms=$(best_ms "s$size.pts" bench.h)
    [ "$ms" -gt 0 ] || ms=1
    echo "$size: $lines lines in $ms ms: $((lines * 1000 / ms)) lines/s"
    eval "ms_$size=$ms"
done
echo "100k/10k cost ratio: $(awk "BEGIN { printf \"%.2f\", $ms_100000 / $ms_10000 }")"
