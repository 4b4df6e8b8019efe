#!/usr/bin/env bash
# OPEN with the desktop front end hands files and addresses to the desktop's default application:
# a private set of desktop settings names a test opener for text files and for "velmish-test:"
# addresses. A file and an address opened give 42, a missing file 2, a document no application
# takes 31; the opener gets the file's full path and the address as it was given.
# Usage: test_open.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

export XDG_DATA_HOME=$ARTIFACTS/data XDG_CONFIG_HOME=$ARTIFACTS/config
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
cat >opener.sh <<EOF
#!/bin/sh
echo "\$1" >>"$ARTIFACTS/opened.txt"
EOF
chmod +x opener.sh
cat >"$XDG_DATA_HOME/applications/velmish-opener.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Velmish Test Opener
Exec=$ARTIFACTS/opener.sh %u
MimeType=text/plain;x-scheme-handler/velmish-test;
EOF
cat >"$XDG_CONFIG_HOME/mimeapps.list" <<'EOF'
[Default Applications]
text/plain=velmish-opener.desktop
x-scheme-handler/velmish-test=velmish-opener.desktop
EOF
echo "a note" >note.txt

write_script open.vl \
    "OPEN 'note.txt'" \
    "WRITEFILE 'answers.txt', 'file '#[errorcode]" \
    "OPEN 'velmish-test:hello'" \
    "WRITEFILE 'answers.txt', 'address '#[errorcode]" \
    "OPEN 'missing.txt'" \
    "WRITEFILE 'answers.txt', 'missing '#[errorcode]" \
    "OPEN 'nobody-takes:this'" \
    "WRITEFILE 'answers.txt', 'unknown '#[errorcode]"
start_velint open.vl
expect_exit 0
expect_lines answers.txt "file 42" "address 42" "missing 2" "unknown 31"

# The opener runs on its own; the script does not wait for it.
deadline=$((SECONDS + WINDOW_DEADLINE))
until [[ $(wc -l <opened.txt 2>/dev/null) -ge 2 ]]; do
    ((SECONDS < deadline)) || fail "the opener did not get both documents: $(cat opened.txt 2>/dev/null)"
    sleep 0.05
done
sort opened.txt >opened.sorted
expect_lines opened.sorted "$ARTIFACTS/note.txt" "velmish-test:hello"
