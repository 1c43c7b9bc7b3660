#!/bin/sh
# tests/driver/manual_page.sh
# The manual page renders without a groff warning and names every option
# of the command-line table and every environment variable the program
# reads, so that one added later cannot be forgotten there.
#
# Usage: manual_page.sh <source root>
root=$1
page=$root/doc/zrsprepro.1
status=0
if command -v groff >/dev/null 2>&1; then
    warnings=$(groff -ww -z -man "$page" 2>&1)
    [ -z "$warnings" ] || { echo "groff: $warnings"; status=1; }
else
    echo "groff not installed: rendering not checked"
fi
for name in $(sed -n 's/^\(OPTION\|SWITCH\)(\([A-Z_]*\),.*/\2/p' "$root/src/driver/options.def"); do
    grep -q "^\.B.* \\\\-$name\b" "$page" || { echo "option -$name missing"; status=1; }
done
# variables read anywhere, and the driver's suffix variables ("ZRS_...")
variables=$( (grep -rhoE 'getenv(_copy)?\("[A-Z_]+"' "$root/src"
              grep -rhoE '"ZRS_[A-Z]+"' "$root/src/driver") |
            grep -oE '"[A-Z_]+"' | tr -d '"' | sort -u)
for name in $variables; do
    grep -q "^\.BR\? .*$name" "$page" || { echo "variable $name missing"; status=1; }
done
exit $status
