#!/usr/bin/env bash
# The boxes of velint as GTK windows: a Yes/No box answered No gives 7; an input box typed into
# and confirmed hands back UTF-8; a list box choice; a file chooser given a typed path; a folder
# chooser given a typed path.
# Usage: test_boxes.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

mkdir -p picked && touch picked/chosen.txt
write_script boxes.vl \
    "MSGBOX 'Velmish Question', 'Go on with the test?', 'yesno'" \
    "WRITEFILE 'answers.txt', 'msgbox '#[errorcode]" \
    "INPUTBOX [a] = 'Velmish Input','Your name?','x'" \
    "WRITEFILE 'answers.txt', 'input <'#[a]#'>'" \
    "LISTBOX [c] = 'Velmish Pick', 'apple|pear|plum'" \
    "WRITEFILE 'answers.txt', 'list '#[c]" \
    "OPENBOX [f] = 'Velmish Open', 'Text files|*.txt|All files|*.*'" \
    "WRITEFILE 'answers.txt', 'open '#[errorcode]#' '#[f]" \
    "FOLDERBOX [d] = 'Velmish Folder', [current]" \
    "WRITEFILE 'answers.txt', 'folder '#[errorcode]#' '#[d]"
start_velint boxes.vl

show_window "Velmish Question" 01-msgbox
answer_window alt+n
show_window "Velmish Input" 02-input
# The caret follows the default text, as on Windows: typing adds to it.
# xdotool types ü and ß through one spare key it maps to each in turn; the pause lets GTK read a
# key before the next character maps it anew.
type_text "$WINDOW" "Grüße, Welt" 150
screenshot 02-input-typed
answer_window Return
show_window "Velmish Pick" 03-list
answer_window Down Return
show_window "Velmish Open" 04-open
# Ctrl+L opens the chooser's location field; the whole path is typed there.
press_keys "$WINDOW" ctrl+l
type_text "$WINDOW" "$ARTIFACTS/picked/chosen.txt" 60
sleep 0.3
screenshot 04-open-typed
answer_window Return
show_window "Velmish Folder" 05-folder
press_keys "$WINDOW" ctrl+l
type_text "$WINDOW" "$ARTIFACTS/picked" 60
sleep 0.3
screenshot 05-folder-typed
answer_window Return
expect_exit 0
expect_lines answers.txt "msgbox 7" "input <xGrüße, Welt>" "list pear" "open 0 $ARTIFACTS/picked/chosen.txt" \
    "folder 0 $ARTIFACTS/picked"
