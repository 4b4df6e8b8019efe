#!/usr/bin/env python3
"""A disk that fills up loses nothing.

Usage: test_full_disk.py --bin DIR

On a small file system (a 64 KiB tmpfs, mounted for the test; root only, skipped with exit code 77
otherwise) that is full, velint and the compiled program copy, move and append onto files there.
Every command must report -1, every old file must keep its bytes, and no new or temporary file
may be left on the full disk.
"""

import argparse
import os
import subprocess
import sys
import tempfile
from pathlib import Path

SKIPPED = 77
TIMEOUT = 60
BIG = bytes(range(256)) * 1024  # 256 KiB: more than the whole small disk
OLD = {"target.txt": b"the old text\r\n", "log.txt": b"first line\r\n", "keep/big.bin": b"the old big\r\n"}
SCRIPT = b"""REM Writes onto a full disk
COPYFILE 'big.bin', 'small/target.txt'
ECHO 'copy onto a file '#[errorcode]
COPYFILE 'big.bin', 'small/new.bin'
ECHO 'copy to a new file '#[errorcode]
COPYFILE 'tree/*', 'small/keep'
ECHO 'folder copy '#[errorcode]
RENAMEFILE 'move.bin', 'small/moved.bin'
ECHO 'move to another disk '#[errorcode]
FILEEXISTS 'move.bin'
ECHO 'source kept '#[errorcode]
READFILE [big] = 'big.txt', '1'
WRITEFILE 'small/log.txt', [big]
ECHO 'append '#[errorcode]
WRITEFILE 'small/fresh.txt', [big]
ECHO 'append to a new file '#[errorcode]
"""
EXPECTED = b"""[Velmish Echo] copy onto a file -1
[Velmish Echo] copy to a new file -1
[Velmish Echo] folder copy -1
[Velmish Echo] move to another disk -1
[Velmish Echo] source kept 0
[Velmish Echo] append -1
[Velmish Echo] append to a new file -1
"""
OLD_COPY = b"""LET [VL_UseOldFileFunctions] = '0'
COPYFILE 'big.bin', 'small/target.txt'
ECHO 'old copy onto a file '#[errorcode]
"""


def fail(text: str) -> None:
    print(f"FAIL: {text}")
    sys.exit(1)


def fill(disk: Path) -> None:
    """Writes a filler file until the disk has no room left."""
    with open(disk / "filler", "wb", buffering=0) as filler:
        try:
            while True:
                filler.write(b"f" * 512)
        except OSError:
            pass


def prepare(work: Path, disk: Path) -> None:
    (work / "big.bin").write_bytes(BIG)
    (work / "move.bin").write_bytes(BIG)
    (work / "big.txt").write_bytes(BIG.replace(b"\n", b"-").replace(b"\r", b"-") + b"\n")
    (work / "tree").mkdir()
    (work / "tree" / "big.bin").write_bytes(BIG)
    for name, content in OLD.items():
        (disk / name).parent.mkdir(exist_ok=True)
        (disk / name).write_bytes(content)
    fill(disk)


def check_disk(disk: Path, who: str) -> None:
    for name, content in OLD.items():
        if (disk / name).read_bytes() != content:
            fail(f"{who}: {name} on the full disk lost its old contents")
    left = sorted(str(p.relative_to(disk)) for p in disk.rglob("*") if p.is_file())
    if left != sorted(list(OLD) + ["filler"]):
        fail(f"{who}: the full disk holds {left}")


def run(argv, work: Path, who: str, expected: bytes) -> None:
    done = subprocess.run(argv, cwd=work, stdin=subprocess.DEVNULL, capture_output=True, timeout=TIMEOUT)
    if done.returncode != 0 or done.stdout != expected:
        fail(f"{who}: exit code {done.returncode}, output {done.stdout!r}, errors {done.stderr[-300:]!r}")


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, type=Path)
    bin_dir = parser.parse_args().bin.resolve()
    if os.geteuid() != 0:
        print("SKIPPED: mounting a small file system needs root")
        return SKIPPED
    with tempfile.TemporaryDirectory() as folder:
        work = Path(folder)
        disk = work / "small"
        disk.mkdir()
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", str(disk)]).returncode != 0:
            print("SKIPPED: no tmpfs could be mounted here")
            return SKIPPED
        try:
            (work / "s.vl").write_bytes(SCRIPT)
            (work / "old.vl").write_bytes(OLD_COPY)
            compiled = subprocess.run([str(bin_dir / "velcomp"), "s.vl", "/L"], cwd=work, capture_output=True)
            if compiled.returncode != 0:
                fail(f"velcomp: {compiled.stdout[-300:]!r}")
            prepare(work, disk)
            run([str(bin_dir / "velint"), "s.vl"], work, "velint", EXPECTED)
            check_disk(disk, "velint")
            run([str(work / "s.exe")], work, "compiled", EXPECTED)
            check_disk(disk, "compiled")
            run([str(bin_dir / "velint"), "old.vl"], work, "old copy", b"[Velmish Echo] old copy onto a file -1\n")
            check_disk(disk, "old copy")
        finally:
            subprocess.run(["umount", "-l", str(disk)])
    print("PASS: commands on a full disk report -1 and keep every old file")
    return 0


if __name__ == "__main__":
    sys.exit(main())
