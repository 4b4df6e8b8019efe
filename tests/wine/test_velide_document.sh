#!/usr/bin/env bash
# The editor's documents: a script named on the command line opens coloured with "1:1" in the
# position panel; Quit of a changed document asks (Yes/No, No by default) and No keeps the window;
# New asks to discard; Tab types a tab; Save of an unnamed document asks for a name, appends ".vl"
# and writes CR LF line ends; Save As keeps the undo history and asks before replacing another
# file; logging off asks as Quit does; Quit of a saved document ends the program without a question.
# Usage: test_velide_document.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"

# Counts the pixels of one colour in a rectangle of the last full-screen screenshot SHOT.
count_colour() {
    local shot=$1 geometry=$2 colour=$3
    convert "$ARTIFACTS/$shot.png" -crop "$geometry" +repage txt:- | grep -ci "$colour"
}

write_script hello.vl "ECHO Hello" "REM done"
# The name given on the command line is made absolute, so Save writes there whatever folder the
# file dialogs show later.
start_velide "Velmish 4 - $(windows_path hello.vl)" hello.vl
probe_main 01-opened
[[ $(probe_text 2003) == "1:1" ]] || fail "the position panel shows \"$(probe_text 2003)\", expected 1:1"
[[ $(probe_text 2001) == 'ECHO Hello\r\nREM done\r\n' ]] || fail "the editor holds \"$(probe_text 2001)\""

# Where the editor's first two lines are on the screen: the client area lies at the bottom of the
# window rectangle, inside equal side borders; the editor starts below the 25-pixel toolbar.
read -r wx wy ww wh cw ch < <(sed -n 's/^window .*rect=\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\) client=\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4 \5 \6/p' "$PROBE" | head -n 1)
border=$(((ww - cw) / 2))
left=$((wx + border + 4)) top=$((wy + wh - border - ch + 25 + 2))
# The editor may still be drawing on a busy machine: screenshots are taken until the colours show.
deadline=$((SECONDS + PAINT_DEADLINE))
while :; do
    screenshot 01-opened
    navy=$(count_colour 01-opened "300x15+$left+$top" '#000080')
    green_first=$(count_colour 01-opened "300x15+$left+$top" '#008000')
    green_second=$(count_colour 01-opened "300x15+$left+$((top + 15))" '#008000')
    ((navy > 20 && green_first == 0 && green_second > 20)) && break
    ((SECONDS < deadline)) || break
    sleep 0.5
done
note "keyword colour pixels in line 1: $navy; comment colour in line 1: $green_first, in line 2: $green_second"
((navy > 20)) || fail "the keyword ECHO of line 1 is not drawn in the keyword colour (navy): $navy pixels"
((green_first == 0 && green_second > 20)) || fail "the comment colour (green) is not on line 2 alone"

type_text "$MAIN" "X"
press_keys "$MAIN" ctrl+q
answer_box "Velmish Builder" "Do you really want to quit without saving?" "Yes No" Return 02-quit-asks
sleep 0.5
program_running || fail "the editor ended although Quit was answered No"

press_keys "$MAIN" ctrl+n
answer_box "Velmish Builder" "Do you really want to dicard the current file without saving?" "Yes No" y 03-new-asks
wait_window "Velmish 4 - noname.vl"

type_text "$MAIN" "ECHO"
press_keys "$MAIN" Tab  # a tab character, not the next control
type_text "$MAIN" "one"
press_keys "$MAIN" Return
type_text "$MAIN" "ECHO two"
press_keys "$MAIN" ctrl+s
answer_save_dialog test 04-save-dialog
wait_window "Velmish 4 - $(windows_path test.vl)"
screenshot 05-saved
cmp -s test.vl <(printf 'ECHO\tone\r\nECHO two') || fail "test.vl holds $(od -c test.vl)"

# Save As keeps the undo history: Ctrl+Z takes back the last typing, never the whole text.
type_text "$MAIN" "X"
press_keys "$MAIN" alt+f a
answer_save_dialog again 06-save-as
wait_window "Velmish 4 - $(windows_path again.vl)"
press_keys "$MAIN" ctrl+z
probe_main 07-undone
[[ $(probe_text 2001) == $'ECHO\tone\\r\\nECHO two' ]] ||
    fail "Ctrl+Z after Save As left \"$(probe_text 2001)\" in the editor, expected the text before the X"

# Save As onto another existing file asks first; No keeps the file and the document as they were.
press_keys "$MAIN" alt+f a
answer_save_dialog test 08-save-as-existing
answer_box "Velmish Builder" "$(windows_path test.vl) already exists.\nDo you want to replace it?" "Yes No" Return \
    09-replace-asks
wait_window "Velmish 4 - $(windows_path again.vl)"
cmp -s test.vl <(printf 'ECHO\tone\r\nECHO two') || fail "test.vl was replaced though the question was answered No"

# Logging off with a changed document asks as Quit does; No keeps the editor and the session.
type_text "$MAIN" "Y"
timeout -k 2 60 "$WINE_LOADER" "$WINDOW_PROBE" --end-session TMain >"$ARTIFACTS/end-session.txt" 2>&1 </dev/null &
answer_box "Velmish Builder" "Do you really want to quit without saving?" "Yes No" Return 10-log-off-asks
wait $! || fail "window_probe could not ask the editor about the end of the session"
grep -q '^end-session=0' "$ARTIFACTS/end-session.txt" ||
    fail "the editor let the session end with a changed document: $(tr -d '\r' <"$ARTIFACTS/end-session.txt")"
program_running || fail "the editor ended though logging off was answered No"

press_keys "$MAIN" ctrl+s
press_keys "$MAIN" ctrl+q
expect_exit 0
