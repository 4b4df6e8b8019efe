#!/usr/bin/env bash
# A compiled program with the desktop module beside it shows the same Yes/No box as velint, and
# No gives 7 there too (compiled code has no exit code of its own, so it writes the answer).
# Usage: test_compiled.sh BUILD_DIR ARTIFACTS_DIR
source "$(dirname "$0")/desktop_harness.sh"
begin_test "$@"

mkdir -p compiler program
cp "$BUILD/velcomp" "$BUILD/vellink" "$BUILD/velrun.rtl" compiler/ || fail "cannot copy the compiler"
write_script compiler/question.vl \
    "MSGBOX 'Velmish Question', 'Go on with the test?', 'yesno'" \
    "WRITEFILE 'answer.txt', 'msgbox '#[errorcode]"
(cd compiler && VL_UI=console timeout 30 ./velcomp question.vl /L /E >compile.log 2>&1) ||
    fail "velcomp failed: $(cat compiler/compile.log)"
# A compiled program is a copy of the runtime: the module goes beside it, as an installer puts it.
cp compiler/question.exe "$MODULE" program/ || fail "velcomp made no question.exe: $(cat compiler/compile.log)"
start_program program/question.exe

show_window "Velmish Question" 01-compiled-msgbox
answer_window alt+n
expect_exit 0
expect_lines answer.txt "msgbox 7"
