#!/bin/sh
# bench/whole_run.sh
# Whole-process runs of the compiler on a large set of interface headers,
# beside the C compiler's syntax check of the same headers.
#
# The compiler analyses a one-line script with zlib.h, sqlite3.h, a few C
# library headers and a dozen Linux UAPI headers as interface files,
# through the standard-define file for GNU/Linux and the system include
# directories.  Each command runs RUNS times; the best wall time (clock
# read around the run, in milliseconds) and the largest peak resident size
# are printed.  The peak comes from /usr/bin/time -v when it is installed,
# otherwise from a small getrusage wrapper built on the fly.
# Usage: bench/whole_run.sh [build-dir] [runs]   (default: build 5)
set -eu
BUILD=${1:-build}
RUNS=${2:-5}
BIN=$BUILD/src/zrsprepro
DEF=$BUILD/lib/gnu_linux.def
[ -x "$BIN" ] || { echo "build $BIN first (cmake --build $BUILD --target zrsprepro)"; exit 1; }
[ -f "$DEF" ] || { echo "$DEF missing: configure $BUILD again"; exit 1; }
BUILD=$(cd "$BUILD" && pwd)
BIN=$BUILD/src/zrsprepro
DEF=$BUILD/lib/gnu_linux.def
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

ARCH=$(gcc -print-multiarch)
GCCINC=$(gcc -print-file-name=include)
HEADERS="zlib.h sqlite3.h stdio.h stdlib.h string.h time.h sys/types.h
linux/types.h linux/if_ether.h linux/ip.h linux/ipv6.h linux/tcp.h linux/udp.h
linux/icmp.h linux/in.h linux/if_link.h linux/netlink.h linux/rtnetlink.h
linux/if_packet.h linux/can.h"

found=
for h in $HEADERS; do
    if [ -f "/usr/include/$h" ] || [ -f "/usr/include/$ARCH/$h" ]; then
        found="$found $h"
        echo "#include <$h>"
    else
        echo "skipping $h: not installed" >&2
    fi
done > "$WORK/all.c"
LIST=$(echo $found | tr ' ' ',')
echo 'HEADER "demo", "1.0", "2026"' > "$WORK/s.pts"

# peak command...: prints the peak resident size in kilobytes.
if [ -x /usr/bin/time ] && /usr/bin/time -v true 2>/dev/null; then
    peak() {
        /usr/bin/time -v -o "$WORK/time" "$@" >/dev/null 2>&1 || true
        sed -n 's/.*Maximum resident set size (kbytes): *//p' "$WORK/time"
    }
else
    cat > "$WORK/rusage.c" <<'EOF'
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
int main(int argc, char **argv)
{
    struct rusage use;
    int status;
    pid_t child;
    if (argc < 2)
        return 2;
    child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    waitpid(child, &status, 0);
    getrusage(RUSAGE_CHILDREN, &use);
    fprintf(stderr, "%ld\n", use.ru_maxrss);
    return 0;
}
EOF
    cc -O2 -o "$WORK/rusage" "$WORK/rusage.c"
    peak() {
        "$WORK/rusage" "$@" 2>"$WORK/time" >/dev/null || true
        tail -n 1 "$WORK/time"
    }
fi

best_of() {   # command...: best wall time (ms) and largest peak of RUNS runs
    best= top=0
    i=0
    while [ $i -lt "$RUNS" ]; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        t=$(( (end - start) / 1000000 ))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
        m=$(peak "$@")
        [ "$m" -gt "$top" ] && top=$m
        i=$((i + 1))
    done
    echo "$best $top"
}

cd "$WORK"
mkdir -p out
OURS="env KORVATDIR=$BUILD $BIN s $LIST out/drv -STD_DEFINE=$DEF -INCL=/usr/include,/usr/include/$ARCH,$GCCINC"
# One run to show what the compiler said about the headers.
$OURS >/dev/null 2>"$WORK/diagnostics" && status=0 || status=$?
echo "headers:$found"
echo "zrsprepro status $status; its diagnostics besides information:"
grep -v '^Korvat-I' "$WORK/diagnostics" || true
ours=$(best_of $OURS)
gnu=$(best_of g++ -fsyntax-only -x c "$WORK/all.c")
printf "%-28s %10s %12s\n" command wall_ms peak_kB
printf "%-28s %10s %12s\n" "zrsprepro (whole run)" ${ours% *} ${ours#* }
printf "%-28s %10s %12s\n" "g++ -fsyntax-only -x c" ${gnu% *} ${gnu#* }
