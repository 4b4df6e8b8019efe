# shellcheck shell=bash
# Shared functions of the tests that drive windows on a private X display (the Wine tests and the
# Linux desktop tests): messages and failure, Xvfb, the program under test and its exit code, its
# windows, keys and screenshots. Sourced by each suite's own harness.
#
# Rules kept throughout:
# - every wait has a deadline and says what it waited for when it gives up;
# - background programs and Xvfb never get a pipe as output: their children would inherit it and
#   keep CTest waiting, so their output goes to log files;
# - the program under test runs in its own process group, which is killed when a test ends early.

# Deadlines in seconds; a suite may set its own before sourcing this. The defaults are generous,
# because on machines without native 32-bit support every Wine process runs under an emulator and a
# program start takes several seconds.
WINDOW_DEADLINE=${WINDOW_DEADLINE:-45}      # for a window to appear
GONE_DEADLINE=${GONE_DEADLINE:-20}          # for a window to close after a key
EXIT_DEADLINE=${EXIT_DEADLINE:-30}          # for the program to end after its last window
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-120}     # hard limit of one program run (timeout -k 2)
PAINT_DEADLINE=${PAINT_DEADLINE:-10}        # for a window to be drawn before its screenshot

# ---------------------------------------------------------------------------------------------
# Messages and failure
# ---------------------------------------------------------------------------------------------

# Prints a progress line with the seconds since the script started.
note() {
    printf '[%5.1fs] %s\n' "$(elapsed)" "$*"
}

# Seconds since the script started, with tenths.
elapsed() {
    local now
    now=$(date +%s%N)
    echo "$(( (now - HARNESS_START_NS) / 1000000000 )).$(( (now - HARNESS_START_NS) / 100000000 % 10 ))"
}
HARNESS_START_NS=$(date +%s%N)

# Reports a failure with what is on the screen, ends the program under test and exits.
fail() {
    echo "FAIL: $*" >&2
    if [[ -n ${DISPLAY:-} ]]; then
        dump_windows >&2
        if [[ -n ${ARTIFACTS:-} ]]; then
            import -window root "$ARTIFACTS/failure.png" 2>/dev/null && echo "screenshot: $ARTIFACTS/failure.png" >&2
        fi
    fi
    if [[ -n ${PROGRAM_LOG:-} && -s $PROGRAM_LOG ]]; then
        echo "--- last lines of $PROGRAM_LOG ---" >&2
        tail -n 20 "$PROGRAM_LOG" >&2
    fi
    exit 1
}

# Lists the named windows of the display (the full listing goes to the artifacts).
dump_windows() {
    local listing
    listing=$(xwininfo -root -tree 2>&1)
    [[ -n ${ARTIFACTS:-} ]] && printf '%s\n' "$listing" >"$ARTIFACTS/windows.txt"
    echo "--- named windows (xwininfo -root -tree) ---"
    printf '%s\n' "$listing" | grep -v 'has no name' | grep '"' || echo "(none)"
}

# Runs a command with a time limit, its output appended to a log file; fails with the log's tail.
run_logged() {
    local log=$1 seconds=$2
    shift 2
    echo "+ $*" >>"$log"
    timeout -k 2 "$seconds" "$@" >>"$log" 2>&1 </dev/null
    local code=$?
    if ((code != 0)); then
        tail -n 20 "$log" >&2
        fail "'$*' ended with code $code (124: timed out after ${seconds}s); log: $log"
    fi
}

# Starts Xvfb on a free display of its own choice; sets DISPLAY and records the process id.
start_xvfb() {
    local state=$1
    rm -f "$state/display"
    # -displayfd writes the display number once the server accepts connections.
    # It gets no Wine variables, so that it never counts as a process of the prefix.
    # -noreset: an X server resets when its last client leaves and refuses connections meanwhile,
    # so a program started just after a short-lived xdotool or xwininfo could fail to connect.
    env -u WINEPREFIX Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$state/display" \
        >"$state/logs/xvfb.log" 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    local deadline=$((SECONDS + 15))
    until [[ -s $state/display ]]; do
        ((SECONDS < deadline)) || fail "Xvfb did not report a display within 15 s; log: $state/logs/xvfb.log"
        sleep 0.05
    done
    DISPLAY=:$(tr -d '[:space:]' <"$state/display")
    export DISPLAY
}

