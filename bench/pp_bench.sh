#!/bin/sh
# bench/pp_bench.sh
# Preprocessor speed against GNU cpp on the system headers.
#
# Builds a corpus that includes every /usr/include/*.h and
# /usr/include/linux/*.h header cpp accepts, ROUNDS times over (each round
# #undefs the header's include guard first, so the header is read again),
# then times ppdump and cpp on 1, 2 and 4 times that corpus (best of 3)
# and prints output sizes, times and the ratio.
# Usage: bench/pp_bench.sh [build-dir] [rounds]   (default: build 4)
set -eu
BUILD=${1:-build}
ROUNDS=${2:-4}
PPDUMP=$BUILD/tests/ppdump
[ -x "$PPDUMP" ] || { echo "build $PPDUMP first (cmake --build $BUILD --target ppdump)"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
GCCINC=$(cpp -print-file-name=include)
ARCH=$(cpp -print-multiarch)
OPTS="-I$GCCINC -I/usr/include/$ARCH -I/usr/include -D__x86_64__=1 -D__linux__=1 -D__LP64__=1 -D__CHAR_BIT__=8"
GNU="cpp -undef -nostdinc -U__STDC_HOSTED__ -U__STDC_UTF_16__ -U__STDC_UTF_32__ -U__STDC_VERSION__ -DZRK_LINUX=1 -DUSE_ZRS=1 -DZRK_CPLUSPLUS_LANGUAGE=1"

# One round: each accepted header, its guard undefined first.
for h in /usr/include/*.h /usr/include/linux/*.h; do
    $GNU $OPTS "$h" >/dev/null 2>&1 || continue
    guard=$(sed -n 's/^#[ \t]*ifndef[ \t]\{1,\}\([A-Za-z_][A-Za-z0-9_]*\).*/\1/p' "$h" | head -n 1)
    [ -n "$guard" ] && echo "#undef $guard"
    echo "#include \"$h\""
done > "$WORK/round.h"

make_corpus() {   # $1 = number of rounds
    i=0; : > "$WORK/corpus$1.c"
    while [ $i -lt "$1" ]; do cat "$WORK/round.h" >> "$WORK/corpus$1.c"; i=$((i + 1)); done
}

best_time() {   # command...; prints the best wall time of 3 runs in seconds
    best=
    for _ in 1 2 3; do
        start=$(date +%s.%N)
        "$@" > "$WORK/out" 2>/dev/null || true
        end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc)
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t; fi
    done
    echo "$best"
}

printf "%-8s %12s %12s %10s %10s %7s\n" rounds ours_bytes cpp_bytes ours_s cpp_s ratio
for scale in 1 2 4; do
    n=$((ROUNDS * scale))
    make_corpus $n
    ours=$(best_time "$PPDUMP" $OPTS "$WORK/corpus$n.c")
    ours_bytes=$(wc -c < "$WORK/out")
    gnu=$(best_time $GNU $OPTS "$WORK/corpus$n.c")
    gnu_bytes=$(wc -c < "$WORK/out")
    printf "%-8s %12s %12s %10.3f %10.3f %7.2f\n" "$n" "$ours_bytes" "$gnu_bytes" \
        "$ours" "$gnu" "$(echo "$ours / $gnu" | bc -l)"
done
