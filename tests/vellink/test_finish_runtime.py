"""The step that finishes the runtime: tools/finish_runtime.py on made-up programs, and the files
the build finished with it (the stand-in runtime and velrun.rtl itself).

Environment: FINISH_RUNTIME (the script), STANDIN_RTL and STANDIN_UNFINISHED (the stand-in runtime
finished and as linked), VELRUN_RTL and VELRUN_UNFINISHED (the same for the real runtime).
"""

import os
import re
import stat
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.environ["FINISH_RUNTIME"]
MARKER = b"VELMISH-CODE-OFFSET:"
RECORD = MARKER + b"0000000000;"
TRAILER_LINE = re.compile(rb"\r\n([^\r\n]*)\r\n$")


def finish(source, target):
    return subprocess.run([sys.executable, SCRIPT, source, target], capture_output=True, text=True)


def offset_digits(data):
    at = data.index(MARKER) + len(MARKER)
    return data[at : at + 10]


def check_finished(test, finished, unfinished):
    """finished is unfinished with the trailer behind it and its own length in the record."""
    test.assertEqual(int(offset_digits(finished)), len(finished))
    trailer = TRAILER_LINE.search(finished[len(unfinished) :])
    test.assertIsNotNone(trailer, "no trailer line between CR LF pairs")
    test.assertEqual(trailer.start(), 0, "the trailer does not follow the program directly")
    for word in (b"velrun.rtl", b"1.7.4", b"Velmish developers"):
        test.assertIn(word, trailer.group(1))
    at = unfinished.index(MARKER) + len(MARKER)
    test.assertEqual(finished[:at], unfinished[:at])
    test.assertEqual(finished[at + 10 : len(unfinished)], unfinished[at + 10 :])


class FinishScript(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def program(self, data, mode=0o755):
        path = os.path.join(self.dir, "velrun")
        with open(path, "wb") as stream:
            stream.write(data)
        os.chmod(path, mode)
        return path

    def test_writes_the_final_length_into_the_record(self):
        data = os.urandom(5000).replace(b"V", b"v") + RECORD + os.urandom(7000).replace(b"V", b"v")
        source = self.program(data)
        target = os.path.join(self.dir, "velrun.rtl")
        result = finish(source, target)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(target, "rb") as stream:
            finished = stream.read()
        check_finished(self, finished, data)
        self.assertEqual(len(finished), len(data) + len(TRAILER_LINE.search(finished).group(0)))
        with open(source, "rb") as stream:
            self.assertEqual(stream.read(), data, "the input was changed")
        self.assertEqual(sorted(os.listdir(self.dir)), ["velrun", "velrun.rtl"])

    def test_length_crossing_a_power_of_ten_keeps_its_digits_width(self):
        # Whatever the length, the record keeps ten digits: the file length must not change.
        for size in (10, 937, 99_935):
            data = RECORD + b"x" * size
            target = os.path.join(self.dir, f"out{size}.rtl")
            self.assertEqual(finish(self.program(data), target).returncode, 0)
            with open(target, "rb") as stream:
                finished = stream.read()
            self.assertEqual(int(offset_digits(finished)), len(finished))

    def test_keeps_the_mode_of_the_program(self):
        target = os.path.join(self.dir, "velrun.rtl")
        self.assertEqual(finish(self.program(RECORD, 0o751), target).returncode, 0)
        self.assertEqual(stat.S_IMODE(os.stat(target).st_mode), 0o751)

    def test_replaces_an_older_output(self):
        target = os.path.join(self.dir, "velrun.rtl")
        with open(target, "wb") as stream:
            stream.write(b"old" * 100000)
        self.assertEqual(finish(self.program(b"abc" + RECORD), target).returncode, 0)
        with open(target, "rb") as stream:
            check_finished(self, stream.read(), b"abc" + RECORD)

    def refused(self, data, message):
        target = os.path.join(self.dir, "velrun.rtl")
        result = finish(self.program(data), target)
        self.assertEqual(result.returncode, 1)
        self.assertIn(message, result.stderr)
        self.assertEqual(os.listdir(self.dir), ["velrun"], "a refused program left files behind")

    def test_missing_marker_is_refused(self):
        self.refused(b"no record here" * 100, '"VELMISH-CODE-OFFSET:" not found')

    def test_doubled_marker_is_refused(self):
        self.refused(RECORD + b"between" + RECORD, "found 2 times, expected once")

    def test_marker_without_ten_digits_is_refused(self):
        self.refused(MARKER + b"00000x0000;", 'not followed by 10 digits and ";"')
        self.refused(MARKER + b"0000000000:", 'not followed by 10 digits and ";"')
        self.refused(b"abc" + MARKER + b"00000", 'not followed by 10 digits and ";"')

    def test_a_finished_program_is_not_finished_again(self):
        self.refused(MARKER + b"0000000123;", "already holds 0000000123")

    def test_missing_input_and_wrong_arguments(self):
        result = finish(os.path.join(self.dir, "none"), os.path.join(self.dir, "out"))
        self.assertEqual(result.returncode, 1)
        self.assertIn("No such file", result.stderr)
        result = subprocess.run([sys.executable, SCRIPT], capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("usage", result.stderr)


class FinishedByTheBuild(unittest.TestCase):
    """The files the build finished with the script, and the unfinished programs it kept aside."""

    def check_build(self, finished_path, unfinished_path):
        with open(finished_path, "rb") as stream:
            finished = stream.read()
        with open(unfinished_path, "rb") as stream:
            unfinished = stream.read()
        self.assertEqual(offset_digits(unfinished), b"0000000000")
        check_finished(self, finished, unfinished)
        self.assertTrue(os.access(finished_path, os.X_OK))
        self.assertEqual(os.path.basename(os.path.dirname(unfinished_path)), "unfinished")

    def test_stand_in_runtime(self):
        self.check_build(os.environ["STANDIN_RTL"], os.environ["STANDIN_UNFINISHED"])

    def test_stand_in_reads_its_offset_as_its_own_length(self):
        # Nothing lies behind the offset in the runtime file itself; the unfinished program
        # reports that it has no offset.
        result = subprocess.run([os.environ["STANDIN_RTL"]], capture_output=True)
        self.assertEqual((result.returncode, result.stdout), (0, b""))
        self.assertEqual(subprocess.run([os.environ["STANDIN_UNFINISHED"]]).returncode, 2)

    def test_velrun_rtl(self):
        self.check_build(os.environ["VELRUN_RTL"], os.environ["VELRUN_UNFINISHED"])
        build = os.path.dirname(os.environ["VELRUN_RTL"])
        self.assertFalse(os.path.exists(os.path.join(build, "velrun")), "the unfinished velrun lies next to the programs")


if __name__ == "__main__":
    unittest.main(verbosity=2)
