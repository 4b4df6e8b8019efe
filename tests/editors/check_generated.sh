#!/usr/bin/env bash
# Fails when the committed editor files differ from what the generator writes from today's tables.
#   check_generated.sh GENERATOR SOURCE_DIR
set -euo pipefail
generator=$1 editors=$2/editors
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$generator" "$scratch"
status=0
for file in vscode/syntaxes/velmish.tmLanguage.json gtksourceview/velmish.lang keywords.txt; do
    diff -u "$editors/$file" "$scratch/$file" || status=1
done
if ((status)); then
    echo "The editor files are out of date with the keyword and command tables. Regenerate them with"
    echo "  cmake --build --preset linux --target editor_files"
    echo "and commit the files under editors/."
fi
exit $status
