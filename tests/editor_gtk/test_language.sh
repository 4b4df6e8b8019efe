#!/usr/bin/env bash
# A velmish.lng beside the editor renames the Script menu, its Set [command] item and the dialog
# that item opens; the file is in Windows-1252, as the Windows editor's language files are, and
# GTK shows its words as UTF-8.
# Usage: test_language.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/editor_harness.sh"
begin_editor_test "$@"

# The editor looks for its data files beside itself: a copy of it with a language file of its own.
mkdir german
cp "$VELIDE" "$BUILD/velmish.syn" german/ || fail "cannot copy the editor"
printf 'Menu_Script=S&kript\r\nMenu_Script_SetCommand=&Befehl setzen\r\nDialog_SetCommand_Title=Befehl f\374r [command]\r\n' \
    >german/velmish.lng
EDITOR_PROGRAM=german/velide start_editor noname.vl

# The new mnemonics open the renamed menu and item.
press_keys "$EDITOR" alt+k
sleep 0.2
screenshot 01-skript-menu
press_keys "$EDITOR" b
show_window "Befehl für [command]" 02-befehl-dialog
answer_window Escape
quit_editor
