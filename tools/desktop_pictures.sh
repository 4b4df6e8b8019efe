#!/usr/bin/env bash
# Pictures of every desktop window of velint, each cropped to its window, taken on a private Xvfb
# with the desktop tests' harness. The manual's pictures doc/images/desktop_{message_box,input_box,
# edit_box,list_box,debugger}.png are copies of five of them.
# Usage: tools/desktop_pictures.sh [BUILD_DIR [OUT_DIR]]
# (defaults: build/linux and BUILD_DIR/desktop-artifacts); the pictures land in OUT_DIR/desktop_pictures.
set -uo pipefail
source "$(dirname "$0")/../tests/desktop/desktop_harness.sh"

build=$(realpath "${1:-build/linux}")
VELINT=$build/velint
[[ -x $VELINT && -f $build/libvelmish_gtk.so ]] || fail "no velint and libvelmish_gtk.so in $build"
out=$(realpath -m "${2:-$build/desktop-artifacts}")
state=$(mktemp -d)
mkdir -p "$state/logs"
start_xvfb "$state"
# enter_artifacts arms the exit trap that ends the program; Xvfb goes with it here.
enter_artifacts "$out"
trap 'end_test; stop_xvfb "$state"; rm -rf "$state"' EXIT

# Waits for a window, lets it draw and keeps a picture of it alone.
picture() {
    wait_window "$1"
    wait_painted "$WINDOW"
    # GTK may draw a new window in more than one pass.
    sleep 0.3
    import -window "$WINDOW" "$ARTIFACTS/$2.png" || fail "picture $2 failed"
    note "picture $2: $(identify -format '%wx%h' "$ARTIFACTS/$2.png")"
}

write_script pictures.vl \
    "MSGBOX 'Backup', 'Copy the reports to the backup folder now?', '36'" \
    "INPUTBOX [name] = 'Velmish Input', 'Your name?', 'Ada'" \
    "EDITBOX [notes] = 'Notes', 'Reports copied: 12'#[new_line]#'Folders made: 2'#[new_line]#'Next backup: Monday', 'editable'" \
    "EDITBOX [log] = 'Log', 'Read-only: the text can be selected and copied, not changed.', 'readonly'" \
    "LISTBOX [fruit] = 'Pick one', 'apple|pear|plum|cherry|quince|apricot'" \
    "INFOBOX 'Copying the reports...', 'show'" \
    "WAIT '2000'" \
    "INFOBOX '', 'hide'" \
    "OPENBOX [file] = 'Velmish Open', 'Text files|*.txt'" \
    "DEBUGVARS [name], [fruit], [total]" \
    "DEBUGMODE STEP" \
    "LET [total] = '12'" \
    "ECHO [name]#' picked '#[fruit]"
start_program env VL_UI=desktop "$VELINT" pictures.vl

picture "Backup" desktop_message_box
answer_window Return
picture "Velmish Input" desktop_input_box
answer_window Return
picture "Notes" desktop_edit_box
press_keys "$WINDOW" Escape
wait_window_gone "$WINDOW"
picture "Log" desktop_edit_box_read_only
press_keys "$WINDOW" Escape
wait_window_gone "$WINDOW"
picture "Pick one" desktop_list_box
answer_window Down Return
# Alone on the screen during the WAIT: without a window manager nothing keeps it above others.
picture "Velmish Info" desktop_info_box
picture "Velmish Open" desktop_open_box
answer_window Escape
picture "Velmish Debug :: Step Mode" desktop_debugger
press_keys "$WINDOW" alt+h
expect_exit 0
note "pictures in $ARTIFACTS"
