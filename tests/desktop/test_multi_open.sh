#!/usr/bin/env bash
# OPENBOX with [OpenBox_MultiSel] set: two files chosen at once come back as the folder and the
# names joined by "|", as on Windows.
# Usage: test_multi_open.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

touch one.pair two.pair
write_script multi.vl \
    "LET [OpenBox_MultiSel] = '0'" \
    "OPENBOX [f] = 'Velmish Open Several', 'Pairs|*.pair'" \
    "WRITEFILE 'answers.txt', 'open '#[errorcode]#' '#[f]"
start_velint multi.vl

show_window "Velmish Open Several" 01-open
# The file list has the focus: Ctrl+A chooses both files, Enter opens them. The list fills
# after the window is drawn, so Ctrl+A waits a moment.
sleep 0.5
press_keys "$WINDOW" ctrl+a
sleep 0.3
screenshot 02-both-chosen
answer_window Return
expect_exit 0
expect_lines answers.txt "open 0 $ARTIFACTS|one.pair|two.pair"
