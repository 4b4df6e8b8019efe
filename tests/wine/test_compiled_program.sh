#!/usr/bin/env bash
# The compile chain end to end: velcomp.exe /L /E compiles a script, starts vellink.exe from its own
# folder and deletes the link control file; the program it leaves is velrun.rtl followed by exactly
# the code that velcomp writes without /L. The program then runs: an ECHO of a text computed in a
# REPEAT loop, a CONFIRM answered No, the box that the No leads to, and exit code 0.
# Usage: test_compiled_program.sh VELCOMP_EXE VELLINK_EXE VELRUN_RTL ARTIFACTS_DIR
source "$(dirname "$0")/harness.sh"
begin_compiled_test "$@"

script=(
    "LET [n] = '0'"
    "LET [s] = 'squares'"
    "REPEAT"
    "CALCVAR [n] = [n] + '1'"
    "CALCVAR [q] = [n] * [n]"
    "LINKVAR [s] = [s], ' ', [q]"
    "UNTIL [n] = '5'"
    "ECHO [s]"
    "CONFIRM 'Go on with the squares?'"
    "IF [errorcode] = '-1' ECHO 'said no'"
)

# ---- compiled and linked ----
compiler_folder link
linked=$FOLDER
write_script "$linked/prog.vl" "${script[@]}"
compile compile_link "$linked" 0 prog.vl /L /E
grep -q 'Automatic link' "$PROGRAM_LOG" || fail "velcomp did not say it links: $(tr -d '\r' <"$PROGRAM_LOG")"
[[ ! -e $linked/prog.coc ]] || fail "velcomp left the link control file prog.coc behind"
[[ -f $linked/prog.exe ]] || fail "no prog.exe next to the script after velcomp /L"

# ---- compiled only: the link control file stays, holding the code ----
mkdir -p "$ARTIFACTS/compile_only" || fail "cannot make $ARTIFACTS/compile_only"
cp "$VELCOMP" "$ARTIFACTS/compile_only/velcomp.exe" || fail "cannot copy velcomp.exe"
write_script "$ARTIFACTS/compile_only/prog.vl" "${script[@]}"
compile compile_only "$ARTIFACTS/compile_only" 0 prog.vl /E
coc=$ARTIFACTS/compile_only/prog.coc
[[ -f $coc ]] || fail "velcomp without /L wrote no prog.coc"
[[ ! -e $ARTIFACTS/compile_only/prog.exe ]] || fail "velcomp without /L made a program"
control=$'COC2;170240;;velrun.rtl;\r\n'
head -c ${#control} "$coc" | cmp -s - <(printf '%s' "$control") ||
    fail "prog.coc does not begin with the control line: $(head -c 40 "$coc" | od -c | head -n 3)"
tail -c +$((${#control} + 1)) "$coc" >code.bin
[[ $(head -c 10 code.bin) == "RRLR'4.3'"$'\x01' ]] || fail "the code does not begin with the header line"
[[ $(tail -c 5 code.bin) == "R009"$'\x01' ]] || fail "the code does not end with the end marker"
note "prog.coc: control line and $(stat -c %s code.bin) bytes of code"

# ---- the program is the runtime followed by the code ----
runtime_size=$(stat -c %s "$VELRUN_RTL")
code_size=$(stat -c %s code.bin)
program_size=$(stat -c %s "$linked/prog.exe")
((program_size == runtime_size + code_size)) ||
    fail "prog.exe has $program_size bytes, expected $runtime_size (velrun.rtl) + $code_size (code)"
head -c "$runtime_size" "$linked/prog.exe" | cmp -s - "$VELRUN_RTL" || fail "prog.exe does not begin with velrun.rtl"
tail -c "$code_size" "$linked/prog.exe" | cmp -s - code.bin || fail "prog.exe does not end with the code of prog.coc"
note "prog.exe: velrun.rtl's $runtime_size bytes, then the $code_size bytes of code"

# ---- the program runs ----
start_program "$linked/prog.exe"
answer_box "Velmish Echo" "squares 1 4 9 16 25" "OK" Return 01-echo
answer_box "Velmish Confirmation" "Go on with the squares?" "Yes No" n 02-confirm
answer_box "Velmish Echo" "said no" "OK" Return 03-said-no
expect_exit 0
