#!/usr/bin/env bash
# The choice of front end: velint and the runtime link no GTK; without a display, with
# VL_UI=console and without the module beside the program the terminal answers as before;
# VL_UI=desktop fails with a message and exit code 1 where no windows can be shown.
# Usage: test_front_end.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

for program in "$VELINT" "$BUILD/unfinished/velrun"; do
    ldd "$program" | grep -q 'libgtk\|libX11' && fail "$program links GTK or X11: $(ldd "$program")"
done

write_script echo.vl "ECHO 'hi'"
# The program runs to its end in the foreground; its standard output and exit code are kept.
run_velint() {
    local name=$1
    shift
    timeout 20 "$@" echo.vl >"$name.out" 2>"$name.err" </dev/null
    RUN_EXIT=$?
}
expect_terminal() {
    local name=$1
    ((RUN_EXIT == 0)) || fail "$name: exit code $RUN_EXIT; $(cat "$name.err")"
    [[ $(cat "$name.out") == "[Velmish Echo] hi" ]] || fail "$name: the terminal got \"$(cat "$name.out")\""
    note "$name: terminal"
}

run_velint no-display env -u DISPLAY "$VELINT"
expect_terminal no-display
run_velint console env VL_UI=console "$VELINT"
expect_terminal console

mkdir -p alone && cp "$VELINT" alone/velint
run_velint no-module alone/velint
expect_terminal no-module

run_velint desktop-no-module env VL_UI=desktop alone/velint
((RUN_EXIT == 1)) || fail "VL_UI=desktop without the module: exit code $RUN_EXIT"
grep -q "no desktop module libvelmish_gtk.so" desktop-no-module.err || fail "no message: $(cat desktop-no-module.err)"
run_velint desktop-no-display env -u DISPLAY VL_UI=desktop "$VELINT"
((RUN_EXIT == 1)) || fail "VL_UI=desktop without a display: exit code $RUN_EXIT"
grep -q "neither DISPLAY nor WAYLAND_DISPLAY" desktop-no-display.err || fail "no message: $(cat desktop-no-display.err)"
note "VL_UI=desktop: $(cat desktop-no-module.err)"
