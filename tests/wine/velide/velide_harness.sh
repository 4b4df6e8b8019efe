# shellcheck shell=bash disable=SC2034 # DIALOG_CLASS is read by dialog_harness.sh
# Functions shared by the editor tests (test_velide_*.sh), on top of harness.sh: a folder holding
# velide.exe with the files that ship beside it, starting the editor, typing into it, its save
# dialog, and reading its controls from inside Wine with window_probe.exe.
source "$(dirname "${BASH_SOURCE[0]}")/../dialogs/dialog_harness.sh"

# The class of velide's dialog windows, for probe_windows and click_control.
DIALOG_CLASS=VelideForm

# Starts an editor test: takes velide.exe, velint.exe and the artifacts root. Makes ARTIFACTS/bin
# with velide.exe, velint.exe and velmish.syn side by side, as they ship, and the compiler, linker
# and runtime when they lie beside velide.exe; sets BIN and VELIDE.
begin_velide_test() {
    (($# == 3)) || fail "usage: $(basename "$0") VELIDE_EXE VELINT_EXE ARTIFACTS_DIR"
    local velide
    velide=$(realpath "$1")
    begin_test "$2" "$3"
    WINDOW_PROBE=${VELMISH_WINDOW_PROBE:-}
    [[ -f $WINDOW_PROBE ]] || fail "VELMISH_WINDOW_PROBE does not name the built window_probe.exe"
    # A folder with a blank in its name, like the usual install folder: the programs velide starts
    # must be named by their quoted path.
    BIN="$ARTIFACTS/program files"
    { mkdir -p "$BIN" && cp "$velide" "$BIN/velide.exe" && cp "$VELINT" "$BIN/velint.exe" &&
        cp "$(dirname "$velide")/velmish.syn" "$BIN/velmish.syn"; } || fail "cannot fill $BIN"
    local file
    for file in velcomp.exe vellink.exe velrun.rtl; do
        [[ -f $(dirname "$velide")/$file ]] && cp "$(dirname "$velide")/$file" "$BIN/"
    done
    VELIDE=$BIN/velide.exe
}

# Starts the editor in the background with the given arguments and waits for its main window
# with the given caption; sets MAIN to that window.
start_velide() {
    local caption=$1
    shift
    start_program "$VELIDE" "$@"
    wait_window "$caption"
    MAIN=$WINDOW
    wait_painted "$MAIN"
}

# Answers the save dialog "Save as..." with a file name typed into it.
answer_save_dialog() {
    local name=$1 shot=$2
    wait_window "Save as..."
    local dialog=$WINDOW
    wait_painted "$dialog"
    screenshot "$shot"
    type_text "$dialog" "$name"
    press_keys "$dialog" Return
    wait_window_gone "$dialog"
}

# Lists the editor's main window with its controls into ARTIFACTS/NAME.txt; sets PROBE.
probe_main() {
    PROBE=$ARTIFACTS/$1.txt
    timeout -k 2 60 "$WINE_LOADER" "$WINDOW_PROBE" TMain 2>&1 </dev/null | tr -d '\r' >"$PROBE"
    grep -q '^window ' "$PROBE" || fail "window_probe found no TMain window: $(cat "$PROBE")"
}

# Prints the text of the main window's control with this id, as the last probe read it.
probe_text() {
    sed -n "s/^child class=[^ ]* id=$1 .* text=//p" "$PROBE" | head -n 1
}

# Waits until a file exists and is no longer growing.
wait_file() {
    local file=$1 deadline=$((SECONDS + EXIT_DEADLINE)) size=-1
    while :; do
        if [[ -f $file && $(stat -c %s "$file") == "$size" ]]; then return 0; fi
        [[ -f $file ]] && size=$(stat -c %s "$file")
        ((SECONDS < deadline)) || fail "file $file did not appear within ${EXIT_DEADLINE}s"
        sleep 0.2
    done
}

