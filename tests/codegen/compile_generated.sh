#!/bin/sh
# tests/codegen/compile_generated.sh
# The generated driver source must be C++: the source each generator golden
# case (tests/golden/codegen_*) wrote in a complete run (status 0, or 3
# with warnings) compiles against the stand-in runtime headers of
# tests/runtime, with and without the runtime's dynamic-following, debug
# and exception-handling switches.  Other golden cases test the interface
# analysis with headers that are wrong on purpose or need their run's
# -DEFINE and -INCL.
#
# Usage: compile_generated.sh <c++ compiler> <source root>
cxx=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
checked=0

# compiles $1 with the case folder $2 on the include path; the messages
# of a failure go to $work/messages
compiles() {
    for switches in "" "-DZRS_DYNFLW=1 -DZRK_SCENARIA_DEBUG -DZRK_HANDLE_EXCEPTION"; do
        # only errors count: string literals into the runtime's char
        # pointers are accepted by the target's compilers
        "$cxx" -std=c++17 -fsyntax-only -w $switches -I "$root/tests/runtime" \
            -I "$2" -x c++ "$1" > "$work/messages" 2>&1 || return 1
    done
    return 0
}

for case_dir in "$root"/tests/golden/codegen_*/*/; do
    read -r run_status < "$case_dir/expected/status"
    [ "$run_status" = 0 ] || [ "$run_status" = 3 ] || continue
    name=${case_dir#"$root"/tests/golden/}
    for source in $(cd "$case_dir/expected" && find . -name '*.cc' -o -name '*.c' -o -name '*.cpp'); do
        checked=$((checked + 1))
        if compiles "$case_dir/expected/$source" "$case_dir"; then
            echo "ok $name$source"
        else
            echo "FAILED $name$source"
            head -5 "$work/messages"
            status=1
        fi
    done
done
[ $checked -gt 0 ] || { echo "no generated source found"; status=1; }
exit $status
