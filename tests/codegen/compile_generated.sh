#!/bin/sh
# tests/codegen/compile_generated.sh
# The generated driver source must be C++: the source each golden case
# wrote in a complete run (status 0, or 3 with warnings) compiles against
# the stand-in runtime headers of tests/runtime and the case's interface
# headers, seen as the run saw them (its -DEFINE names, -INCL folders and
# standard-define file), with and without the runtime's dynamic-following,
# debug and exception-handling switches.  A case whose headers are wrong on
# purpose says so in a file "compile_skip".
#
# Usage: compile_generated.sh <c++ compiler> <source root>
cxx=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
checked=0

# the compiler options of the run in case folder $1: -D per -DEFINE name,
# -I per -INCL folder, -include for the standard-define file
case_options() {
    while read -r arg; do
        case $arg in
        -DEFINE=*) for d in $(echo "${arg#-DEFINE=}" | tr ',' ' '); do
                       printf ' -D%s' "$d"; done ;;
        -INCL=*) for d in $(echo "${arg#-INCL=}" | tr ',' ' '); do
                     printf ' -I%s' "$1/$d"; done ;;
        -STD_DEFINE=*) f=$1/${arg#-STD_DEFINE=}
                       # the run added its suffix (.def, or ZRS_DEF's)
                       [ -f "$f" ] || f=$(ls "$f".* 2>/dev/null | head -1)
                       printf ' -include %s' "$f" ;;
        esac
    done < "$1/cmd"
}

# compiles $1 for the case folder $2; the messages of a failure go to
# $work/messages
compiles() {
    options=$(case_options "$2")
    for switches in "" "-DZRS_DYNFLW=1 -DZRK_SCENARIA_DEBUG -DZRK_HANDLE_EXCEPTION"; do
        # only errors count: string literals into the runtime's char
        # pointers are accepted by the target's compilers
        "$cxx" -std=c++17 -fsyntax-only -w $switches $options -I "$root/tests/runtime" \
            -I "$2" -x c++ "$1" > "$work/messages" 2>&1 || return 1
    done
    return 0
}

for case_dir in "$root"/tests/golden/*/*/; do
    [ -f "$case_dir/expected/status" ] && [ ! -f "$case_dir/compile_skip" ] || continue
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
