#!/usr/bin/env bash
# INFOBOX: shown (any mode word) centred in the size of InfoBox_Width and InfoBox_Height, topmost,
# with its text, while the script goes on to an ECHO box (above that box in the Z-order: without a
# window manager Wine leaves the later box drawn over it, so the screenshots show the box below);
# hidden by the mode "hide" in lower case;
# shown and hidden again by assigning InfoBox_Enabled.
# Usage: test_dialog_info_box.sh VELINT_EXE ARTIFACTS_DIR
source "$(dirname "$0")/dialogs/dialog_harness.sh"
begin_dialog_test "$@"

write_script info_box.vl \
    "LET [InfoBox_Width] = '400'" \
    "INFOBOX 'Working on it...','show'" \
    "ECHO 'shown'" \
    "INFOBOX 'Done','hide'" \
    "ECHO 'hidden'" \
    "LET [InfoBox_Enabled] = '0'" \
    "ECHO 'shown again'" \
    "LET [InfoBox_Enabled] = '-1'" \
    "ECHO 'hidden again'"
start_velint info_box.vl

info_state() {
    local shot=$1 visible=$2 text=$3 echoed=$4
    wait_window "Velmish Echo"
    wait_painted "$WINDOW"
    screenshot "$shot"
    probe_windows "$shot"
    local block
    read_metrics
    block=$(window_with_child Static 12)
    expect_window "$block" "info box" "$visible" $((WS_POPUP | WS_BORDER | WS_SYSMENU)) 0 \
        $((WS_EX_DLGMODALFRAME | WS_EX_TOPMOST)) 400 24 \
        $((CX / 2 - 200)) $((CY / 2 - 12))
    expect_child "$block" "info text" 1 Static 12 $((CHILD | SS_CENTER)) 0 0,3,400,24 "$text"
    if ((visible)); then
        # On top: above the ECHO box that came after it, in the system's Z-order.
        local info_z echo_z
        info_z=$(field "$(head -n 1 <<<"$block")" z)
        DIALOG_CLASS="#32770" probe_windows "$shot-echo-box"
        echo_z=$(field "$(window_block "Velmish Echo" | head -n 1)" z)
        ((info_z >= 0 && echo_z >= 0 && info_z < echo_z)) ||
            fail "the info box (Z place $info_z) is not above the ECHO box (Z place $echo_z)"
    fi
    read_echo "$shot-echo"
    [[ $ECHOED == "$echoed" ]] || fail "the ECHO box says \"$ECHOED\", expected \"$echoed\""
}

info_state 01-shown 1 "Working on it..." "shown"
info_state 02-hidden 0 "Done" "hidden"
info_state 03-shown-again 1 "Done" "shown again"
info_state 04-hidden-again 0 "Done" "hidden again"
expect_exit 0
