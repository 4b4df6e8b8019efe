# shellcheck shell=bash
# Shared functions of the Wine tests: the Wine prefix and server, the program under test under
# Wine, message boxes and the compile chain. Sourced by setup.sh, cleanup.sh and every test script;
# the X display, windows, keys and screenshots come from tests/x11/harness.sh.
# shellcheck source=../x11/harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x11/harness.sh"

WINE_LOADER=${WINE_LOADER:-/usr/lib/wine/wine}
WINE_SERVER=${WINE_SERVER:-/usr/lib/wine/wineserver}

# ---------------------------------------------------------------------------------------------
# Session: the state directory, the display and the Wine environment
# ---------------------------------------------------------------------------------------------

# Sets the Wine variables for the prefix inside a state directory.
wine_environment() {
    local state=$1
    export WINEPREFIX=$state/prefix
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Loads the session written by setup.sh (state directory and display) and checks the display lives.
load_session() {
    local session=${VELMISH_WINE_SESSION:-}
    [[ -n $session ]] || fail "VELMISH_WINE_SESSION is not set (it names the session.env that setup.sh writes)"
    [[ -r $session ]] || fail "no session file $session: has setup.sh run?"
    # shellcheck source=/dev/null
    source "$session"
    wine_environment "$WINE_STATE"
    xwininfo -root >/dev/null 2>&1 || fail "the X display $DISPLAY does not answer"
}

# ---------------------------------------------------------------------------------------------
# Fixture steps: 32-bit support, prefix, server
# ---------------------------------------------------------------------------------------------

# Makes sure 32-bit Linux programs (the Wine loader is one) can run. Where the kernel refuses them,
# registers qemu-i386 as their interpreter through binfmt_misc (root only; lasts until the reboot).
ensure_i386_programs_run() {
    "$WINE_LOADER" --version >/dev/null 2>&1 && return 0
    local qemu
    qemu=$(command -v qemu-i386 || command -v qemu-i386-static) ||
        fail "32-bit programs do not run here and qemu-i386 is missing: run tests/wine/install_deps.sh"
    local major
    major=$("$qemu" --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p;q')
    ((major >= 8)) || fail "$qemu is version $major: Wine needs qemu 8 or newer (7.2 fails); run tests/wine/install_deps.sh"
    local misc=/proc/sys/fs/binfmt_misc
    [[ -e $misc/register ]] || mount -t binfmt_misc binfmt_misc "$misc" ||
        fail "cannot mount $misc to register qemu-i386"
    [[ -e $misc/qemu-i386 ]] && echo -1 >"$misc/qemu-i386"
    note "32-bit programs do not run natively: registering $qemu for them (binfmt_misc)"
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:$qemu:F" >"$misc/register" ||
        fail "registering $qemu with binfmt_misc failed"
    "$WINE_LOADER" --version >/dev/null 2>&1 || fail "the Wine loader still does not start through $qemu"
}

# Creates a fresh Wine prefix and configures it for unattended tests. Leaves no server running.
make_prefix() {
    local state=$1 log=$1/logs/prefix.log
    rm -rf "$WINEPREFIX"
    : >"$log"
    run_logged "$log" 240 "$WINE_LOADER" wineboot -i
    # Unmanaged windows: without a window manager, closing a managed window costs about 2 s.
    run_logged "$log" 60 "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    # A crashing program exits instead of waiting in the crash dialog.
    run_logged "$log" 60 "$WINE_LOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # No sound driver: keeps audio messages out of the logs.
    run_logged "$log" 60 "$WINE_LOADER" reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d "" /f
    # The programs target Windows XP; GetVersionExA then reports 5.1 build 2600.
    run_logged "$log" 60 "$WINE_LOADER" winecfg -v winxp
    run_logged "$log" 60 "$WINE_SERVER" -k
    run_logged "$log" 60 "$WINE_SERVER" -w
}

# Starts one persistent Wine server for the whole run and lets it start Wine's own background
# programs (services, desktop), so that the first test does not pay for them.
start_server() {
    local state=$1 log=$1/logs/server.log
    : >"$log"
    run_logged "$log" 60 "$WINE_SERVER" -p
    run_logged "$log" 120 "$WINE_LOADER" cmd /c exit 0
}

# Ends the Wine server and every process of this prefix; true when none is left.
stop_server() {
    local state=$1 log=$1/logs/server.log
    if [[ -d $WINEPREFIX ]]; then
        timeout -k 2 30 "$WINE_SERVER" -k >>"$log" 2>&1 </dev/null
        timeout -k 2 30 "$WINE_SERVER" -w >>"$log" 2>&1 </dev/null
    fi
    local pid
    for pid in $(prefix_processes); do
        note "killing leftover Wine process $pid: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
        kill -KILL "$pid" 2>/dev/null
    done
    [[ -z $(prefix_processes) ]]
}

# Ids of the live processes that run with this prefix (found through their environment), leaving
# out this shell and the short-lived commands it runs.
prefix_processes() {
    local file pid parent
    # shellcheck disable=SC2013 # /proc paths hold no blanks
    for file in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null); do
        pid=${file#/proc/}
        pid=${pid%/environ}
        [[ $pid == "$$" || $pid == "$BASHPID" ]] && continue
        parent=$(ps -o ppid=,stat= -p "$pid" 2>/dev/null) || continue
        [[ $parent == *Z* ]] && continue
        read -r parent _ <<<"$parent"
        [[ $parent == "$$" || $parent == "$BASHPID" ]] && continue
        echo "$pid"
    done
}

# ---------------------------------------------------------------------------------------------
# Tests: arguments, work directory, scripts
# ---------------------------------------------------------------------------------------------

# Starts a test: takes the path of velint.exe and the artifacts root, loads the session and makes
# an empty artifacts directory named after the test script, which is also the working directory.
begin_test() {
    (($# == 2)) || fail "usage: $(basename "$0") VELINT_EXE ARTIFACTS_DIR"
    VELINT=$(realpath "$1")
    [[ -f $VELINT ]] || fail "no program at $1"
    enter_artifacts "$2"
    load_session
    BOX_READER=${VELMISH_BOX_READER:-}
    [[ -f $BOX_READER ]] || fail "VELMISH_BOX_READER does not name the built box_reader.exe"
    note "$TEST_NAME: display $DISPLAY, artifacts in $ARTIFACTS"
}

# ---------------------------------------------------------------------------------------------
# The program under test
# ---------------------------------------------------------------------------------------------

# Starts a Windows program in the background under Wine, in the working directory, with its own
# time limit. timeout puts itself and the program into a new process group, whose id is its pid.
start_program() {
    note "start: $(basename "$1")${2:+ ${*:2}}"
    launch_program "$WINE_LOADER" "$@"
}

# Starts velint.exe with the given arguments.
start_velint() {
    start_program "$VELINT" "$@"
}

# ---------------------------------------------------------------------------------------------
# Message boxes
# ---------------------------------------------------------------------------------------------

# Reads the text and the buttons of the message box with this caption (through box_reader.exe
# inside Wine); sets BOX_TEXT (line breaks as \n) and BOX_BUTTONS (button texts, space-separated).
read_box() {
    local caption=$1 out=$ARTIFACTS/box.txt
    timeout -k 2 60 "$WINE_LOADER" "$BOX_READER" "$caption" >"$out" 2>&1 </dev/null ||
        fail "box_reader could not read the box \"$caption\": $(tr -d '\r' <"$out")"
    BOX_TEXT=$(sed -n 's/^text=//p' "$out")
    BOX_BUTTONS=$(sed -n 's/^button=//p' "$out" | paste -sd ' ')
    cat "$out" >>"$ARTIFACTS/boxes.txt"
}

# Checks the box just read: its text exactly, or matching a bash pattern when the expectation starts
# with "like:"; and its buttons.
check_box() {
    local caption=$1 text=$2 buttons=$3
    if [[ $text == like:* ]]; then
        # shellcheck disable=SC2053
        [[ $BOX_TEXT == ${text#like:} ]] ||
            fail "box \"$caption\" says \"$BOX_TEXT\", expected something like \"${text#like:}\""
    else
        [[ $BOX_TEXT == "$text" ]] || fail "box \"$caption\" says \"$BOX_TEXT\", expected \"$text\""
    fi
    [[ $BOX_BUTTONS == "$buttons" ]] || fail "box \"$caption\" has buttons \"$BOX_BUTTONS\", expected \"$buttons\""
}

# Handles one message box from start to end: waits for it by caption, keeps a screenshot, checks its
# text and buttons, presses the key and waits until it has closed.
answer_box() {
    local caption=$1 text=$2 buttons=$3 key=$4 shot=$5
    wait_window "$caption"
    local window=$WINDOW
    wait_painted "$window"
    screenshot "$shot"
    read_box "$caption"
    check_box "$caption" "$text" "$buttons"
    press_keys "$window" "$key"
    wait_window_gone "$window"
}

# ---------------------------------------------------------------------------------------------
# The compile chain: velcomp.exe, vellink.exe, velrun.rtl and the programs they make
# ---------------------------------------------------------------------------------------------

# Starts a test of the compile chain: takes velcomp.exe, vellink.exe, velrun.rtl and the artifacts
# root; sets VELCOMP, VELLINK and VELRUN_RTL, then does what begin_test does.
begin_compiled_test() {
    (($# == 4)) || fail "usage: $(basename "$0") VELCOMP_EXE VELLINK_EXE VELRUN_RTL ARTIFACTS_DIR"
    local file
    for file in "$1" "$2" "$3"; do
        [[ -f $file ]] || fail "no file at $file"
    done
    VELCOMP=$(realpath "$1")
    VELLINK=$(realpath "$2")
    VELRUN_RTL=$(realpath "$3")
    begin_test "$VELCOMP" "$4"
    VELINT=
}

# Makes the folder ARTIFACTS/NAME with copies of the compiler, the linker and the runtime side by
# side, as they are shipped: velcomp starts vellink.exe from its own folder, and vellink reads
# velrun.rtl from its own. Sets FOLDER to its path.
compiler_folder() {
    FOLDER=$ARTIFACTS/$1
    { mkdir -p "$FOLDER" && cp "$VELCOMP" "$FOLDER/velcomp.exe" && cp "$VELLINK" "$FOLDER/vellink.exe" &&
        cp "$VELRUN_RTL" "$FOLDER/velrun.rtl"; } || fail "cannot copy the compiler, linker and runtime into $FOLDER"
}

# Prints the Windows path under Wine of a Unix path: /x/y is Z:\x\y.
windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

# Runs a console program under Wine to its end, with the given folder as its working directory and
# its own time limit; its output goes to ARTIFACTS/NAME.log. Sets RUN_EXIT. The run is the program
# under test meanwhile, so an early end of the test kills its process group (the programs it
# starts included).
run_console() {
    local name=$1 folder=$2
    shift 2
    [[ -z ${PROGRAM_PID:-} ]] || fail "run_console: a program is already running"
    PROGRAM_LOG=$ARTIFACTS/$name.log
    note "run: $(basename "$1")${2:+ ${*:2}} (in $folder)"
    (cd "$folder" && exec timeout -k 2 "$PROGRAM_TIMEOUT" "$WINE_LOADER" "$@") >"$PROGRAM_LOG" 2>&1 </dev/null &
    PROGRAM_PID=$!
    collect_exit
    RUN_EXIT=$PROGRAM_EXIT
    ((RUN_EXIT == 124 || RUN_EXIT == 137)) &&
        fail "$(basename "$1") was stopped by its ${PROGRAM_TIMEOUT}s time limit; log: $PROGRAM_LOG"
    note "$(basename "$1") ended with exit code $RUN_EXIT"
}

# Runs velcomp.exe of a compiler folder with the given arguments (working directory: that folder)
# and checks its exit code; its console output is in ARTIFACTS/NAME.log.
compile() {
    local name=$1 folder=$2 expected=$3
    shift 3
    run_console "$name" "$folder" "$folder/velcomp.exe" "$@"
    ((RUN_EXIT == expected)) ||
        fail "velcomp.exe $* ended with exit code $RUN_EXIT, expected $expected; log: $(tr -d '\r' <"$PROGRAM_LOG")"
}

# Starts a Windows program in the background with exactly the given text after its name on its
# command line. The Wine loader quotes every argument that holds a blank, so the line goes through
# a batch file run by Wine's cmd, which passes it unchanged, waits for the program and ends with
# the program's exit code.
start_with_command_line() {
    local program=$1 arguments=$2 batch=$ARTIFACTS/start_program.bat
    printf '@"%s" %s\r\n' "$(windows_path "$program")" "$arguments" >"$batch" || fail "cannot write $batch"
    start_program cmd /c "$(windows_path "$batch")"
}
