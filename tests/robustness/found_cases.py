"""Reproducers of problems the robustness runner found, kept as fixed cases so they stay tested.

A reproducer whose problem is not fixed yet carries known_problem: the runner then expects it
to fail, and reports it (and fails) once it passes, so that the mark is taken away.

1. velcomp overflows its stack on deeply nested one-line IFs. The translator handles an inline
   command after an IF condition by calling itself (Translator::translateIf and
   Translator::translateKeyword, src/compiler/translator.cpp:98), one pair of frames per IF.
   With an 8 MB stack it crashes (SIGSEGV; ASan: stack-overflow) from about 65,000 nested IFs
   on one line, with a 1 MB stack (the Windows default) from about 8,100. velint runs the same
   line without trouble.
2. A linked program overflows its stack on a code line with deeply nested R0IF. The decoder
   reads the inline command of R0IF by calling itself (runtime::decodeInstruction,
   src/runtime/instruction.cpp:136), one frame per R0IF; executing (Executor::execute on
   inlineCommand) and destroying the nested Instruction chain recurse the same way. With an
   8 MB stack it crashes from about 27,500 nested R0IF, with a 1 MB stack from about 3,400.
   velcomp writes such a line for every script line of nested one-line IFs.
"""

from typing import Callable, List

CRLF = b"\r\n"
CONTROL = b"COC2;170240;;velrun.rtl;\r\n"
DEPTH = 100_000  # far above the limits of every build, so the case fails until the fix
CRASH = r"signal 11 \(SIGSEGV\)|stack-overflow"  # how the problem shows: a crash, not something else


def _nested_inline_ifs() -> bytes:
    return b"IF '1' = '1' " * DEPTH + b"ECHO 'x'" + CRLF


def _nested_code_ifs() -> bytes:
    return CONTROL + b"RRLR'4.3'\x01" + b"R0IF'1'='1'" * DEPTH + b"R027'x'\x01R009\x01"


# Fixed cases of the general lists that the reproducers below stand for.
REPLACED = {
    "fixed-velcomp-inline-ifs-100000-true",
    "fixed-velcomp-inline-ifs-100000-false",
    "fixed-vellink-code-nested-ifs-100000",
}


def cases(make_case: Callable) -> List:
    return [
        make_case("bug1-velcomp-stack-overflow-nested-one-line-ifs", "velcomp", _nested_inline_ifs,
                  known_problem="velcomp: stack overflow translating 100,000 nested one-line IFs",
                  known_sign=CRASH),
        make_case("bug2-program-stack-overflow-nested-r0if", "vellink", _nested_code_ifs,
                  known_problem="linked program: stack overflow decoding 100,000 nested R0IF",
                  known_sign=CRASH),
    ]
