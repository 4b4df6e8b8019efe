#!/usr/bin/env bash
# A script of 300 KB, ten times what a rich-edit control or an edit box takes by default: it opens
# whole and Save writes it back byte for byte; copied, pasted into a new document through the hidden
# plain-text box Edit2 and saved under a new name, it arrives byte for byte too.
# Colouring is off here (no velmish.syn beside the editor): under an emulated Wine, colouring
# 300 KB takes long, and the colouring has tests of its own.
# Usage: test_velide_large_script.sh VELIDE_EXE VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/velide/velide_harness.sh"
begin_velide_test "$@"
rm "$BIN/velmish.syn"

# Waits until a file's modification time differs from the given one.
wait_rewritten() {
    local file=$1 before=$2 deadline=$((SECONDS + EXIT_DEADLINE))
    until [[ $(stat -c %Y "$file") != "$before" ]]; do
        ((SECONDS < deadline)) || fail "$file was not written again within ${EXIT_DEADLINE}s"
        sleep 0.2
    done
}

for ((i = 1; i <= 5300; i++)); do
    printf "ECHO 'line %05d of a long script' # [counter] REM %s\r\n" "$i" "$((i * 7919 % 10007))"
done >big.vl
cp big.vl big.orig
size=$(stat -c %s big.vl)
((size > 300000)) || fail "big.vl has only $size bytes"
touch -d '2000-01-01' big.vl
before=$(stat -c %Y big.vl)

script=$(windows_path big.vl)
start_velide "Velmish 4 - $script" "$script"
screenshot 01-opened
press_keys "$MAIN" ctrl+s
wait_rewritten big.vl "$before"
cmp big.vl big.orig || fail "big.vl changed on saving: $(stat -c %s big.vl) bytes instead of $size"

press_keys "$MAIN" ctrl+a ctrl+c ctrl+n
wait_window "Velmish 4 - noname.vl"
press_keys "$MAIN" ctrl+v
press_keys "$MAIN" ctrl+s
answer_save_dialog copy 02-save-copy
wait_window "Velmish 4 - $(windows_path copy.vl)"
screenshot 03-copy-saved
wait_file copy.vl
cmp copy.vl big.orig || fail "the pasted copy differs: $(stat -c %s copy.vl) bytes instead of $size"

press_keys "$MAIN" ctrl+q
expect_exit 0
