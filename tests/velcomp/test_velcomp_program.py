#!/usr/bin/env python3
"""Tests of the velcomp program itself: console texts, exit codes, the link control file it
writes, and the hand-off to vellink and to the linked program.

Usage: test_velcomp_program.py --velcomp PATH [unittest options]

Every run gets its standard input from /dev/null, so key waits return at once, unless a test
feeds input on purpose.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

VELCOMP = ""

BANNER_FIRST_LINE = b"Velmish (c) 32-Bit v4.3.0 Compiler v1.4.1\n"
USAGE = (b"  Usage:   VELCOMP filename [options]\n\n"
         b"    /L                  Automatic link\n"
         b"    /R                  Run after compiler halt\n"
         b"    /I:filename         Link Icon [filename]\n")
FAILED = b"\n\nERROR. Compiling process failed."

WORKED_EXAMPLE = (b"LET [a] = 'Hello'\r\n%loop\r\nIF [a] = 'Hello' GOTO loop\r\nECHO 'Value: '#[a]\r\n"
                  b"IF [a] ! 'x'\r\nELSEIF [a] = 'y'\r\nELSE\r\nENDIF\r\nDEC [b], [c]\r\nEND\r\n")
WORKED_EXAMPLE_CODE = (b"RRLR'4.3'\x01R001[31]'Hello'\x01RLBLloop\x01R0IF[31]='Hello'R004loop\x01"
                       b"R027'Value: '#[31]\x01RXIF[31]!'x'\x01RXIE[31]='y'\x01RXEL\x01RXEI\x01"
                       b"R000[32][33]\x01R009\x01R009\x01")


def after_banner(out: bytes) -> bytes:
    """The output after the banner's three lines and its empty line."""
    head, sep, rest = out.partition(b"\n\n")
    assert sep, out
    return rest


