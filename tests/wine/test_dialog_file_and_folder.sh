#!/usr/bin/env bash
# The system's file dialogs and folder browser: OPENBOX opens in the current folder with the
# script's filter (description and pattern pairs) and a typed name gives the full path; with
# OpenBox_MultiSel "0" two typed names give the folder and both names joined by "|"; SAVEBOX
# cancelled gives the empty text and errorcode "-1"; FOLDERBOX opens on its start folder, which Return
# chooses (errorcode "0"); FOLDERBOX cancelled gives the empty text and errorcode "0".
# Usage: test_dialog_file_and_folder.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_dialog_test "$@"

touch one.txt two.txt three.txt other.dat
# Wine's folder browser may open on the desktop instead of a folder made a moment ago; listing the
# folder's parents first lets it find the folder.
ls "$ARTIFACTS" "$(dirname "$ARTIFACTS")" >/dev/null
write_script file_and_folder.vl \
    "OPENBOX [f] = 'Velmish Open','Text files|*.txt|All files|*.*'" \
    "LET [f_code] = [errorcode]" \
    "LET [OpenBox_MultiSel] = '0'" \
    "OPENBOX [m] = 'Velmish Open Many','Text files|*.txt'" \
    "LET [m_code] = [errorcode]" \
    "SAVEBOX [s] = 'Velmish Save','Text files|*.txt'" \
    "LET [s_code] = [errorcode]" \
    "FOLDERBOX [c] = 'Velmish Folder',[current]" \
    "LET [c_code] = [errorcode]" \
    "FOLDERBOX [d] = 'Velmish Folder',[current]" \
    "ECHO '<'#[f]#'>'#[f_code]#'|<'#[m]#'>'#[m_code]#'|<'#[s]#'>'#[s_code]#'|<'#[c]#'>'#[c_code]#'|<'#[d]#'>'#[errorcode]"
start_velint file_and_folder.vl
folder=$(windows_path "$ARTIFACTS")

# ---- One file, typed ----
wait_window "Velmish Open"
window=$WINDOW
# The filter's first description is the chosen file type.
DIALOG_CLASS="#32770" probe_windows 01-open-dialog
grep -q '^child class=ComboBox .* text=Text files$' "$PROBE" ||
    fail "the file type list does not show \"Text files\": $PROBE"
type_text "$window" "two.txt"
screenshot 01-open
press_keys "$window" Return
wait_window_gone "$window"

# ---- Several files ----
wait_window "Velmish Open Many"
window=$WINDOW
type_text "$window" '"one.txt" "three.txt"'
screenshot 02-open-many
press_keys "$window" Return
wait_window_gone "$window"

# ---- Save cancelled ----
show_dialog "Velmish Save" 03-save
press_keys "$WINDOW" Escape
wait_window_gone "$WINDOW"

# ---- Folder browser: Return takes the start folder the browser opened on ----
show_dialog "Browse for Folder" 04-folder
press_keys "$WINDOW" Return
wait_window_gone "$WINDOW"

# ---- Folder browser cancelled ----
show_dialog "Browse for Folder" 05-folder-cancel
press_keys "$WINDOW" Escape
wait_window_gone "$WINDOW"

read_echo 06-answers
expected="<$folder\\two.txt>0|<$folder|one.txt|three.txt>0|<>-1|<$folder>0|<>0"
[[ $ECHOED == "$expected" ]] || fail "the answers were \"$ECHOED\", expected \"$expected\""
expect_exit 0
