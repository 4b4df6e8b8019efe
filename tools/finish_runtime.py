#!/usr/bin/env python3
"""Finishes the linked runtime program into velrun.rtl.

    finish_runtime.py INPUT OUTPUT

Copies INPUT (the runtime program as the linker made it), appends the text trailer, and writes the
finished file's length as ten decimal digits into the code offset record, the digits behind the
marker "VELMISH-CODE-OFFSET:". The runtime reads its code from that offset, and vellink appends the
code right behind the file, so the digits must equal the file's length. Writing them keeps the
length: they replace ten digits of the same width.

The marker must occur exactly once in the program, followed by ten zero digits and ";"; anything
else ends the script with exit code 1 and no output file. OUTPUT is written through a temporary
file and renamed into place, so a failed run leaves no half-finished runtime behind.
"""

import os
import sys
import tempfile

MARKER = b"VELMISH-CODE-OFFSET:"
DIGITS = 10
UNFINISHED = b"0" * DIGITS

RUNTIME_NAME = "velrun.rtl"
RUNTIME_VERSION = "1.7.4"
TRAILER = b"\r\n" + f"{RUNTIME_NAME} {RUNTIME_VERSION} - Velmish runtime by the Velmish developers".encode() + b"\r\n"


class FinishError(Exception):
    """A runtime program that cannot be finished; the text says why."""


def record_position(program):
    """Position of the digits behind the one marker of the program."""
    count = program.count(MARKER)
    if count != 1:
        where = "not found" if count == 0 else f"found {count} times, expected once"
        raise FinishError(f'code offset marker "{MARKER.decode()}" {where}')
    digits_at = program.index(MARKER) + len(MARKER)
    record = program[digits_at : digits_at + DIGITS + 1]
    if len(record) != DIGITS + 1 or not record[:DIGITS].isdigit() or record[DIGITS:] != b";":
        raise FinishError(f'the marker is not followed by {DIGITS} digits and ";"')
    if record[:DIGITS] != UNFINISHED:
        raise FinishError(f"the code offset record already holds {record[:DIGITS].decode()}: finished before")
    return digits_at


def finish(program):
    """The finished runtime file made of the program's bytes."""
    digits_at = record_position(program)
    finished = bytearray(program + TRAILER)
    length = len(finished)
    if length >= 10**DIGITS:
        raise FinishError(f"{length} bytes do not fit in {DIGITS} digits")
    finished[digits_at : digits_at + DIGITS] = b"%0*d" % (DIGITS, length)
    assert len(finished) == length
    return bytes(finished)


def write_in_place(path, data, mode):
    """Writes data to path through a temporary file in the same folder, renamed when complete."""
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(prefix=os.path.basename(path) + ".", suffix=".tmp", dir=folder)
    try:
        with os.fdopen(handle, "wb") as stream:
            stream.write(data)
        os.chmod(temporary, mode)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def main(arguments):
    if len(arguments) != 2:
        print("usage: finish_runtime.py INPUT OUTPUT", file=sys.stderr)
        return 1
    source, target = arguments
    try:
        with open(source, "rb") as stream:
            program = stream.read()
        finished = finish(program)
        write_in_place(target, finished, os.stat(source).st_mode & 0o7777)
    except FinishError as error:
        print(f"finish_runtime.py: {source}: {error}", file=sys.stderr)
        return 1
    except OSError as error:
        print(f"finish_runtime.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
