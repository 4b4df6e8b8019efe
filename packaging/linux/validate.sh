#!/usr/bin/env bash
# Checks the desktop files of the Linux packages with their own validators: the desktop entries,
# the AppStream metainfo (as configured into GENERATED, the build's packaging folder) and the MIME
# type (well-formed, and read by update-mime-database without complaint).
# Usage: validate.sh GENERATED
set -euo pipefail
here=$(dirname "$0")
generated=${1:?usage: validate.sh GENERATED}

desktop-file-validate "$here"/*.desktop
report=$(appstreamcli validate --no-net "$generated"/*.metainfo.xml 2>&1) || { echo "$report" >&2; exit 1; }
xmllint --noout "$here/velmish.xml" "$here/velmish.svg"

# update-mime-database reports unknown elements and bad patterns on standard error.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/mime/packages"
cp "$here/velmish.xml" "$data/mime/packages/"
problems=$(XDG_DATA_DIRS=$data update-mime-database "$data/mime" 2>&1)
[[ -z $problems ]] || { echo "$problems" >&2; exit 1; }
grep -qx 'text/x-velmish:\*\.vl' "$data/mime/globs" || { echo "velmish.xml: no glob *.vl for text/x-velmish" >&2; exit 1; }
# With the editor and the runner installed, the desktop's cache lists the editor first: it is the
# default application for scripts, the runner stays under "Open With".
mkdir -p "$data/applications"
cp "$here"/*.desktop "$data/applications/"
update-desktop-database "$data/applications"
grep -qx 'text/x-velmish=org.velmish.Editor.desktop;org.velmish.Run.desktop;' "$data/applications/mimeinfo.cache" ||
    { echo "the editor is not the first application for text/x-velmish" >&2; exit 1; }
echo "desktop entries, metainfo and MIME type are valid"
