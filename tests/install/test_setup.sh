#!/usr/bin/env bash
# The Windows setup program under Wine, in a fresh prefix: a silent installation for the current
# user with the PATH option, checked through its log, the installed files (those of the zip) and
# the registry (file type and verbs, uninstall entry, PATH); the installed programs run a script
# opened through its file type and compile one; then the silent uninstallation must remove all of
# it and leave a file of the user's in the folder.
# Usage: test_setup.sh OUTDIR STATE_DIR
source "$(dirname "$0")/../wine/harness.sh"

out=$(realpath "${1:?usage: test_setup.sh OUTDIR STATE_DIR}")
state=$(realpath -m "${2:?usage: test_setup.sh OUTDIR STATE_DIR}")
setup=$(echo "$out"/velmish-*-setup.exe)
zip=$(echo "$out"/velmish-*-windows.zip)
[[ -f $setup && -f $zip ]] || fail "no setup program and zip in $out"
wine_dir=$(realpath "$(dirname "$0")/../wine")

bash "$wine_dir/setup.sh" "$state" || fail "the Wine session did not start"
export VELMISH_WINE_SESSION=$state/session.env
enter_artifacts "$state/artifacts"
trap 'code=$?; (exit $code); end_test; bash "$wine_dir/cleanup.sh" "$state" >>"$state/logs/cleanup.log" 2>&1; exit $code' EXIT
load_session
# No Linux menu entries or file types from Wine's menu builder on the machine running the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

classes='HKCU\Software\Classes'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmish'

# Prints the data of a registry value (NAME empty: the key's default value), nothing when it is
# missing.
reg_data() {
    local key=$1 name=$2 log=$ARTIFACTS/reg.log
    local option=(/v "$name")
    [[ -n $name ]] || option=(/ve)
    timeout -k 2 60 "$WINE_LOADER" reg query "$key" "${option[@]}" >"$log" 2>&1 </dev/null || return 0
    tr -d '\r' <"$log" | sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' | head -n 1
}

# Prints the data of a registry value; fails when it is missing or empty.
reg_value() {
    local data
    data=$(reg_data "$1" "$2")
    [[ -n $data ]] || fail "no registry value $1 ${2:-(default)}"
    printf '%s\n' "$data"
}

# True when a registry key exists.
reg_key_exists() {
    timeout -k 2 60 "$WINE_LOADER" reg query "$1" >/dev/null 2>&1 </dev/null
}

# Prints the Unix path of a Windows path.
unix_path() {
    timeout -k 2 30 "$WINE_LOADER" winepath -u "$1" 2>/dev/null </dev/null | tr -d '\r'
}

# Runs a command line through a batch file and Wine's cmd, as Explorer and the Control Panel do.
run_command_line() {
    local name=$1 line=$2
    printf '@%s\r\n' "$line" >"$name.bat"
    run_console "$name" "$ARTIFACTS" cmd /c "$(windows_path "$ARTIFACTS/$name.bat")"
}

# Runs the quiet uninstall string of an uninstall entry, with a log, and waits for the end: the
# uninstaller goes on from a copy of itself in the temporary folder.
uninstall_quietly() {
    local key=$1 log=$ARTIFACTS/$2-steps.log deadline=$((SECONDS + 120))
    run_command_line "$2" "$(reg_value "$key" QuietUninstallString) /LOG=$(windows_path "$log")"
    until grep -q '^Velmish uninstalled' "$log" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the uninstaller did not finish: $(cat "$log" 2>&1)"
        sleep 0.5
    done
}

# Checks that a script opened by the given command line wrote its name into opened.txt.
expect_opened() {
    rm -f opened.txt
    write_script opened.vl "WRITEFILE '$(windows_path "$ARTIFACTS/opened.txt")', 'opened by '#[ownname]"
    run_command_line "$1" "$2"
    [[ $(tr -d '\r' <opened.txt 2>/dev/null) == "opened by $(windows_path opened.vl)" ]] ||
        fail "$2 wrote '$(cat opened.txt 2>&1)', expected 'opened by $(windows_path opened.vl)'"
}

# Runs the setup program with the given switches and checks its exit code and its log.
install_quietly() {
    local name=$1 log=$ARTIFACTS/$1-steps.log
    shift
    run_console "$name" "$ARTIFACTS" "$setup" /S "$@" "/LOG=$(windows_path "$log")"
    ((RUN_EXIT == 0)) || fail "setup $* ended with exit code $RUN_EXIT; its log: $(cat "$log" 2>/dev/null)"
    tail -n 1 "$log" | grep -q '^Velmish installed' || fail "the log of setup $* does not end with success: $(cat "$log")"
    ! grep -q FAILED "$log" || fail "the log of setup $* names a failure: $(cat "$log")"
}

