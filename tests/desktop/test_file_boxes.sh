#!/usr/bin/env bash
# OPENBOX with [OpenBox_MultiSel] set: two files chosen at once come back as the folder and the
# names joined by "|", as on Windows. SAVEBOX takes the name of a file that does not exist yet
# and creates no file.
# Usage: test_file_boxes.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

touch one.pair two.pair
write_script multi.vl \
    "LET [OpenBox_MultiSel] = '0'" \
    "OPENBOX [f] = 'Velmish Open Several', 'Pairs|*.pair'" \
    "WRITEFILE 'answers.txt', 'open '#[errorcode]#' '#[f]" \
    "SAVEBOX [s] = 'Velmish Save', 'Text files|*.txt'" \
    "WRITEFILE 'answers.txt', 'save '#[errorcode]#' '#[s]"
start_velint multi.vl

show_window "Velmish Open Several" 01-open
# The file list has the focus: Ctrl+A chooses both files, Enter opens them. The list fills
# after the window is drawn, so Ctrl+A waits a moment.
sleep 0.5
press_keys "$WINDOW" ctrl+a
sleep 0.3
screenshot 02-both-chosen
answer_window Return
show_window "Velmish Save" 03-save
type_text "$WINDOW" "report.txt" 60
screenshot 04-save-typed
# The name field looks for completions after each key; a Return that comes while it does, on a
# busy machine, is lost, so it waits a moment.
sleep 0.5
answer_window Return
expect_exit 0
expect_lines answers.txt "open 0 $ARTIFACTS|one.pair|two.pair" "save 0 $ARTIFACTS/report.txt"
[[ ! -e report.txt ]] || fail "SAVEBOX created report.txt"
