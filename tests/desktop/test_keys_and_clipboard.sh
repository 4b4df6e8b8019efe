#!/usr/bin/env bash
# SENDKEYS types into the text field of another program's window through XTest, capitals,
# punctuation and Enter included; a key pushed down by "#NNN" is released when SENDKEYS ends; a
# missing window gives errorcode -1. A text put on the clipboard is read back by xclip while the
# program owns it, and again after the program has ended, from the clipboard manager it was
# handed to (bare Xvfb has none, so the test runs a small one, clipboard_keeper).
# Usage: test_keys_and_clipboard.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

keeper_out=$ARTIFACTS/clipboard_keeper.txt
"${VELMISH_CLIPBOARD_KEEPER:?}" >"$keeper_out" 2>"$ARTIFACTS/clipboard_keeper.log" </dev/null &
keeper_pid=$!
target_out=$ARTIFACTS/key_target.txt
"${VELMISH_KEY_TARGET:?}" >"$target_out" 2>"$ARTIFACTS/key_target.log" </dev/null &
target_pid=$!
trap 'status=$?; kill "$target_pid" "$keeper_pid" 2>/dev/null; (exit $status); end_test' EXIT
for _ in {1..50}; do
    [[ $(cat "$keeper_out") == ready ]] && break
    kill -0 "$keeper_pid" 2>/dev/null || fail "clipboard_keeper ended: $(cat "$ARTIFACTS/clipboard_keeper.log")"
    sleep 0.1
done
[[ $(cat "$keeper_out") == ready ]] || fail "clipboard_keeper did not become the clipboard manager"
PROGRAM_PID=$target_pid wait_window "Velmish Key Target"
wait_painted "$WINDOW"
screenshot 00-key-target

# "#270" pushes Shift (16) down without releasing it: the next SENDKEYS types small letters again.
write_script keys.vl \
    "SENDKEYS 'velmish key target', 'Hello, World! (1+2=3);#270'" \
    "WRITEFILE 'answers.txt', 'sendkeys '#[errorcode]" \
    "SENDKEYS 'Velmish Key Target', ' ok~r'" \
    "SENDKEYS 'No Such Window', 'x'" \
    "WRITEFILE 'answers.txt', 'missing '#[errorcode]" \
    "LET [clipboard] = 'Grüße from Velmish'" \
    "WRITEFILE 'answers.txt', 'clipboard '#[clipboard]" \
    "ECHO 'clipboard set'"
start_velint keys.vl

show_window "Velmish Echo" 01-echo
expect_clipboard() {
    local clip
    clip=$(timeout 5 xclip -selection clipboard -o 2>&1) || fail "xclip could not read the clipboard $1: $clip"
    [[ $clip == "Grüße from Velmish" ]] || fail "the clipboard holds \"$clip\" $1"
    note "the clipboard holds \"$clip\" $1"
}
expect_clipboard "while velint runs"
answer_window Return
expect_exit 0
grep -q "kept" "$ARTIFACTS/clipboard_keeper.log" || fail "velint did not hand the clipboard over at exit"
expect_clipboard "after velint ended"
wait_until_gone "$target_pid" 5 || fail "the key target did not get Enter"
typed=$(cat "$target_out")
[[ $typed == "Hello, World! (1+2=3); ok" ]] || fail "the key target got \"$typed\""
expect_lines answers.txt "sendkeys 0" "missing -1" "clipboard Grüße from Velmish"
