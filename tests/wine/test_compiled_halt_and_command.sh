#!/usr/bin/env bash
# A compiled program's command line and HALT: [command] is the text after the program's name as
# Windows passes it, blanks inside kept; [ownname] is the program's full path; HALT ends the program
# with exit code 0 and runs nothing after it. Compiled code has no exit code for HALT: the compiler
# refuses HALT with a value. velcomp /R starts the linked program without arguments.
# Usage: test_compiled_halt_and_command.sh VELCOMP_EXE VELLINK_EXE VELRUN_RTL ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_compiled_test "$@"

# ---- HALT with a value does not compile ----
compiler_folder refused
write_script "$FOLDER/prog.vl" "ECHO 'never'" "HALT 5"
compile compile_halt_value "$FOLDER" 1 prog.vl /L /E
grep -q "Line 2, Error 1 Unknown instruction: 5" "$PROGRAM_LOG" ||
    fail "no compile error for the value after HALT: $(tr -d '\r' <"$PROGRAM_LOG")"
[[ ! -e $FOLDER/prog.exe && ! -e $FOLDER/prog.coc ]] || fail "a refused script left prog.exe or prog.coc behind"

# ---- /R: velcomp runs the program it linked, with an empty command line ----
compiler_folder program
program=$FOLDER/prog.exe
write_script "$FOLDER/prog.vl" \
    "ECHO '<'#[command]#'>'" \
    "ECHO [ownname]" \
    "HALT" \
    "ECHO 'after HALT'"
start_program "$FOLDER/velcomp.exe" "$(windows_path "$FOLDER/prog.vl")" /L /R /E
answer_box "Velmish Echo" "<>" "OK" Return 01-run-by-velcomp
# velcomp starts the program under the script's path in lower case (A to Z only), which is the path
# it then has.
# shellcheck disable=SC2018,SC2019
answer_box "Velmish Echo" "$(windows_path "$program" | tr 'A-Z' 'a-z')" "OK" Return 02-ownname
expect_exit 0
grep -q 'Automatic link' "$PROGRAM_LOG" || fail "velcomp did not link: $(tr -d '\r' <"$PROGRAM_LOG")"

# ---- the command line with two blanks inside; HALT ends with 0 before the last ECHO ----
start_with_command_line "$program" "a  b"
answer_box "Velmish Echo" "<a  b>" "OK" Return 03-command
answer_box "Velmish Echo" "$(windows_path "$program")" "OK" Return 04-ownname
expect_exit 0
