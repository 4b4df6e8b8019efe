#!/usr/bin/env bash
# The boxes of velint as GTK windows: a Yes/No box answered No gives 7; an input box typed into
# and confirmed hands back UTF-8; a list box choice; a file chooser given a typed path.
# Usage: test_boxes.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

touch chosen.txt
write_script boxes.vl \
    "MSGBOX 'Velmish Question', 'Go on with the test?', 'yesno'" \
    "WRITEFILE 'answers.txt', 'msgbox '#[errorcode]" \
    "INPUTBOX [a] = 'Velmish Input','Your name?','x'" \
    "WRITEFILE 'answers.txt', 'input <'#[a]#'>'" \
    "LISTBOX [c] = 'Velmish Pick', 'apple|pear|plum'" \
    "WRITEFILE 'answers.txt', 'list '#[c]" \
    "OPENBOX [f] = 'Velmish Open', 'Text files|*.txt|All files|*.*'" \
    "WRITEFILE 'answers.txt', 'open '#[errorcode]#' '#[f]"
start_velint boxes.vl

show_window "Velmish Question" 01-msgbox
answer_window alt+n
show_window "Velmish Input" 02-input
# The caret follows the default text, as on Windows: typing adds to it.
xdotool type --delay 20 "Grüße, Welt" || fail "xdotool could not type"
screenshot 02-input-typed
answer_window Return
show_window "Velmish Pick" 03-list
answer_window Down Return
show_window "Velmish Open" 04-open
# Typing opens the chooser's location field, in the current folder, where the script runs. A
# short name leaves its completion no time to race the keys.
xdotool type --delay 60 "chosen.txt" || fail "xdotool could not type"
screenshot 04-open-typed
answer_window Return
expect_exit 0
expect_lines answers.txt "msgbox 7" "input <xGrüße, Welt>" "list pear" "open 0 $ARTIFACTS/chosen.txt"
