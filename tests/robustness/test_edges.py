#!/usr/bin/env python3
"""Defined behaviour at the edges, one case per run.

Usage: test_edges.py --bin DIR CASE

  damaged     a compiled program whose code is cut off, has bytes appended or changed ends with
              exit code 0 or 1, never by a signal or a hang; code without its end marker is not
              run: the damaged-program box and exit code 1
  memory      a script that doubles a variable until memory runs out (under an address-space
              limit) ends with the error box and exit code 1, in velint and compiled
  lines, long_line, nested_ifs, labels
              10 million lines, a line of 100 MB, 100,000 nested one-line IFs, 10,000 labels:
              velint and the compiled program run them to their end

A compiled program here is velrun.rtl followed by the code velcomp /E writes, as vellink joins them.
"""

import argparse
import random
import resource
import subprocess
import sys
import tempfile
from pathlib import Path

TIMEOUT = 60
DAMAGED_BOX = b"[VL4] The program is damaged: its code is incomplete.\n"
LOOPING = b"""LET [n] = '0'
REPEAT
  CALCVAR [n] = [n] + '1'
  IF [n] = '3' GOSUB Show
UNTIL [n] = '5'
END
%Show
ECHO 'three'
RESUME
"""
# Changed bytes cannot all be recognised: the program runs what is left, and a changed loop
# condition may loop for ever as a script can. The program for changed bytes therefore only jumps
# forward, so whatever a change makes of it must end.
FORWARD = b"""LET [n] = '1'
CALCVAR [n] = [n] + '2'
IF [n] = '3' GOSUB Show
IF [n] ! '3' ECHO 'not three'
GOTO Done
ECHO 'skipped'
%Show
ECHO 'three'
RESUME
%Done
ECHO 'done'
"""


class Edges:
    def __init__(self, bin_dir: Path, folder: Path):
        self.bin = bin_dir
        self.folder = folder
        self.runtime = (bin_dir / "velrun.rtl").read_bytes()

    def run(self, argv, limit_memory=0):
        def limits():
            if limit_memory:
                resource.setrlimit(resource.RLIMIT_AS, (limit_memory, limit_memory))
        return subprocess.run(argv, cwd=self.folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, timeout=TIMEOUT, preexec_fn=limits)

    def code_of(self, script: bytes) -> bytes:
        (self.folder / "s.vl").write_bytes(script)
        done = self.run([str(self.bin / "velcomp"), "s.vl", "/E"])
        assert done.returncode == 0, f"velcomp: exit code {done.returncode}: {done.stderr[-300:]!r}"
        control = (self.folder / "s.coc").read_bytes()
        return control[control.index(b"\r\n") + 2:]

    def run_program(self, code: bytes, limit_memory=0):
        program = self.folder / "p.exe"
        program.write_bytes(self.runtime + code)
        program.chmod(0o755)
        return self.run([str(program)], limit_memory)

    def run_both(self, script: bytes, limit_memory=0):
        """velint's and the compiled program's runs of the script."""
        code = self.code_of(script)
        return self.run([str(self.bin / "velint"), "s.vl"], limit_memory), self.run_program(code, limit_memory)


def check(condition, text):
    if not condition:
        print("FAILED: " + text)
        sys.exit(1)


def damaged(edges: Edges):
    code = edges.code_of(LOOPING)
    check(edges.run_program(code).returncode == 0, "the intact program does not end with exit code 0")
    rng = random.Random(13)
    cuts = sorted(set(range(1, len(code), 8)) | {len(code) - 1, len(code) - 3, len(code) - 5})
    variants = [("cut at %d" % cut, code[:cut]) for cut in cuts]
    variants += [("garbage appended", code + bytes(rng.randrange(256) for _ in range(40)))]
    variants += [("end marker line appended twice", code + b"R009\x01")]
    forward = edges.code_of(FORWARD)
    for round_ in range(24):
        changed = bytearray(forward)
        for _ in range(rng.randrange(1, 4)):
            changed[rng.randrange(len(changed))] = rng.randrange(256)
        variants.append(("bytes changed, round %d" % round_, bytes(changed)))
    for name, variant in variants:
        done = edges.run_program(variant)
        check(done.returncode in (0, 1), f"{name}: exit code {done.returncode}")
        if not variant.endswith(b"R009\x01"):
            check(done.returncode == 1 and done.stderr == DAMAGED_BOX,
                  f"{name}: code without end marker was not refused: {done.returncode} {done.stderr!r}")


def memory(edges: Edges):
    script = b"LET [a] = 'abcdefgh'\nREPEAT\n  LET [a] = [a] # [a]\nUNTIL [a] = ''\n"
    for who, done in zip(("velint", "compiled"), edges.run_both(script, limit_memory=384 << 20)):
        check(done.returncode == 1, f"{who}: exit code {done.returncode}, expected 1")
        check(b"[ERROR]" in done.stderr, f"{who}: no error box: {done.stderr[-300:]!r}")


SIZES = {
    "lines": lambda: b"LET [a] = 'x'\r\n" * 10_000_000 + b"ECHO [a]\r\n",
    "long_line": lambda: b"LET [a] = '" + b"x" * 100_000_000 + b"'\r\nGETLEN [n] = [a]\r\nECHO [n]\r\n",
    "nested_ifs": lambda: b"IF [a] = '' " * 100_000 + b"LET [b] = 'deep'\r\nECHO [b]\r\n",
    "labels": lambda: b"".join(b"GOSUB L%d\r\n" % i for i in range(10_000)) + b"END\r\n" +
                      b"".join(b"%%L%d\r\nLET [n] = '%d'\r\nRESUME\r\n" % (i, i) for i in range(10_000)),
}


def sized(edges: Edges, case: str):
    for who, done in zip(("velint", "compiled"), edges.run_both(SIZES[case]())):
        check(done.returncode == 0, f"{who}: exit code {done.returncode}: {done.stderr[-300:]!r}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, type=Path)
    parser.add_argument("case", choices=["damaged", "memory"] + list(SIZES))
    opts = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        edges = Edges(opts.bin.resolve(), Path(folder))
        if opts.case == "damaged":
            damaged(edges)
        elif opts.case == "memory":
            memory(edges)
        else:
            sized(edges, opts.case)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
