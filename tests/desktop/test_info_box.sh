#!/usr/bin/env bash
# INFOBOX: shown above the other windows and drawn while the script goes on (during a WAIT and
# with an ECHO box up), then hidden by the mode "hide".
# Usage: test_info_box.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

write_script info_box.vl \
    "LET [InfoBox_Width] = '400'" \
    "INFOBOX 'Working on it...','show'" \
    "WRITEFILE 'progress.txt', 'waiting'" \
    "WAIT '3000'" \
    "ECHO 'shown'" \
    "INFOBOX 'Done','hide'" \
    "ECHO 'hidden'"
start_velint info_box.vl

# During the WAIT the script thread sleeps: the box must still be drawn.
wait_window "Velmish Info"
info=$WINDOW
deadline=$((SECONDS + WINDOW_DEADLINE))
until [[ -s progress.txt ]]; do
    ((SECONDS < deadline)) || fail "the script did not go on while the info box was up"
    sleep 0.05
done
wait_painted "$info"
screenshot 01-info-during-wait
read -r width height < <(xwininfo -id "$info" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
((width == 400)) || fail "the info box is $width pixels wide, expected InfoBox_Width 400"
mean=$(import -window "$info" -format '%[fx:mean]' info:)
awk -v m="$mean" 'BEGIN { exit !(m > 0.5) }' || fail "the info box is not drawn during the WAIT (mean $mean)"

show_window "Velmish Echo" 02-info-with-echo
window_shown "Velmish Info" || fail "the info box went away while the script ran on"
answer_window Return
show_window "Velmish Echo" 03-hidden
window_shown "Velmish Info" && fail "INFOBOX 'Done','hide' left the info box on the screen"
answer_window Return
expect_exit 0
