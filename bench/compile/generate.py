#!/usr/bin/env python3
"""Writes a Velmish script of a given number of lines (default 10000) for timing velcomp.

Usage: generate.py [LINES] > big.vl

The script mixes the commands a real script uses: assignments with joined values, block and
inline IFs, REPEAT/UNTIL loops, subroutines with labels and jumps, string and file commands,
comments, and a growing set of variable names, so that every part of the translator and its
tables is exercised. Lines end in CR LF. It only has to compile; it is not meant to be run.
"""

import sys

# Blocks of lines; {n} is a running number, so names and labels stay distinct.
BLOCKS = [
    ["REM block {n}: assignments and joins",
     "LET [name{n}] = 'value '#[name{p}]#' and more'",
     "LET [plain{n}] = unquoted text number {n}",
     "LINKVAR [joined{n}] = [name{n}] + ', ' + [plain{n}]"],
    ["IF [name{n}] = 'x' | [plain{n}] ! 'y' & [count] < '{n}'",
     "  ECHO 'inside block {n}'",
     "ELSEIF [name{n}] > 'm'",
     "  CALCVAR [count] = [count] + '1' * '2'",
     "ELSE",
     "  MSGBOX 'Title {n}', 'Text '#[count], '4'",
     "ENDIF"],
    ["IF [count] = '{n}' GOSUB sub{n}",
     "REPEAT",
     "  CALCVAR [i{n}] = [i{n}] + '1'",
     "  GETLEN [len] = [joined{n}]",
     "UNTIL [i{n}] > '3'"],
    ["GOTO skip{n}",
     "%sub{n}",
     "  UPVAR [upper{n}] = [name{n}]",
     "  COPYVAR [part] = [upper{n}] : '2', '3'",
     "  GETPOS [pos] = [upper{n}] : 'A'",
     "RESUME",
     "%skip{n}"],
    ["READFILE [line{n}] = 'data{n}.txt' : '1'",
     "WRITEFILE 'out.txt', [line{n}]#[new_line]",
     "FILEEXISTS data{n}.txt",
     "IF [errorcode] = '0' ECHO 'found '#[line{n}]",
     "INPUTBOX [answer{n}] = 'Prompt {n}', 'Title', 'default'"],
]


def generate(total: int) -> str:
    lines = []
    n = 0
    # Whole rounds of blocks only, so that every jump keeps its label; simple lines fill the rest.
    while True:
        round_lines = [line.format(n=n, p=max(n - 1, 0)) for block in BLOCKS for line in block]
        if len(lines) + len(round_lines) > total:
            break
        lines.extend(round_lines)
        n += 1
    while len(lines) < total:
        lines.append(f"ECHO 'filler '#[name0]#' {len(lines)}'")
    return "".join(line + "\r\n" for line in lines)


if __name__ == "__main__":
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    sys.stdout.write(generate(count))
