#!/usr/bin/env bash
# A script named on the command line opens coloured, with its full path in the title and the caret
# at 1:1. Typing is undone and redone (Ctrl+Z, Ctrl+Shift+Z) as one step, never the colouring
# or the loading, and Ctrl+S writes what the view holds. Quitting with changes asks first: No keeps
# the editor, Yes ends it without saving.
# Usage: test_editing.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/editor_harness.sh"
begin_editor_test "$@"

lines=("REM a script to edit" "LET [name] = 'world'" "IF [name] = 'world'" "  ECHO [name]" "ENDIF")
write_script edit.vl "${lines[@]}"
original=$(printf '%s\\r\\n' "${lines[@]}")
start_editor "$ARTIFACTS/edit.vl" edit.vl
screenshot 01-opened

# LET, IF, ECHO and ENDIF in bold navy: about 130 pixels at the editor's font size.
navy=$(keyword_pixels 02-editor)
note "$navy pixels in the keyword colour"
((navy > 60)) || fail "the keywords are not coloured: $navy pixels in navy"

# The position shown at the start is the one shown again after a trip to the end and back.
position_picture 03-position-start
press_keys "$EDITOR" ctrl+End
expect_position 04-position-end other 03-position-start
press_keys "$EDITOR" ctrl+Home
expect_position 05-position-back same 03-position-start

# The caret is on the empty last line: a keyword typed there, undone twice (the second undo finds
# nothing: the loaded text is not a step), saved, redone, saved.
press_keys "$EDITOR" ctrl+End
type_text "$EDITOR" HALT
screenshot 06-typed
press_keys "$EDITOR" ctrl+z ctrl+z
save_expecting edit.vl "$original"
screenshot 07-undone
press_keys "$EDITOR" ctrl+shift+z
save_expecting edit.vl "${original}HALT"
screenshot 08-redone

# A change not saved: Quit asks, No keeps the window and the text.
type_text "$EDITOR" X
press_keys "$EDITOR" ctrl+q
show_window "Velmish Builder" 09-quit-question
answer_window Return
window_shown "Velmish 4 - $ARTIFACTS/edit.vl" || fail "No to the quit question closed the editor"
program_running || fail "No to the quit question ended the editor"
quit_discarding
expect_bytes edit.vl "${original}HALT"
