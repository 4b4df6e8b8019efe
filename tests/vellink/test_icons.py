"""vellink's icon replacement in Windows runtimes: the icon file's images overwrite the runtime's
own icon in place, read back with wrestool (icoutils), and the program keeps the runtime's length.

Runtimes: PE files made byte by byte (pe_files.py), and, when MinGW is installed, a small program
laid out by the real resource compiler and linker (TINY_PROGRAM) with the runtime's icon resource.

Environment: VELLINK, WRESTOOL, TINY_PROGRAM (may be empty), VELMISH_ICO.
"""

import os
import random
import subprocess
import unittest

from link_folder import LinkFolderTest

import pe_files as pe

WRESTOOL = os.environ["WRESTOOL"]
CODE = b"RRLR'4.3'\x01R027'Hello'\x01R009\x01"


def image(width, height, bits, seed):
    return (width, height, bits, pe.bitmap_image(width, height, bits, seed))


def wrestool(program, *selection):
    result = subprocess.run([WRESTOOL, "-x", *selection, program], capture_output=True, check=True)
    return result.stdout


class Icons(LinkFolderTest):
    def setUp(self):
        super().setUp()
        self.program = os.path.join(self.work, "prog.exe")

    def link(self, runtime, icon_images=None, icon_bytes=None, icon_name="app.ico"):
        """Links CODE to the runtime bytes with the icon (images, or the bytes of a file)."""
        self.runtime = runtime
        self.write(os.path.join(self.tools, "velrun.rtl"), runtime)
        if icon_images is not None:
            icon_bytes = pe.icon_file(icon_images)
        if icon_bytes is not None:
            self.write(os.path.join(self.work, icon_name), icon_bytes)
        control = self.write(os.path.join(self.work, "prog.coc"),
                             b"COC2;170240;" + icon_name.encode() + b";velrun.rtl;\r\n" + CODE)
        return subprocess.run([self.vellink, control], capture_output=True, text=True, cwd=self.work, timeout=60)

    def assertLinked(self, result):
        self.assertEqual(result.returncode, 0, result.stderr)
        linked = self.read(self.program)
        self.assertEqual(len(linked), len(self.runtime) + len(CODE), "the runtime's length changed")
        self.assertEqual(linked[len(self.runtime):], CODE)
        return linked

    def assertRefused(self, result, message):
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertIn(message, result.stderr)
        self.assertFalse(os.path.exists(self.program), "a refused link wrote the program")

    def group_images(self, name="1000"):
        """The images of the linked program's icon group, as wrestool puts them together."""
        return pe.read_icon_file(wrestool(self.program, "--type=14", "--name=" + name))

    def raw_icon(self, number):
        return wrestool(self.program, "--type=3", "--name=" + str(number), "--raw")

    # ---- replacement ----

    def test_images_of_the_same_sizes_replace_the_runtimes(self):
        new = [image(16, 16, 32, 100), image(32, 32, 32, 101)]
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        linked = self.assertLinked(result)
        self.assertEqual(result.stderr, "")
        self.assertEqual(self.group_images(), new)
        self.assertEqual(self.raw_icon(1), new[0][3])
        self.assertEqual(self.raw_icon(2), new[1][3])
        # Only the images changed: everything outside them is the runtime's.
        changed = [i for i in range(len(self.runtime)) if linked[i] != self.runtime[i]]
        for start, data in ((self.runtime.index(old[3]), old[3]) for old in pe.velmish_like_images()):
            changed = [i for i in changed if not start <= i < start + len(data)]
        self.assertEqual(changed, [])

    def test_smaller_images_of_another_depth_are_described_in_the_group(self):
        new = [image(32, 32, 4, 7), image(16, 16, 4, 8)]
        linked = self.assertLinked(self.link(pe.runtime_like_program(pe.velmish_like_images()), new))
        self.assertEqual(self.group_images(), [new[1], new[0]])
        self.assertEqual(self.raw_icon(1), new[1][3])
        self.assertEqual(self.raw_icon(2), new[0][3])
        # The rest of each image's room is cleared.
        start = self.runtime.index(pe.velmish_like_images()[0][3])
        self.assertEqual(linked[start + len(new[1][3]):start + 1128], bytes(1128 - len(new[1][3])))

    def test_same_depth_is_preferred_and_the_other_left_out_with_a_note(self):
        new = [image(16, 16, 8, 1), image(16, 16, 32, 2), image(32, 32, 32, 3)]
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        self.assertLinked(result)
        self.assertEqual(self.group_images(), [new[1], new[2]])
        self.assertIn("vellink: note: icon app.ico: its 16x16, 8 bits per pixel image is left out", result.stderr)

    def test_deepest_fitting_image_when_no_depth_matches(self):
        new = [image(16, 16, 4, 1), image(16, 16, 24, 2), image(16, 16, 8, 3)]
        runtime = pe.runtime_like_program([image(16, 16, 32, 9)])
        self.assertLinked(self.link(runtime, new))
        self.assertEqual(self.group_images(), [new[1]])

    def test_sizes_the_runtime_does_not_hold_are_left_out(self):
        new = [image(48, 48, 32, 1), image(16, 16, 32, 2), image(32, 32, 32, 3)]
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        self.assertLinked(result)
        self.assertEqual(self.group_images(), [new[1], new[2]])
        self.assertIn("its 48x48, 32 bits per pixel image is left out", result.stderr)

    def test_runtime_sizes_missing_from_the_icon_drop_out_of_the_group(self):
        new = [image(32, 32, 32, 5)]
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        self.assertLinked(result)
        self.assertEqual(self.group_images(), new)
        self.assertIn("the program's icon has no 16x16 image", result.stderr)

    def test_group_1000_is_the_runtimes_icon(self):
        other = [image(16, 16, 32, 50)]
        extra = {(pe.RT_ICON, 7): other[0][3], (pe.RT_GROUP_ICON, 1): pe.icon_group([(16, 16, 32, len(other[0][3]), 7)])}
        runtime = pe.runtime_like_program(pe.velmish_like_images(), extra=extra)
        new = [image(16, 16, 32, 60), image(32, 32, 32, 61)]
        self.assertLinked(self.link(runtime, new))
        self.assertEqual(self.group_images("1000"), new)
        self.assertEqual(self.group_images("1"), other)

    def test_first_group_without_group_1000(self):
        runtime = pe.runtime_like_program(pe.velmish_like_images(), group_name="MAINICON", first_number=20)
        new = [image(16, 16, 32, 70), image(32, 32, 32, 71)]
        self.assertLinked(self.link(runtime, new))
        self.assertEqual(self.raw_icon(20), new[0][3])
        self.assertEqual(self.raw_icon(21), new[1][3])

    def test_wide_program(self):
        new = [image(16, 16, 32, 80), image(32, 32, 32, 81)]
        self.assertLinked(self.link(pe.runtime_like_program(pe.velmish_like_images(), wide=True), new))
        self.assertEqual(self.group_images(), new)

    def test_named_resources_around_the_icon_are_skipped(self):
        extra = {("PNG", "LOGO"): b"png", (pe.RT_ICON, "NAMED"): b"x", (pe.RT_VERSION, 1): b"version"}
        runtime = pe.runtime_like_program(pe.velmish_like_images(), extra=extra)
        new = [image(16, 16, 32, 90), image(32, 32, 32, 91)]
        self.assertLinked(self.link(runtime, new))
        self.assertEqual(self.group_images(), new)

    def test_icon_path_may_name_a_folder(self):
        os.mkdir(os.path.join(self.work, "icons"))
        new = [image(16, 16, 32, 10), image(32, 32, 32, 11)]
        self.write(os.path.join(self.work, "icons", "my app.ico"), pe.icon_file(new))
        self.assertLinked(self.link(pe.runtime_like_program(pe.velmish_like_images()), icon_name="icons/my app.ico"))
        self.assertEqual(self.group_images(), new)

    # ---- refusals ----

    def test_image_too_big_for_its_room_is_refused(self):
        new = [image(16, 16, 8, 1), image(32, 32, 32, 2)]  # 1384 bytes for 1128
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        self.assertRefused(result, "vellink: icon app.ico: its 16x16, 8 bits per pixel image (1384 bytes) does not "
                           "fit in the room of the runtime's 16x16, 32 bits per pixel image (1128 bytes)")

    def test_refused_icon_leaves_an_older_program_alone(self):
        self.write(self.program, b"older program")
        new = [(32, 32, 32, pe.bitmap_image(32, 32, 32, 2) + b"more")]
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), new)
        self.assertEqual(result.returncode, 1)
        self.assertIn("(4268 bytes) does not fit", result.stderr)
        self.assertEqual(self.read(self.program), b"older program")
        self.assertEqual(sorted(os.listdir(self.work)), ["app.ico", "prog.coc", "prog.exe"])

    def test_no_image_of_a_size_the_runtime_holds(self):
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), [image(48, 48, 32, 1)])
        self.assertRefused(result, "it has no image of a size the runtime's icon holds (16x16, 32x32)")

    def test_missing_icon_file(self):
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), icon_name="absent.ico")
        self.assertRefused(result, "vellink: cannot read the icon file absent.ico: No such file or directory")

    def test_not_an_icon_file(self):
        result = self.link(pe.runtime_like_program(pe.velmish_like_images()), icon_bytes=b"GIF89a" + bytes(100))
        self.assertRefused(result, "vellink: icon app.ico: not an icon file")

    def test_runtime_without_icon(self):
        runtime = pe.windows_program({(pe.RT_VERSION, 1): b"version"})
        result = self.link(runtime, [image(16, 16, 32, 1)])
        self.assertRefused(result, "cannot place an icon in the runtime: it has no icon")

    def test_runtime_without_resources(self):
        runtime = bytearray(pe.runtime_like_program(pe.velmish_like_images()))
        runtime[0x40 + 24 + 96 + 16: 0x40 + 24 + 96 + 24] = bytes(8)  # the resource directory entry
        result = self.link(bytes(runtime), [image(16, 16, 32, 1)])
        self.assertRefused(result, "cannot place an icon in the runtime: it has no resources")

    def test_group_naming_a_missing_image(self):
        resources = {(pe.RT_ICON, 1): pe.bitmap_image(16, 16, 32, 1),
                     (pe.RT_GROUP_ICON, 1000): pe.icon_group([(16, 16, 32, 1128, 1), (32, 32, 32, 4264, 2)])}
        result = self.link(pe.windows_program(resources), [image(16, 16, 32, 1)])
        self.assertRefused(result, "the image 2 of its icon group is missing")

    def test_damaged_runtimes_are_refused_never_crash(self):
        # Cut off and scrambled runtimes: every run ends with 0 or 1, and 1 leaves nothing written.
        good = pe.runtime_like_program(pe.velmish_like_images())
        new = pe.icon_file([image(16, 16, 32, 3), image(32, 32, 32, 4)])
        rng = random.Random(1234)
        damaged = [good[:n] for n in (0x40, 0x80, 0x150, 0x200, 0x210, 0x300, 0x1100, 0x1500, len(good) - 1)]
        for _ in range(60):
            runtime = bytearray(good)
            for _ in range(rng.randint(1, 8)):
                at = rng.choice([rng.randrange(0x40, 0x200), rng.randrange(0x200, 0x400)])
                runtime[at] = rng.randrange(256)
            damaged.append(bytes(runtime))
        for runtime in damaged:
            with self.subTest(size=len(runtime)):
                if os.path.exists(self.program):
                    os.remove(self.program)
                result = self.link(runtime, icon_bytes=new)
                self.assertIn(result.returncode, (0, 1), result.stderr)
                if result.returncode == 1:
                    self.assertTrue(result.stderr.startswith("vellink: "), result.stderr)
                    self.assertFalse(os.path.exists(self.program))
                else:
                    self.assertEqual(len(self.read(self.program)), len(runtime) + len(CODE))

    # ---- a program made by the real tools ----

    def test_program_built_by_mingw(self):
        tiny = os.environ.get("TINY_PROGRAM", "")
        if not tiny:
            self.skipTest("MinGW is not installed: no program built by the real tools")
        runtime = self.read(tiny) + b"\r\nvelrun.rtl trailer\r\n"
        own = pe.read_icon_file(self.read(os.environ["VELMISH_ICO"]))
        self.assertEqual([(w, h, b) for w, h, b, _ in own], [(16, 16, 32), (32, 32, 32)])
        new = [image(32, 32, 32, 200), image(16, 16, 32, 201)]
        self.assertLinked(self.link(runtime, new))
        self.assertEqual(self.group_images(), [new[1], new[0]])
        smaller = [image(16, 16, 4, 202), image(32, 32, 8, 203)]
        os.remove(self.program)
        self.assertLinked(self.link(runtime, smaller))
        self.assertEqual(self.group_images(), smaller)


if __name__ == "__main__":
    unittest.main(verbosity=2)
