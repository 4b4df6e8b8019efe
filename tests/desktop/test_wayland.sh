#!/usr/bin/env bash
# On a Wayland session without X11 (a headless weston on a private socket): velint shows its
# windows there (the info box appears in weston's screenshot, and the terminal's "[info]" line is
# not written), SENDKEYS gives errorcode -1 instead of pretending to type, and the clipboard keeps
# a text for the script. Headless weston has no keyboard or pointer, so no box can be answered;
# the script shows the info box, waits and ends by itself.
# Usage: test_wayland.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"
command -v weston >/dev/null || fail "weston is not installed (tools/install-deps.sh test)"

runtime=$(mktemp -d /tmp/velmish-wayland.XXXXXX)
chmod 700 "$runtime"
socket=velmish-test
cat >weston.ini <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff204060
locking=false
EOF
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug \
    --socket="$socket" --width=640 --height=480 --config="$PWD/weston.ini" \
    >weston.log 2>&1 </dev/null &
weston_pid=$!
trap 'status=$?; kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"; (exit $status); end_test' EXIT
deadline=$((SECONDS + WINDOW_DEADLINE))
until [[ -S $runtime/$socket ]]; do
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(tail -n 5 weston.log)"
    ((SECONDS < deadline)) || fail "weston did not open its socket"
    sleep 0.1
done

# Keeps weston's picture of the screen as NAME.png.
wayland_screenshot() {
    local folder
    folder=$(mktemp -d shot.XXXXXX)
    (cd "$folder" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket timeout 10 weston-screenshooter) ||
        fail "weston-screenshooter failed"
    mv "$folder"/*.png "$1.png" && rmdir "$folder"
}
# The number of light pixels in a screenshot; weston's background here is dark.
light_pixels() {
    convert "$1" -colorspace Gray -threshold 60% -format '%[fx:round(mean*w*h)]' info:
}
wayland_screenshot 00-empty
empty=$(light_pixels 00-empty.png)
((empty < 100)) || fail "weston's empty screen has $empty light pixels"

write_script wayland.vl \
    "SENDKEYS 'Velmish Key Target', 'abc'" \
    "WRITEFILE 'answers.txt', 'sendkeys '#[errorcode]" \
    "LET [clipboard] = 'Grüße from Wayland'" \
    "WRITEFILE 'answers.txt', 'clipboard '#[clipboard]" \
    "LET [InfoBox_Width] = '400'" \
    "INFOBOX 'Velmish on Wayland','show'" \
    "WRITEFILE 'progress.txt', 'waiting'" \
    "WAIT '3000'"
start_program env -u DISPLAY VL_UI=desktop XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
    "$VELINT" wayland.vl

deadline=$((SECONDS + WINDOW_DEADLINE))
until [[ -s progress.txt ]]; do
    program_running || break
    ((SECONDS < deadline)) || fail "the script did not reach its WAIT"
    sleep 0.05
done
# On the dark background only the light 400-pixel-wide box counts as light: thousands of pixels.
light=0
for attempt in 1 2 3 4 5; do
    wayland_screenshot 01-info-box
    light=$(light_pixels 01-info-box.png)
    ((light > 4000)) && break
    sleep 0.3
done
((light > 4000)) || fail "the info box is not on weston's screen ($light light pixels)"
note "the info box shows $light light pixels on weston's screen"

expect_exit 0
grep -q '^\[info\]' "$PROGRAM_LOG" && fail "velint wrote the terminal's info line: it did not use windows"
expect_lines answers.txt "sendkeys -1" "clipboard Grüße from Wayland"