class VelcompTest(unittest.TestCase):
    def setUp(self):
        self.tmp = Path(os.path.realpath(tempfile.mkdtemp(prefix="velcomp-program-")))

    def tearDown(self):
        shutil.rmtree(self.tmp, ignore_errors=True)

    def write(self, name: str, data: bytes) -> Path:
        path = self.tmp / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        return path

    def velcomp(self, *args, program=None, cwd=None, timeout=20):
        return subprocess.run([program or VELCOMP, *map(str, args)], cwd=cwd or self.tmp,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def velcomp_beside(self, *files: tuple):
        """A copy of velcomp in a folder of its own, with the given (name, text, executable) files."""
        folder = self.tmp / "bin"
        folder.mkdir(exist_ok=True)
        shutil.copy2(VELCOMP, folder / "velcomp")
        for name, text in files:
            path = folder / name
            path.write_text(text)
            path.chmod(0o755)
        return folder / "velcomp"

    # ---- command line ----

    def test_usage_without_arguments(self):
        got = self.velcomp()
        self.assertEqual(got.returncode, 0)
        self.assertTrue(got.stdout.startswith(BANNER_FIRST_LINE))
        self.assertEqual(got.stdout.count(b"\n", 0, got.stdout.index(b"  Usage:")), 4)
        self.assertEqual(after_banner(got.stdout), USAGE)
        self.assertEqual(got.stderr, b"")

    def test_unknown_option_is_reported_and_compilation_goes_on(self):
        script = self.write("prog.vl", b"ECHO 'x'\r\n")
        got = self.velcomp(script, "/x", "/l")
        self.assertEqual(got.returncode, 0)
        self.assertEqual(after_banner(got.stdout),
                         b"Error: Unknown command line option: /x\n"
                         b"Error: Unknown command line option: /l\n"
                         b"Compiling...Done\nTotal lines: 2\n")
        self.assertTrue((self.tmp / "prog.coc").exists())

    def test_orca(self):
        script = self.write("prog.vl", b"")
        got = self.velcomp(script, "/ORCA")
        self.assertEqual(got.returncode, 0)
        lines = after_banner(got.stdout).split(b"\n")
        self.assertTrue(lines[21].endswith(b"ORCAS FOREVER!!!"), lines[21])
        self.assertEqual(lines[22], b"I hope you like orcas too :) ... press any key")
        self.assertEqual(lines[23:], [b"Compiling...Done", b"Total lines: 1", b""])

    def test_missing_script(self):
        got = self.velcomp(self.tmp / "missing.vl")
        self.assertEqual(got.returncode, 1)
        self.assertEqual(after_banner(got.stdout), b"Compiling...Error in file...")
        self.assertEqual(sorted(os.listdir(self.tmp)), [])

    # ---- the link control file ----

    def test_link_control_file_bytes(self):
        script = self.write("prog.vl", WORKED_EXAMPLE)
        got = self.velcomp(script)
        self.assertEqual(got.returncode, 0)
        self.assertEqual(after_banner(got.stdout), b"Compiling...Done\nTotal lines: 11\n")
        self.assertEqual((self.tmp / "prog.coc").read_bytes(),
                         b"COC2;170240;;velrun.rtl;\r\n" + WORKED_EXAMPLE_CODE)

    def test_icon_path_in_the_third_field(self):
        script = self.write("prog.vl", b"HALT\r\n")
        got = self.velcomp(script, "/I:/some where/app.ico")
        self.assertEqual(got.returncode, 0)
        self.assertEqual((self.tmp / "prog.coc").read_bytes(),
                         b"COC2;170240;/some where/app.ico;velrun.rtl;\r\nRRLR'4.3'\x01R009\x01R009\x01")

    def test_relative_script_path(self):
        self.write("prog.vl", b"ECHO 'x'\r\n")
        got = self.velcomp("prog.vl")
        self.assertEqual(got.returncode, 0)
        self.assertTrue((self.tmp / "prog.coc").exists())

    def test_error_line_names_the_script_as_given(self):
        self.write("sub/prog.vl", b"REM\r\nfoo\r\n")
        got = self.velcomp("sub/prog.vl", "/E")
        self.assertEqual(got.returncode, 1)
        self.assertEqual(got.stderr, b"sub/prog.vl:2: error: Unknown instruction: FOO\n")

    def test_relative_path_with_a_folder(self):
        # The compiler works inside the script's folder; the path given from outside must still
        # find the script there.
        self.write("sub/prog.vl", b"ECHO 'x'\r\n")
        got = self.velcomp("sub/prog.vl")
        self.assertEqual(got.returncode, 0, got.stdout)
        self.assertTrue((self.tmp / "sub" / "prog.coc").exists())
        self.assertFalse((self.tmp / "prog.coc").exists())

    def test_file_names_keep_their_case(self):
        script = self.write("Prog.VL", b"ECHO 'x'\r\n")
        self.assertEqual(self.velcomp(script).returncode, 0)
        self.assertTrue((self.tmp / "Prog.coc").exists())
        self.assertEqual(self.velcomp(self.tmp / "prog.vl").returncode, 1)

    # ---- compile errors ----

    def check_error(self, source: bytes, report: bytes, *options):
        """The report on standard output; on standard error the same line and message as editors
        read them, the script named as it was given."""
        line, message = re.fullmatch(rb"Line (-?\d+), Error -?\d+ (.*)", report).groups()
        for line_end in (b"\r\n", b"\n"):
            with self.subTest(line_end=line_end):
                script = self.write("prog.vl", source.replace(b"\r\n", line_end))
                got = self.velcomp(script, *options)
                self.assertEqual(got.returncode, 1)
                self.assertEqual(after_banner(got.stdout), b"Compiling...\n" + report + FAILED)
                self.assertEqual(got.stderr, str(script).encode() + b":" + line + b": error: " + message + b"\n")
                self.assertFalse((self.tmp / "prog.coc").exists())

    def test_error_0_parse_error(self):
        self.check_error(b"REM\r\nLET [a] =\r\nECHO 'x'\r\n", b"Line 2, Error 0 Parse error")
        self.check_error(b"REM\r\nREM\r\nGOTO\r\nx\r\n", b"Line 3, Error 0 Parse error", "/E")
        self.check_error(b"ECHO 'a\x01b'\r\n", b"Line 0, Error 0 Parse error")

    def test_error_1_unknown_instruction(self):
        self.check_error(b"REM\r\nREM\r\nfoo\r\n", b"Line 3, Error 1 Unknown instruction: FOO")
        # Text after END is compiled like any other.
        self.check_error(b"END\r\nfoo\r\n", b"Line 2, Error 1 Unknown instruction: FOO")

    def test_error_2_label_not_found(self):
        self.check_error(b"REM\r\nGOTO nowhere\r\nECHO 'x'\r\n", b"Line 2, Error 2 Label not found: nowhere")

    def test_error_3_double_label(self):
        self.check_error(b"%a\r\nREM\r\n%a\r\n", b"Line 3, Error 3 Double label definition: a")

    def test_error_10_unbalanced_block(self):
        self.check_error(b"ECHO 'x'\r\nENDIF\r\n", b"Line 2, Error 10 Unknown error; Errorcode")

    def test_error_waits_for_a_key_unless_e(self):
        script = self.write("prog.vl", b"foo\r\n")
        for options, waits in (((), True), (("/E",), False)):
            with self.subTest(options=options):
                proc = subprocess.Popen([VELCOMP, str(script), *options], cwd=self.tmp, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE)
                time.sleep(0.5)
                self.assertEqual(proc.poll() is None, waits)
                out, _ = proc.communicate(b"k", timeout=20)
                self.assertEqual(proc.returncode, 1)
                self.assertTrue(out.endswith(FAILED))
                self.assertFalse((self.tmp / "prog.coc").exists())

    # ---- link hand-off ----

    def test_link_without_vellink_fails_and_keeps_the_code(self):
        velcomp = self.velcomp_beside()
        script = self.write("prog.vl", b"ECHO 'x'\r\n")
        got = self.velcomp(script, "/L", "/R", program=velcomp)
        self.assertEqual(got.returncode, 1)
        self.assertEqual(after_banner(got.stdout),
                         b"Compiling...Done\nTotal lines: 2\nAutomatic link...\nError: linker not found: "
                         + str(velcomp.parent / "vellink").encode() + b"\nThe compiled code is kept in "
                         + str(script.with_suffix(".coc")).encode() + b".\n")
        self.assertTrue((self.tmp / "prog.coc").exists())
        self.assertFalse((self.tmp / "prog.exe").exists())

    def test_link_and_run(self):
        log = self.tmp / "log"
        # A stand-in for vellink: notes its working directory, its arguments and the file it was
        # given, and writes a program next to that file which notes that it ran.
        stand_in = f"""#!/bin/sh
printf '%s|' "$(pwd -P)" "$@" >> '{log}'
cat "$1" > '{self.tmp}/given.coc'
program="${{1%.coc}}.exe"
printf '#!/bin/sh\\necho ran >> "{log}"\\n' > "$program"
chmod +x "$program"
"""
        velcomp = self.velcomp_beside(("vellink", stand_in))
        work = self.tmp / "work"
        self.write("work/prog.vl", b"ECHO 'x'\r\n")
        runs = (
            # options, script argument, working directory, what the log must say
            (("/L",), "prog.vl", work, f"{work}|prog.coc|"),
            (("/L", "/R"), "prog.vl", work, f"{work}|prog.coc|ran\n"),
            (("/R", "/L"), str(work / "prog.vl"), self.tmp, f"{work}|{work}/prog.coc|ran\n"),
            (("/R",), "prog.vl", work, ""),
        )
        for options, script, cwd, expected_log in runs:
            with self.subTest(options=options, script=script):
                for leftover in (log, work / "prog.exe", work / "prog.coc"):
                    if leftover.exists():
                        leftover.unlink()
                got = self.velcomp(script, *options, program=velcomp, cwd=cwd)
                self.assertEqual(got.returncode, 0)
                linked = "/L" in options
                self.assertEqual(got.stdout.endswith(b"Automatic link...\n"), linked)
                self.assertEqual(log.read_text() if log.exists() else "", expected_log)
                self.assertEqual((work / "prog.coc").exists(), not linked)
        self.assertEqual((self.tmp / "given.coc").read_bytes(),
                         b"COC2;170240;;velrun.rtl;\r\nRRLR'4.3'\x01R027'x'\x01R009\x01")


def main():
    global VELCOMP
    args = sys.argv[1:]
    if len(args) < 2 or args[0] != "--velcomp":
        print(__doc__, file=sys.stderr)
        return 2
    VELCOMP = os.path.realpath(args[1])
    result = unittest.main(argv=[sys.argv[0], *args[2:]], exit=False)
    return 0 if result.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
