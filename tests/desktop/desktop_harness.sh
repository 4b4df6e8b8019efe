# shellcheck shell=bash
# Shared functions of the Linux desktop tests: the session's display, the programs of the build
# and the windows of GTK. The X display, windows, keys and screenshots come from tests/x11.

# Native programs start in well under a second, so the waits are short.
WINDOW_DEADLINE=${WINDOW_DEADLINE:-10}
GONE_DEADLINE=${GONE_DEADLINE:-5}
EXIT_DEADLINE=${EXIT_DEADLINE:-10}
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-40}
PAINT_DEADLINE=${PAINT_DEADLINE:-3}
# shellcheck source=../x11/harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x11/harness.sh"

# GTK without the accessibility bus and the settings daemon, which a bare Xvfb has not.
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
unset WAYLAND_DISPLAY VL_UI VL_DEBUGMODE VL_DEBUGVARS

# Starts a test: takes the build folder and the artifacts root, loads the display and makes an
# empty artifacts directory named after the test script, which is also the working directory.
begin_test() {
    (($# == 2)) || fail "usage: $(basename "$0") BUILD_DIR ARTIFACTS_DIR"
    BUILD=$(realpath "$1")
    VELINT=$BUILD/velint
    MODULE=$BUILD/libvelmish_gtk.so
    [[ -x $VELINT && -f $MODULE ]] || fail "no velint and libvelmish_gtk.so in $BUILD"
    enter_artifacts "$2"
    local session=${VELMISH_DESKTOP_SESSION:-}
    [[ -r $session ]] || fail "no session file \"$session\": has setup.sh run?"
    # shellcheck source=/dev/null
    source "$session"
    xwininfo -root >/dev/null 2>&1 || fail "the X display $DISPLAY does not answer"
    note "$TEST_NAME: display $DISPLAY, artifacts in $ARTIFACTS"
}

# Starts a program of the build (or any command) in the background.
start_program() {
    note "start: $(basename "$1")${2:+ ${*:2}}"
    launch_program "$@"
}

# The programs insist on windows here: a failure to show them is reported, not hidden by the
# terminal front end.
start_velint() {
    VL_UI=desktop start_program "$VELINT" "$@"
}

# Waits for a window, lets it draw and keeps a screenshot of the screen.
show_window() {
    local title=$1 shot=$2
    wait_window "$title"
    wait_painted "$WINDOW"
    screenshot "$shot"
}

# Presses keys in the window just shown and waits until it has closed.
answer_window() {
    local window=$WINDOW
    press_keys "$window" "$@"
    wait_window_gone "$window"
}

# True when a window with exactly this title is on the screen now.
window_shown() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && return 0
    done
    return 1
}

# Checks the lines a script wrote to a file against the expected lines.
expect_lines() {
    local file=$1
    shift
    local expected actual
    expected=$(printf '%s\n' "$@")
    actual=$(tr -d '\r' <"$file" 2>/dev/null)
    [[ $actual == "$expected" ]] || fail "$file holds:
$actual
expected:
$expected"
}
