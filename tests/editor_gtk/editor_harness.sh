# shellcheck shell=bash
# Shared functions of the Linux editor's tests: velide started on the desktop tests' display, its
# main window, the bytes it saves and what its screenshots show.
# shellcheck source=../desktop/desktop_harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/../desktop/desktop_harness.sh"

# Takes the build folder and the artifacts root; the desktop's recent files and settings stay in
# the artifacts, away from the user's own.
begin_editor_test() {
    begin_test "$@"
    VELIDE=$BUILD/velide
    [[ -x $VELIDE ]] || fail "no velide in $BUILD"
    export XDG_DATA_HOME=$ARTIFACTS/data XDG_CONFIG_HOME=$ARTIFACTS/config
}

# Starts an editor (VELIDE unless EDITOR_PROGRAM names another copy) and waits for its main window
# showing the document; sets EDITOR to it. Usage: start_editor DOCUMENT_CAPTION [SCRIPT]
start_editor() {
    local caption=$1
    shift
    start_program "${EDITOR_PROGRAM:-$VELIDE}" "$@"
    wait_window "Velmish 4 - $caption"
    wait_painted "$WINDOW"
    EDITOR=$WINDOW
}

# Waits until the editor has written a file: saving writes a new file and renames it over the old
# one, so the file gets another inode. Usage: wait_replaced FILE INODE_BEFORE (empty: none before)
wait_replaced() {
    local deadline=$((SECONDS + EXIT_DEADLINE))
    until [[ -e $1 && $(stat -c %i "$1") != "$2" ]]; do
        ((SECONDS < deadline)) || fail "the editor did not write $1 within ${EXIT_DEADLINE}s"
        sleep 0.05
    done
}

# Checks that a file holds exactly the given bytes (a printf format and its arguments).
expect_bytes() {
    local file=$1
    shift
    # shellcheck disable=SC2059
    printf "$@" >"$file.expected"
    cmp -s "$file" "$file.expected" || fail "$file holds:
$(od -c "$file" 2>&1 | head -8)
expected:
$(od -c "$file.expected" | head -8)"
    note "$file holds the expected $(stat -c %s "$file") bytes"
}

# Saves with Ctrl+S and checks the bytes written. Usage: save_expecting FILE FORMAT [ARGS...]
save_expecting() {
    local file=$1 before
    before=$(stat -c %i "$file" 2>/dev/null)
    press_keys "$EDITOR" ctrl+s
    wait_replaced "$file" "$before"
    expect_bytes "$@"
}

# Quits with Ctrl+Q; a document without changes closes at once.
quit_editor() {
    press_keys "$EDITOR" ctrl+q
    expect_exit 0
}

# Quits with Ctrl+Q, answering Yes (drop the changes) to the question it asks.
quit_discarding() {
    press_keys "$EDITOR" ctrl+q
    show_window "Velmish Builder" quit-question
    answer_window alt+y
    expect_exit 0
}

# Keeps a screenshot of the main window alone and prints how many of its pixels below the menu bar
# and toolbar (70 pixels) have velmish.syn's keyword colour, navy (#000080).
keyword_pixels() {
    local shot=$ARTIFACTS/$1.png
    import -window "$EDITOR" "$shot" || fail "screenshot $1 failed"
    convert "$shot" -crop +0+70 +repage -fill white +opaque '#000080' -fill black -opaque '#000080' \
        -format '%[fx:round((1-mean)*w*h)]' info:
}

# Keeps a picture of the status bar's caret position (the left of the window's last 24 rows).
position_picture() {
    local height
    height=$(xwininfo -id "$EDITOR" | awk '/Height:/ { print $2 }')
    import -window "$EDITOR" -crop "90x24+0+$((height - 24))" +repage "$ARTIFACTS/$1.png" ||
        fail "screenshot $1 failed"
}

# Takes pictures of the caret position until it is the same as (or other than) a kept one.
# Usage: expect_position NAME same|other KEPT
expect_position() {
    local deadline=$((SECONDS + PAINT_DEADLINE)) difference
    while :; do
        position_picture "$1"
        difference=$(compare -metric AE "$ARTIFACTS/$1.png" "$ARTIFACTS/$3.png" null: 2>&1)
        [[ $2 == same && $difference == 0 || $2 == other && $difference != 0 ]] && return 0
        ((SECONDS < deadline)) || fail "the caret position in $1.png is not $2 (against $3.png)"
        sleep 0.05
    done
}
