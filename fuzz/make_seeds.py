#!/usr/bin/env python3
"""Writes starting inputs for the fuzz targets into OUT/TARGET, from the tree's own files.

Usage: fuzz/make_seeds.py --bin BUILD_DIR OUT

Scripts come from tests/scripts and examples/; code images and link control files are what the
velcomp of BUILD_DIR makes of them; icons are the runtime's icon, joined to a small Windows
program (tests/vellink/pe_files.py) as the icon target reads them; the editor's files are the
shipped velmish.syn and the German language file. tools/fuzz.sh merges them into fuzz/corpus.
"""

import argparse
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "vellink"))
import pe_files  # noqa: E402

MAX_SEED = 64 * 1024


def scripts():
    for folder in (ROOT / "tests" / "scripts", ROOT / "examples"):
        for path in sorted(folder.rglob("*.vl")):
            if path.stat().st_size <= MAX_SEED:
                yield path


def put(out: Path, target: str, name: str, data: bytes):
    folder = out / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def compiled(velcomp: Path, script: Path, scratch: Path):
    """The link control file velcomp writes for the script, or None when it refuses it."""
    copy = scratch / "s.vl"
    shutil.copyfile(script, copy)
    coc = scratch / "s.coc"
    coc.unlink(missing_ok=True)
    subprocess.run([str(velcomp), str(copy), "/E"], cwd=scratch, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    return coc.read_bytes() if coc.exists() else None


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="a build folder holding velcomp")
    parser.add_argument("out")
    opts = parser.parse_args()
    out = Path(opts.out)
    velcomp = Path(opts.bin).resolve() / "velcomp"
    with tempfile.TemporaryDirectory() as scratch:
        for number, script in enumerate(scripts()):
            text = script.read_bytes()
            name = f"{number:04d}_{script.stem}"
            for target in ("interpreter", "compiler", "line_scanner"):
                put(out, target, name, text)
            control = compiled(velcomp, script, Path(scratch))
            if control:
                put(out, "runtime", name, control[control.index(b"\r\n") + 2:])
                put(out, "link_control", name, control[:control.index(b"\r\n") + 2] + b"RRLR'4.3'\x01R009\x01")
    icon = (ROOT / "src" / "platform" / "win32" / "velmish.ico").read_bytes()
    program = pe_files.runtime_like_program(pe_files.velmish_like_images())
    put(out, "icon", "runtime_icon", struct.pack("<I", len(program)) + program + icon)
    put(out, "icon", "icon_only", struct.pack("<I", 0) + icon)
    put(out, "syntax_settings", "velmish.syn", (ROOT / "src" / "ide" / "velmish.syn").read_bytes())
    put(out, "language_file", "velmish.de.lng", (ROOT / "doc" / "velmish.de.lng").read_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main())
