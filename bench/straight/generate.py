#!/usr/bin/env python3
"""Writes the straight benchmark: a Velmish script of a given number of lines (default 20000)
without loops or jumps, so that every line is read once and run once.

Usage: generate.py [LINES] > straight.vl
       generate.py --expect [LINES]    prints the check line the script must print

Each part of ten lines defines a new variable, joins, measures, upper-cases and compares it,
with a one-line IF and a block IF that is passed over. Lines end in CR LF.
"""

import sys

PART = [
    "REM part {n}",
    "LET [a{n}] = 'text number {n}'",
    "LINKVAR [s] = [a{n}] , ' and more'",
    "GETLEN [len] = [s]",
    "CALCVAR [sum] = [sum] + [len]",
    "UPVAR [u] = [s]",
    "IF [len] > '24' CALCVAR [long] = [long] + '1'",
    "IF [u] = 'x'",
    "  ECHO 'never'",
    "ENDIF",
]
HEAD = ["LET [sum] = '0'", "LET [long] = '0'"]
TAIL = ["ECHO [sum] # ' ' # [long]"]


def parts(total):
    return (total - len(HEAD) - len(TAIL)) // len(PART)


def generate(total):
    lines = list(HEAD)
    for n in range(parts(total)):
        lines.extend(line.format(n=n) for line in PART)
    # Whole parts only; plain remarks fill up to the line count.
    while len(lines) < total - len(TAIL):
        lines.append(f"REM filler {len(lines)}")
    lines.extend(TAIL)
    return "".join(line + "\r\n" for line in lines)


def expect(total):
    # Computed here from the same parts, not by running the script.
    total_len = long_count = 0
    for n in range(parts(total)):
        length = len(f"text number {n} and more")
        total_len += length
        long_count += length > 24
    return f"{total_len} {long_count}"


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and args[0] == "--expect":
        print(expect(int(args[1]) if len(args) > 1 else 20000))
    else:
        sys.stdout.write(generate(int(args[0]) if args else 20000))
