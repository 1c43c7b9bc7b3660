#!/bin/sh
# bench/decl_bench.sh <builddir>
# Interface analysis of the header corpus against "g++ -fsyntax-only -x c"
# on the same headers; prints both times and their ratio.
set -e
build=${1:-build-bench}
"$build/bench/decl_bench" --benchmark_format=csv 2>/dev/null |
awk -F, '/BM_AnalyseCorpus/ {a=$3} /BM_CompilerSyntaxOnly/ {g=$3}
         END { printf "analysis %.1f ms, g++ -fsyntax-only %.1f ms, ratio %.2f\n", a, g, a/g }'
