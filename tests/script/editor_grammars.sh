#!/bin/sh
# tests/script/editor_grammars.sh
# The editor grammars know every keyword of the scanner's table, so that a
# keyword added to the language cannot be forgotten there, and the
# TextMate grammar is valid JSON.
#
# Usage: editor_grammars.sh <source root>
root=$1
vim=$root/editors/vim/syntax/pts.vim
textmate=$root/editors/textmate/pts.tmLanguage.json
status=0
python3 -m json.tool "$textmate" >/dev/null || { echo "$textmate: not JSON"; status=1; }
for word in $(sed -n 's/^KEYWORD("\([A-Z_]*\)".*/\1/p' "$root/src/script/keywords.def"); do
    grep -E "^syn keyword " "$vim" | grep -qw "$word" ||
        { echo "vim syntax lacks $word"; status=1; }
    grep -E '"match": "\\\\b\(' "$textmate" | grep -qE "[(|]$word[|)]" ||
        { echo "TextMate grammar lacks $word"; status=1; }
done
exit $status
