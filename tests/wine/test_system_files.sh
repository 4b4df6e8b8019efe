#!/usr/bin/env bash
# The file system commands with their Windows meanings (system/files.vl): the shell's copy of a
# wildcard into a folder it creates, the old byte copy and rename, the shell's move (a file, a
# folder) and delete (files, wildcards, folders), FINDFILES listing "." and "..", GETFILEATT and
# LETFILEATT with READONLY, HIDDEN and NORMAL, MKDIR of nested folders, CHDIR and RMDIR. The script
# writes its findings into results.txt; what it leaves on disk is checked from the Unix side too.
# Usage: test_system_files.sh VELINT_EXE ARTIFACTS_DIR
# The whole script runs before the program ends; on a busy machine under an emulator that can take
# minutes, and the waits poll, so they cost nothing when it is quick.
EXIT_DEADLINE=${EXIT_DEADLINE:-200}
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-240}
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/system/common.sh"
begin_test "$@"

run_system_script files.vl 5
check_results files.expected

# What the commands left on disk. Wine keeps Windows' read-only attribute as a missing write permission.
expect_file src/one.txt
[[ $(tr -d '\r' <src/one.txt) == one ]] || fail "src/one.txt no longer holds 'one' after the copy onto itself"
expect_missing out
expect_file "moved logs/moved.log"
expect_missing logs
expect_missing src/three.log
expect_file renamed.txt
expect_missing old.txt
expect_missing many/one.txt
expect_directory a/b
expect_missing a/b/c
expect_directory slash
expect_missing copied.txt
[[ -w attr.txt ]] || fail "attr.txt is still read-only after LETFILEATT NORMAL"
[[ $(tr -d '\r' <attr.txt | paste -sd ' ') == "x more" ]] || fail "attr.txt holds '$(cat attr.txt)', expected the lines x and more"
