"""Reproducers of problems the robustness runner found, kept as fixed cases so they stay tested.

A reproducer whose problem is not fixed yet carries known_problem: the runner then expects it
to fail, and reports it (and fails) once it passes, so that the mark is taken away.

1. velcomp overflowed its stack on deeply nested one-line IFs (from about 65,000 on one line
   with an 8 MB stack, 8,100 with the 1 MB stack of Windows): the translator handled the command
   after an IF condition by calling itself. It now continues with that command in a loop.
2. A linked program overflowed its stack on a code line of deeply nested R0IF (from about
   27,500 with 8 MB, 3,400 with 1 MB): decoding, executing and destroying the nested
   instructions each recursed once per R0IF. A chain of R0IF on one line is now decoded into
   its conditions in order and the one command they guard.
"""

from typing import Callable, List

CRLF = b"\r\n"
CONTROL = b"COC2;170240;;velrun.rtl;\r\n"
DEPTH = 100_000  # far above the depth at which the recursion overflowed every build


def _nested_inline_ifs() -> bytes:
    return b"IF '1' = '1' " * DEPTH + b"ECHO 'x'" + CRLF


def _nested_code_ifs() -> bytes:
    return CONTROL + b"RRLR'4.3'\x01" + b"R0IF'1'='1'" * DEPTH + b"R027'x'\x01R009\x01"


def cases(make_case: Callable) -> List:
    return [
        make_case("found1-velcomp-nested-one-line-ifs", "velcomp", _nested_inline_ifs),
        make_case("found2-program-nested-r0if", "vellink", _nested_code_ifs),
    ]
