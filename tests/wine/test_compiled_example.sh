#!/usr/bin/env bash
# An example script compiled on Windows does what velint does with it: subroutines.vl (subroutines
# after END, nested GOSUBs, loops inside them) compiles with velcomp.exe /L /E, and its program shows
# the same box text as velint.exe running the script, and ends with the same exit code.
# Usage: test_compiled_example.sh VELINT_EXE VELCOMP_EXE VELLINK_EXE VELRUN_RTL EXAMPLE_VL ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
(($# == 6)) || fail "usage: $(basename "$0") VELINT_EXE VELCOMP_EXE VELLINK_EXE VELRUN_RTL EXAMPLE_VL ARTIFACTS_DIR"
velint=$(realpath "$1")
example=$(realpath "$5")
begin_compiled_test "$2" "$3" "$4" "$6"
caption="Factorials and primes"

compiler_folder example
cp "$example" "$FOLDER/example.vl" || fail "cannot copy $example"
compile compile_example "$FOLDER" 0 example.vl /L /E
[[ -f $FOLDER/example.exe ]] || fail "velcomp.exe /L /E made no example.exe: $(tr -d '\r' <"$PROGRAM_LOG")"

start_program "$velint" "$(windows_path "$FOLDER/example.vl")"
wait_window "$caption"
screenshot 01-velint
read_box "$caption"
interpreted=$BOX_TEXT
[[ $interpreted == "1! = 1"* ]] || fail "velint.exe shows \"$interpreted\", not the factorials"
press_keys "$WINDOW" Return
expect_exit 0

start_program "$FOLDER/example.exe"
wait_window "$caption"
screenshot 02-compiled
read_box "$caption"
[[ $BOX_TEXT == "$interpreted" ]] || fail "the compiled example shows \"$BOX_TEXT\", velint.exe \"$interpreted\""
press_keys "$WINDOW" Return
expect_exit 0