# Stops the Xvfb recorded in the state directory, if it still runs.
stop_xvfb() {
    local state=$1 pid
    pid=$(cat "$state/xvfb.pid" 2>/dev/null) || return 0
    if [[ $(cat "/proc/$pid/comm" 2>/dev/null) == Xvfb ]]; then
        kill "$pid"
        wait_until_gone "$pid" 10 || kill -KILL "$pid" 2>/dev/null
    fi
    rm -f "$state/xvfb.pid"
}

# Waits until a process has ended; returns 1 when it still runs after the given seconds.
wait_until_gone() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        [[ $(ps -o stat= -p "$pid" 2>/dev/null) == Z* ]] && return 0
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Makes an empty artifacts directory named after the test script under the given root, enters it
# and arms the traps that end the program under test with the script; sets TEST_NAME and ARTIFACTS.
enter_artifacts() {
    TEST_NAME=$(basename "$0" .sh)
    ARTIFACTS=$(realpath -m "$1")/$TEST_NAME
    rm -rf "$ARTIFACTS"
    mkdir -p "$ARTIFACTS" || fail "cannot make $ARTIFACTS"
    cd "$ARTIFACTS" || fail "cannot enter $ARTIFACTS"
    trap end_test EXIT
    # Signals end the script through its exit trap, so the program under test goes with it.
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# Runs when a test script exits for any reason: no program of the test may outlive it.
end_test() {
    local code=$?
    kill_program
    if ((code == 0)); then note "PASS $TEST_NAME"; else note "FAILED $TEST_NAME (artifacts: $ARTIFACTS)"; fi
}

# Writes a script file with carriage-return line-feed line ends, one argument a line.
write_script() {
    local file=$1
    shift
    printf '%s\r\n' "$@" >"$file" || fail "cannot write $file"
}

# Starts a command in the background, in the working directory, with its own time limit; its
# output goes to ARTIFACTS/program.log. timeout puts itself and the program into a new process
# group, whose id is its pid.
launch_program() {
    [[ -z ${PROGRAM_PID:-} ]] || fail "start_program: a program is already running"
    PROGRAM_LOG=$ARTIFACTS/program.log
    timeout -k 2 "$PROGRAM_TIMEOUT" "$@" >"$PROGRAM_LOG" 2>&1 </dev/null &
    PROGRAM_PID=$!
}

# True while the program under test runs.
program_running() {
    [[ -n ${PROGRAM_PID:-} ]] && kill -0 "$PROGRAM_PID" 2>/dev/null &&
        [[ $(ps -o stat= -p "$PROGRAM_PID" 2>/dev/null) != Z* ]]
}

# Collects the exit code of the ended program into PROGRAM_EXIT.
collect_exit() {
    wait "$PROGRAM_PID"
    PROGRAM_EXIT=$?
    PROGRAM_PID=
}

# Waits for the program to end and checks its exit code.
expect_exit() {
    local expected=$1 deadline=$((SECONDS + EXIT_DEADLINE))
    [[ -n ${PROGRAM_PID:-} ]] || fail "expect_exit: no program was started"
    while program_running; do
        ((SECONDS < deadline)) || fail "the program did not end within ${EXIT_DEADLINE}s (expected exit code $expected)"
        sleep 0.05
    done
    collect_exit
    ((PROGRAM_EXIT == 124 || PROGRAM_EXIT == 137)) && fail "the program was stopped by its ${PROGRAM_TIMEOUT}s time limit"
    ((PROGRAM_EXIT == expected)) || fail "exit code $PROGRAM_EXIT, expected $expected"
    note "exit code $PROGRAM_EXIT"
}

# Ends the program's process group (the time limit and everything under it).
kill_program() {
    [[ -n ${PROGRAM_PID:-} ]] || return 0
    local group=$PROGRAM_PID
    PROGRAM_PID=
    kill -0 "$group" 2>/dev/null || { wait "$group" 2>/dev/null; return 0; }
    note "killing process group $group"
    kill -TERM -- "-$group" 2>/dev/null
    wait_until_gone "$group" 3 || kill -KILL -- "-$group" 2>/dev/null
    wait "$group" 2>/dev/null
}

# ---------------------------------------------------------------------------------------------
# Windows, keys and screenshots
# ---------------------------------------------------------------------------------------------

# Waits for a visible window whose title is exactly the given text; sets WINDOW to its id.
wait_window() {
    local title=$1 deadline=$((SECONDS + WINDOW_DEADLINE)) pattern id
    # xdotool matches an extended regular expression, ignoring case: escape it, check the exact title.
    pattern="^$(printf '%s' "$title" | sed 's/[][\.^$|?*+(){}]/\\&/g')\$"
    while :; do
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
            if [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$title" ]]; then
                WINDOW=$id
                note "window \"$title\" is $WINDOW"
                return 0
            fi
        done
        if ! program_running; then
            collect_exit
            fail "the program ended with exit code $PROGRAM_EXIT before window \"$title\" appeared"
        fi
        ((SECONDS < deadline)) || fail "window \"$title\" did not appear within ${WINDOW_DEADLINE}s"
        sleep 0.05
    done
}

# Waits until a window has been drawn (it is black until the program paints it), so screenshots
# show it.
wait_painted() {
    local window=$1 deadline=$((SECONDS + PAINT_DEADLINE)) mean
    while :; do
        mean=$(import -window "$window" -format '%[fx:mean]' info: 2>/dev/null)
        [[ -n $mean ]] && awk -v m="$mean" 'BEGIN { exit !(m > 0.3) }' && return 0
        if ((SECONDS >= deadline)); then
            note "warning: window $window still looks undrawn after ${PAINT_DEADLINE}s"
            return 0
        fi
        sleep 0.05
    done
}

# Saves a screenshot of the whole screen into the artifacts directory.
screenshot() {
    import -window root "$ARTIFACTS/$1.png" || fail "screenshot $1 failed"
}

# Gives a window the keyboard focus. Wine sometimes lets the first request pass while a window of
# the program is still being activated, and under load a new window may not have the focus yet,
# so it is asked up to three times.
focus_window() {
    local window=$1 attempt
    for attempt in 1 2 3; do
        timeout 5 xdotool windowfocus --sync "$window" >/dev/null 2>&1 && return 0
        note "window $window did not take the focus (attempt $attempt)"
    done
    fail "window $window did not take the focus"
}

# Gives a window the keyboard focus and presses keys in it (xdotool key names: Return, n, alt+F4).
# Keys go to the focused window: xdotool's --window form loses keys under Wine.
press_keys() {
    local window=$1
    shift
    focus_window "$window"
    xdotool key "$@" >/dev/null 2>&1 || fail "xdotool could not press $*"
    note "pressed $*"
}

# Gives a window the keyboard focus and types a text into it; DELAY is milliseconds between the
# characters (default 20). Usage: type_text WINDOW TEXT [DELAY]
type_text() {
    local window=$1 text=$2 delay=${3:-20}
    focus_window "$window"
    xdotool type --delay "$delay" -- "$text" >/dev/null 2>&1 || fail "xdotool could not type \"$text\""
    note "typed \"$text\""
}

# Waits until a window has disappeared (after the key that closes it).
wait_window_gone() {
    local window=$1 deadline=$((SECONDS + GONE_DEADLINE))
    while xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable'; do
        ((SECONDS < deadline)) || fail "window $window is still open ${GONE_DEADLINE}s after the key"
        sleep 0.05
    done
}
