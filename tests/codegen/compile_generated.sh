#!/bin/sh
# tests/codegen/compile_generated.sh
# The generated driver source must be C++: compiles, against the stand-in
# runtime headers of tests/runtime, the source of every clean golden case
# of the source layout, each twice (with and without the dynamic-following
# and debug switches of the runtime).
#
# Two sources per case: the expected one, as the compiler writes it, and
# one written by the srcgen tool from the same command line with every
# entry numbered (so that no two units share an identifier, whatever the
# side-file writers allot).  A case holding a file "compile_pending" is
# expected not to compile as written yet (the file says why); once it
# does, the check fails so that the marker is removed.
#
# Usage: compile_generated.sh <c++ compiler> <source root> <srcgen>
cxx=$1
root=$2
srcgen=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
checked=0

# compiles $1 with the case folder $2 on the include path; the messages
# of a failure go to $work/messages
compiles() {
    for switches in "" "-DZRS_DYNFLW=1 -DZRK_SCENARIA_DEBUG"; do
        # only errors count: string literals into the runtime's char
        # pointers are accepted by the target's compilers
        "$cxx" -std=c++17 -fsyntax-only -w $switches -I "$root/tests/runtime" \
            -I "$2" -x c++ "$1" > "$work/messages" 2>&1 || return 1
    done
    return 0
}

report() {
    echo "FAILED $1"
    head -5 "$work/messages"
    status=1
}

for case_dir in "$root"/tests/golden/codegen_source/*/; do
    name=$(basename "$case_dir")
    read -r run_status < "$case_dir/expected/status"
    [ "$run_status" = 0 ] || [ "$run_status" = 3 ] || continue
    for source in $(cd "$case_dir/expected" && find . -name '*.cc' -o -name '*.c' -o -name '*.cpp'); do
        checked=$((checked + 1))
        if compiles "$case_dir/expected/$source" "$case_dir"; then
            if [ -f "$case_dir/compile_pending" ]; then
                echo "UNEXPECTED PASS $name/$source: remove $name/compile_pending"
                status=1
            else
                echo "ok $name/$source"
            fi
        elif [ -f "$case_dir/compile_pending" ]; then
            echo "pending $name/$source: $(head -1 "$case_dir/compile_pending")"
        else
            report "$name/$source"
        fi
        # the same command line with numbered entries
        rm -rf "$work/case" && cp -r "$case_dir" "$work/case" && rm -rf "$work/case/expected"
        args=$(cat "$case_dir/cmd" | tr '\n' ' ')
        if ! (cd "$work/case" && "$srcgen" $args > "$work/messages" 2>&1); then
            report "$name/$source (srcgen)"
        elif compiles "$work/case/$source" "$work/case"; then
            echo "ok $name/$source (numbered)"
        else
            report "$name/$source (numbered)"
        fi
    done
done
[ $checked -gt 0 ] || { echo "no generated source found"; status=1; }
exit $status
