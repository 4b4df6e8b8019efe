# shellcheck shell=bash
# Shared steps of the Wine tests of the system commands, sourced after harness.sh. A script from
# tests/wine/system/ runs in the test's directory and writes what it found, one finding a line, into
# results.txt; the test compares that file with the script's .expected file beside it.

SYSTEM_SCRIPTS=$(realpath "$(dirname "${BASH_SOURCE[0]}")")

# Copies a script of tests/wine/system/ into the test directory with CR LF line ends.
copy_script() {
    local name=$1
    sed 's/\r$//; s/$/\r/' "$SYSTEM_SCRIPTS/$name" >"$name" || fail "cannot copy $name"
}

# Starts velint.exe on a copied script by its full path: the interpreter opens the script again for
# every jump back, which a relative path would break after CHDIR.
start_system_script() {
    copy_script "$1"
    start_velint "$(windows_path "$1")"
}

# Runs a script of tests/wine/system/ and checks its exit code. The scripts show no window, so the
# only thing to wait for is the end.
run_system_script() {
    start_system_script "$1"
    expect_exit "$2"
}

# Compares results.txt (CR LF lines, as WRITEFILE writes them) with the script's expectations.
check_results() {
    local expected=$SYSTEM_SCRIPTS/$1
    [[ -f results.txt ]] || fail "the script wrote no results.txt"
    tr -d '\r' <results.txt >results.lf.txt
    if ! diff -u "$expected" results.lf.txt >results.diff; then
        cat results.diff >&2
        fail "results.txt differs from $(basename "$expected") (above: - expected, + found)"
    fi
    note "results.txt holds the $(wc -l <results.lf.txt) expected lines"
}

# Fails unless the path is a directory / a regular file / missing (checked from the Unix side).
expect_directory() { [[ -d $1 ]] || fail "$1 is not a directory"; }
expect_file() { [[ -f $1 ]] || fail "$1 is not a file"; }
expect_missing() { [[ ! -e $1 ]] || fail "$1 exists"; }
