#!/usr/bin/env python3
"""Draws velide's images as 24-bit BMP files: the toolbar and menu strip and the about box picture.

Usage: tools/draw_velide_images.py OUTPUT_DIR

Writes OUTPUT_DIR/velide_toolbar.bmp (nine 16 by 16 images side by side, magenta as the transparent
colour, in the order new, open, save, copy, cut, paste, run, manual, find) and
OUTPUT_DIR/velide_about.bmp (209 by 145). Every pixel is drawn here, so the build needs no image files.
"""

import math
import struct
import sys
from pathlib import Path

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GRAY = (128, 128, 128)
SILVER = (192, 192, 192)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
YELLOW = (255, 255, 0)
OLIVE = (128, 128, 0)
GREEN = (0, 128, 0)
LIME = (0, 255, 0)
TEAL = (0, 128, 128)
MAROON = (128, 0, 0)


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def box(self, x0, y0, x1, y1, fill, edge=None):
        """Fills the rectangle x0..x1, y0..y1 (inclusive), with an outline when edge is given."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                border = edge is not None and (x in (x0, x1) or y in (y0, y1))
                self.dot(x, y, edge if border else fill)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def ring(self, cx, cy, radius, colour, fill=None):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x - cx, y - cy)
                if fill is not None and d < radius - 0.5:
                    self.dot(x, y, fill)
                elif abs(d - radius) < 0.6:
                    self.dot(x, y, colour)

    def write_bmp(self, path):
        row_size = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += b"\0" * (row_size - len(row))
            data += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        path.write_bytes(header + info + data)


def page(c, ox, oy, dx=0):
    """A sheet of paper with a folded corner."""
    c.box(ox + 3 + dx, oy + 1, ox + 12 + dx, oy + 14, WHITE, BLACK)
    for i in range(3):
        c.line(ox + 10 + dx + i, oy + 1, ox + 12 + dx, oy + 3 - i, SILVER)
    for y in (5, 7, 9, 11):
        c.line(ox + 5 + dx, oy + y, ox + 10 + dx, oy + y, GRAY)


def draw_new(c, ox):
    page(c, ox, 0)
    c.box(ox + 11, 10, ox + 15, 14, YELLOW)
    c.line(ox + 13, 9, ox + 13, 15, OLIVE)
    c.line(ox + 10, 12, ox + 15, 12, OLIVE)


def draw_open(c, ox):
    c.box(ox + 1, 4, ox + 7, 6, OLIVE)
    c.box(ox + 1, 6, ox + 13, 14, YELLOW, OLIVE)
    for i in range(6):
        c.line(ox + 4 + i, 9, ox + 15, 9, OLIVE)
    c.line(ox + 12, 1, ox + 14, 3, BLACK)
    c.line(ox + 14, 3, ox + 14, 6, BLACK)


def draw_save(c, ox):
    c.box(ox + 1, 1, ox + 14, 14, NAVY, BLACK)
    c.box(ox + 4, 2, ox + 11, 7, WHITE)
    c.box(ox + 4, 10, ox + 11, 14, SILVER)
    c.box(ox + 9, 11, ox + 10, 13, NAVY)


def draw_copy(c, ox):
    c.box(ox + 1, 1, ox + 9, 11, WHITE, BLACK)
    c.box(ox + 6, 4, ox + 14, 14, WHITE, NAVY)
    for y in (7, 9, 11):
        c.line(ox + 8, y, ox + 12, y, GRAY)


def draw_cut(c, ox):
    c.line(ox + 4, 1, ox + 9, 9, BLACK)
    c.line(ox + 11, 1, ox + 6, 9, BLACK)
    c.ring(ox + 4.5, 12, 2.5, MAROON)
    c.ring(ox + 10.5, 12, 2.5, MAROON)


def draw_paste(c, ox):
    c.box(ox + 1, 2, ox + 11, 14, OLIVE, BLACK)
    c.box(ox + 4, 1, ox + 8, 3, SILVER, BLACK)
    c.box(ox + 7, 6, ox + 14, 15, WHITE, NAVY)
    for y in (9, 11, 13):
        c.line(ox + 9, y, ox + 12, y, GRAY)


def draw_run(c, ox):
    for y in range(2, 14):
        half = 6 - abs(y - 8) if abs(y - 8) <= 6 else 0
        c.line(ox + 4, y, ox + 4 + 2 * half, y, GREEN)
    c.line(ox + 4, 2, ox + 4, 14, BLACK)
    c.line(ox + 4, 2, ox + 13, 8, BLACK)
    c.line(ox + 4, 14, ox + 13, 8, BLACK)
    c.dot(ox + 6, 6, LIME)
    c.dot(ox + 6, 7, LIME)


def draw_manual(c, ox):
    c.box(ox + 2, 1, ox + 13, 14, NAVY, BLACK)
    c.box(ox + 4, 13, ox + 13, 14, WHITE)
    for x, y in ((6, 4), (7, 3), (8, 3), (9, 3), (10, 4), (10, 5), (9, 6), (8, 7), (8, 8), (8, 10)):
        c.dot(ox + x, y, YELLOW)


def draw_find(c, ox):
    c.ring(ox + 6, 6, 4.2, BLACK, fill=(170, 220, 255))
    for i in range(4):
        c.line(ox + 9 + i, 10 + i, ox + 10 + i, 10 + i, MAROON)
        c.line(ox + 9 + i, 11 + i, ox + 10 + i, 11 + i, MAROON)


TOOLBAR = [draw_new, draw_open, draw_save, draw_copy, draw_cut, draw_paste, draw_run, draw_manual, draw_find]


def toolbar():
    c = Canvas(16 * len(TOOLBAR), 16, MAGENTA)
    for index, draw in enumerate(TOOLBAR):
        draw(c, 16 * index)
    return c


def about():
    """A sky-blue gradient with a large V built of script lines, and a gear of teal dots."""
    width, height = 209, 145
    c = Canvas(width, height, WHITE)
    for y in range(height):
        for x in range(width):
            t = y / height
            c.dot(x, y, (int(20 + 40 * t), int(60 + 90 * t), int(140 + 100 * t)))
    # Lines of "code" in the background.
    for row, length in enumerate((120, 80, 150, 60, 110, 90, 140, 70, 100, 130, 50, 115, 85)):
        y = 10 + row * 10
        c.box(12, y, 12 + length, y + 2, (90, 140, 200))
    # The V: two thick strokes.
    for thickness in range(-6, 7):
        c.line(60 + thickness, 20, 104 + thickness // 2, 125, WHITE)
        c.line(148 + thickness, 20, 104 + thickness // 2, 125, WHITE)
    for thickness in range(-2, 3):
        c.line(60 + thickness, 20, 104, 125, (255, 200, 40))
    # A gear: the desktop's machinery turned by a script.
    for angle in range(0, 360, 30):
        r = math.radians(angle)
        c.box(int(170 + 20 * math.cos(r)) - 3, int(110 + 20 * math.sin(r)) - 3,
              int(170 + 20 * math.cos(r)) + 3, int(110 + 20 * math.sin(r)) + 3, TEAL)
    c.ring(170, 110, 16, TEAL, fill=TEAL)
    c.ring(170, 110, 6, WHITE, fill=(40, 100, 180))
    return c


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    toolbar().write_bmp(out / "velide_toolbar.bmp")
    about().write_bmp(out / "velide_about.bmp")
    return 0


if __name__ == "__main__":
    sys.exit(main())
