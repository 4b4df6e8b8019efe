"""vellink from the outside: a copy of the program in a folder of its own, with a runtime file beside
it, links control files into programs; every failure has its message and exit code 1 and leaves
nothing behind.

Environment: VELLINK (the program), STANDIN_RTL (a finished stand-in runtime that prints the code
appended to it).
"""

import os
import resource
import shutil
import signal
import stat
import subprocess
import unittest

from link_folder import LinkFolderTest

CONTROL_LINE = b"COC2;170240;;velrun.rtl;\r\n"
CODE = b"RRLR'4.3'\x01R027'Hello'\x01R009\x01"


class Linking(LinkFolderTest):
    def setUp(self):
        super().setUp()
        # Every byte value, CR LF pairs and a NUL: the runtime must be copied byte for byte.
        self.runtime = bytes(range(256)) * 40 + b"\r\n\x00\r\ntrailer\r\n"
        self.write(os.path.join(self.tools, "velrun.rtl"), self.runtime)

    def control(self, data, name="prog.coc"):
        return self.write(os.path.join(self.work, name), data)

    def link(self, *arguments, limit_file_size=None, cwd=None):
        def limit():
            # A file size limit makes writes fail part way, as a full disk would.
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit_file_size, limit_file_size))

        return subprocess.run([self.vellink, *arguments], capture_output=True, text=True, cwd=cwd or self.work,
                              preexec_fn=limit if limit_file_size else None, timeout=60)

    def assertFails(self, result, message):
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertIn(message, result.stderr)
        self.assertTrue(result.stderr.startswith("vellink: "), result.stderr)
        self.assertEqual(result.stdout, "")

    def assertNothingWritten(self, *expected):
        self.assertEqual(sorted(os.listdir(self.work)), sorted(expected))

    # ---- linking ----

    def test_program_is_runtime_then_code_byte_for_byte(self):
        code = CODE + bytes(range(256)) + b"\r\n\n\r"
        control = self.control(CONTROL_LINE + code)
        result = self.link(control)
        self.assertEqual((result.returncode, result.stdout, result.stderr), (0, "", ""))
        program = os.path.join(self.work, "prog.exe")
        self.assertEqual(self.read(program), self.runtime + code)
        self.assertNothingWritten("prog.coc", "prog.exe")
        self.assertEqual(self.read(control), CONTROL_LINE + code, "the control file was changed")

    def test_program_has_execute_bits(self):
        self.assertEqual(self.link(self.control(CONTROL_LINE + CODE)).returncode, 0)
        mode = stat.S_IMODE(os.stat(os.path.join(self.work, "prog.exe")).st_mode)
        umask = os.umask(0)
        os.umask(umask)
        self.assertEqual(mode, 0o777 & ~umask)
        self.assertTrue(mode & stat.S_IXUSR)

    def test_relative_control_path_links_beside_it(self):
        os.mkdir(os.path.join(self.work, "sub"))
        self.control(CONTROL_LINE + CODE, name=os.path.join("sub", "Mixed.Name.coc"))
        self.assertEqual(self.link(os.path.join("sub", "Mixed.Name.coc")).returncode, 0)
        self.assertEqual(self.read(os.path.join(self.work, "sub", "Mixed.Name.exe")), self.runtime + CODE)

    def test_empty_code_gives_the_runtime_alone(self):
        self.assertEqual(self.link(self.control(CONTROL_LINE)).returncode, 0)
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), self.runtime)

    def test_an_older_program_is_replaced(self):
        self.write(os.path.join(self.work, "prog.exe"), b"old program" * 100000)
        self.assertEqual(self.link(self.control(CONTROL_LINE + CODE)).returncode, 0)
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), self.runtime + CODE)
        self.assertNothingWritten("prog.coc", "prog.exe")

    def test_runtime_named_in_field_four_is_used(self):
        self.write(os.path.join(self.tools, "other.rtl"), b"OTHER RUNTIME")
        control = self.control(b"COC2;1;;other.rtl;\r\n" + CODE)
        self.assertEqual(self.link(control).returncode, 0)
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), b"OTHER RUNTIME" + CODE)

    def test_runtime_is_taken_from_the_linkers_folder_not_the_working_folder(self):
        self.write(os.path.join(self.work, "velrun.rtl"), b"WRONG RUNTIME")
        self.assertEqual(self.link(self.control(CONTROL_LINE + CODE)).returncode, 0)
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), self.runtime + CODE)

    def test_icon_path_with_a_runtime_that_is_no_windows_program_is_noted_and_ignored(self):
        control = self.control(b"COC2;170240;app.ico;velrun.rtl;\r\n" + CODE)
        result = self.link(control)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr.count("\n"), 1)
        self.assertIn("vellink: note: icon app.ico ignored", result.stderr)
        self.assertIn("not a Windows program", result.stderr)
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), self.runtime + CODE)

    def test_linked_stand_in_runtime_reads_the_code_at_its_offset(self):
        # The whole chain: a runtime finished by the build, linked by vellink, finds its code.
        shutil.copy2(os.environ["STANDIN_RTL"], os.path.join(self.tools, "velrun.rtl"))
        code = CODE + b"\r\nsecond line\x01" + bytes(range(256))
        self.assertEqual(self.link(self.control(CONTROL_LINE + code)).returncode, 0)
        result = subprocess.run([os.path.join(self.work, "prog.exe")], capture_output=True, timeout=60)
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout, code)

    # ---- failures ----

    def test_no_argument(self):
        result = self.link()
        self.assertFails(result, "expected one argument, the link control file")
        self.assertIn("usage: vellink", result.stderr)

    def test_two_arguments(self):
        control = self.control(CONTROL_LINE + CODE)
        self.assertFails(self.link(control, control), "expected one argument, the link control file")
        self.assertNothingWritten("prog.coc")

    def test_missing_control_file(self):
        result = self.link("absent.coc")
        self.assertFails(result, "cannot read the link control file absent.coc: No such file or directory")
        self.assertNothingWritten()

    def test_unreadable_control_file(self):
        os.mkdir(os.path.join(self.work, "folder.coc"))
        self.assertFails(self.link("folder.coc"), "cannot read the link control file folder.coc: Is a directory")
        self.assertNothingWritten("folder.coc")

    def test_malformed_control_lines(self):
        cases = [
            (b"COC2;170240;;velrun.rtl;\n" + CODE, "no control line"),
            (b"COC1;170240;;velrun.rtl;\r\n" + CODE, 'field 1 is "COC1", expected "COC2"'),
            (b"COC2;170240;velrun.rtl;\r\n" + CODE, 'expected four fields, each ended by ";"'),
            (b"COC2;170240;;velrun.rtl\r\n" + CODE, 'the line does not end with ";"'),
            (b"COC2;abc;;velrun.rtl;\r\n" + CODE, 'field 2 is "abc", expected a decimal number'),
            (b"COC2;170240;;;\r\n" + CODE, "field 4 is empty"),
            (b"COC2;170240;;../tools/velrun.rtl;\r\n" + CODE, 'field 4 is "../tools/velrun.rtl", expected a file name without folder'),
            (b"", "no control line"),
        ]
        for data, message in cases:
            with self.subTest(control=data[:30]):
                self.control(data)
                self.assertFails(self.link("prog.coc"), "prog.coc: malformed control line: " + message)
                self.assertNothingWritten("prog.coc")

    def test_missing_runtime(self):
        os.remove(os.path.join(self.tools, "velrun.rtl"))
        result = self.link(self.control(CONTROL_LINE + CODE))
        self.assertFails(result, "runtime file " + os.path.join(self.tools, "velrun.rtl") + " not found")
        self.assertNothingWritten("prog.coc")

    def test_unreadable_runtime(self):
        os.remove(os.path.join(self.tools, "velrun.rtl"))
        os.mkdir(os.path.join(self.tools, "velrun.rtl"))
        result = self.link(self.control(CONTROL_LINE + CODE))
        self.assertFails(result, "cannot read the runtime file " + os.path.join(self.tools, "velrun.rtl"))
        self.assertNothingWritten("prog.coc")

    def test_control_file_named_like_the_program(self):
        self.assertFails(self.link(self.control(CONTROL_LINE + CODE, name="prog.exe")),
                         "the program would overwrite the link control file")
        self.assertEqual(self.read(os.path.join(self.work, "prog.exe")), CONTROL_LINE + CODE)

    def test_write_failure_part_way_leaves_no_file(self):
        # The runtime is bigger than the file size limit: the write fails in the middle.
        self.write(os.path.join(self.tools, "velrun.rtl"), os.urandom(300_000))
        old = self.write(os.path.join(self.work, "prog.exe"), b"older program")
        result = self.link(self.control(CONTROL_LINE + CODE), limit_file_size=100_000)
        self.assertFails(result, "cannot write " + old + ": File too large")
        self.assertNothingWritten("prog.coc", "prog.exe")
        self.assertEqual(self.read(old), b"older program", "the older program was touched")

    def test_program_path_taken_by_a_folder(self):
        os.mkdir(os.path.join(self.work, "prog.exe"))
        result = self.link(self.control(CONTROL_LINE + CODE))
        self.assertFails(result, "cannot write " + os.path.join(self.work, "prog.exe") + ": cannot rename")
        self.assertNothingWritten("prog.coc", "prog.exe")

    def test_folder_of_the_control_file_gone(self):
        result = self.link(os.path.join(self.work, "none", "prog.coc"))
        self.assertFails(result, "No such file or directory")
        self.assertNothingWritten()


if __name__ == "__main__":
    unittest.main(verbosity=2)