expect_value() {
    local actual
    actual=$(reg_value "$1" "$2")
    [[ $actual == "$3" ]] || fail "$1 ${2:-(default)} is '$actual', expected '$3'"
}

# ---- for the current user, with the PATH entry ----
install_quietly setup /PATH
folder=$(reg_value "$uninstall_key" InstallLocation)
unix_folder=$(unix_path "$folder")
[[ -d $unix_folder ]] || fail "the installed folder $folder ($unix_folder) is missing"
note "installed into $folder"

# Exactly the files of the zip, and the uninstaller.
expected=$(python3 -c 'import sys, zipfile
for n in sorted(zipfile.ZipFile(sys.argv[1]).namelist()):
    if not n.endswith("/"): print(n.split("/", 1)[1])' "$zip"; echo uninstall.exe)
installed=$(cd "$unix_folder" && find . -type f | sed 's|^\./||')
[[ $(sort <<<"$installed") == $(sort <<<"$expected") ]] ||
    fail "installed files differ from the zip: $(diff <(sort <<<"$expected") <(sort <<<"$installed"))"

expect_value "$classes\\.vl" "" Velmish.Script
expect_value "$classes\\Velmish.Script\\shell\\open\\command" "" "\"$folder\\velint.exe\" \"%1\""
expect_value "$classes\\Velmish.Script\\shell\\edit\\command" "" "\"$folder\\velide.exe\" \"%1\""
expect_value "$classes\\Velmish.Script\\shell\\compile\\command" "" "\"$folder\\velcomp.exe\" \"%1\" /L"
expect_value "$uninstall_key" QuietUninstallString "\"$folder\\uninstall.exe\" /S"
[[ ";$(reg_value 'HKCU\Environment' Path);" == *";$folder;"* ]] || fail "PATH does not hold $folder"
menu=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Velmish' -type d)
[[ -f $menu/Velmish\ Editor.lnk && -f $menu/Velmish\ Manual.lnk && -f $menu/Uninstall\ Velmish.lnk ]] ||
    fail "the Start menu group lacks a shortcut: $(ls "$menu" 2>&1)"
note "files, file type, verbs, uninstall entry, PATH and Start menu are in place"

# ---- the installed programs: a script opened with the file type's command, and one compiled ----
# Wine's shell reads the file types of all users only (HKLM), so the per-user command is run here as
# Explorer would run it: from the registry, with the script for %1.
open_command=$(reg_value "$classes\\Velmish.Script\\shell\\open\\command" "")
expect_opened open "${open_command//%1/$(windows_path "$ARTIFACTS/opened.vl")}"
write_script compiled.vl "WRITEFILE 'compiled.txt', 'compiled'"
run_console compile "$ARTIFACTS" "$unix_folder/velcomp.exe" compiled.vl /L
[[ -f compiled.exe ]] || fail "velcomp.exe compiled.vl /L made no program: $(tr -d '\r' <"$PROGRAM_LOG")"
run_console compiled "$ARTIFACTS" "$ARTIFACTS/compiled.exe"
[[ $(tr -d "\r" <compiled.txt 2>/dev/null) == compiled ]] || fail "the compiled program did not write compiled.txt"
note "opening a script runs the installed velint.exe; the installed compiler and runtime work"

# ---- uninstall: everything installed goes, the user's own file stays ----
echo mine >"$unix_folder/mine.txt"
uninstall_quietly "$uninstall_key" uninstall
[[ $(ls -A "$unix_folder") == mine.txt ]] || fail "the folder holds more than the user's file: $(ls -A "$unix_folder")"
for key in "$classes\\.vl" "$classes\\Velmish.Script" "$uninstall_key"; do
    ! reg_key_exists "$key" || fail "$key is still there"
done
[[ ";$(reg_data 'HKCU\Environment' Path);" != *";$folder;"* ]] || fail "PATH still holds $folder"
[[ ! -e $menu ]] || fail "the Start menu group is still there"
note "uninstalled: files, keys, PATH entry and Start menu group are gone; the user's file stayed"

# ---- for all users: the file type through Wine's shell, as a double click opens it ----
install_quietly setup-all /ALLUSERS
all_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmish'
all_folder=$(unix_path "$(reg_value "$all_key" InstallLocation)")
[[ -f $all_folder/velint.exe ]] || fail "no velint.exe in the folder for all users, $all_folder"
expect_opened open-all "start /wait $(windows_path "$ARTIFACTS/opened.vl")"
uninstall_quietly "$all_key" uninstall-all
[[ ! -e $all_folder ]] || fail "the folder for all users is still there: $(ls -A "$all_folder")"
for key in 'HKLM\Software\Classes\.vl' 'HKLM\Software\Classes\Velmish.Script' "$all_key"; do
    ! reg_key_exists "$key" || fail "$key is still there"
done
note "for all users: a script opens with a double click's command; uninstalled without a trace"
