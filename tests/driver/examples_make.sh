#!/bin/sh
# tests/driver/examples_make.sh
# The example's makefile as a user runs it: the first make builds and
# checks the driver, a second does nothing, and touching a header the
# dependency file names makes it build again.
#
# Usage: examples_make.sh <build dir> <source root>
build=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/examples" "$work/examples"
rm -rf "$work/examples/out"
run_make() {
    make -C "$work/examples" ZRSPREPRO="$build/src/zrsprepro" KORVATDIR="$build" \
        RUNTIME="$root/tests/runtime" > "$work/make.log" 2>&1
}
fail() { echo "$1"; cat "$work/make.log"; exit 1; }

run_make || fail "first make failed"
[ -f "$work/examples/out/demo.checked" ] || fail "no checked driver"
[ -f "$work/examples/out/demo.d" ] || fail "no dependency file"
run_make || fail "second make failed"
grep -q "Nothing to be done" "$work/make.log" || fail "second make rebuilt something"
sleep 1
touch "$work/examples/demo.h"
run_make || fail "make after touching demo.h failed"
grep -q "zrsprepro" "$work/make.log" || fail "touching demo.h rebuilt nothing"
echo ok
