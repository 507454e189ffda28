#!/usr/bin/env python3
"""Draws the calculator's icons (a small calculator with a radical sign on its console) and
writes them as .ico files with 16, 32 and 48 pixel images. Standard library only; run it again
after changing a drawing: python3 res/make_icons.py"""

import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent

RUST = (188, 83, 45, 255)  # the default console colour
CYAN = (0, 255, 255, 255)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
FACE = (212, 208, 200, 255)
SHADOW = (128, 128, 128, 255)
CLEAR = (0, 0, 0, 0)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, color):
        """Fills the box of fractions (0..1) of the icon's size."""
        s = self.size
        for y in range(round(y0 * s), round(y1 * s)):
            for x in range(round(x0 * s), round(x1 * s)):
                self.pixels[y][x] = color

    def line(self, x0, y0, x1, y1, color, width):
        s = self.size - 1
        steps = 4 * self.size
        for i in range(steps + 1):
            t = i / steps
            cx, cy = (x0 + (x1 - x0) * t) * s, (y0 + (y1 - y0) * t) * s
            for dy in range(width):
                for dx in range(width):
                    x, y = int(cx) + dx - width // 2, int(cy) + dy - width // 2
                    if 0 <= x <= s and 0 <= y <= s:
                        self.pixels[y][x] = color

    def radical(self, x0, y0, x1, y1, color, width):
        """A radical sign inside the box (x0, y0)-(x1, y1), fractions of the size."""
        w, h = x1 - x0, y1 - y0
        self.line(x0, y0 + 0.55 * h, x0 + 0.18 * w, y0 + 0.45 * h, color, width)
        self.line(x0 + 0.18 * w, y0 + 0.45 * h, x0 + 0.38 * w, y1, color, width)
        self.line(x0 + 0.38 * w, y1, x0 + 0.55 * w, y0, color, width)
        self.line(x0 + 0.55 * w, y0, x1, y0, color, width)


def calculator(size):
    c = Canvas(size)
    pen = max(1, size // 16)
    c.fill(0.06, 0.02, 0.94, 0.98, SHADOW)
    c.fill(0.04, 0.0, 0.92, 0.96, RUST)
    c.fill(0.12, 0.08, 0.84, 0.34, BLACK)
    c.fill(0.14, 0.10, 0.82, 0.32, CYAN)
    c.radical(0.24, 0.14, 0.74, 0.28, BLACK, pen)
    keys = 3 if size < 32 else 4
    gap = 0.04
    span = (0.84 - 0.12 - gap * (keys - 1)) / keys
    for row in range(3):
        for col in range(keys):
            x = 0.12 + col * (span + gap)
            y = 0.44 + row * 0.17
            c.fill(x, y, x + span, y + 0.12, WHITE if (row, col) != (2, keys - 1) else CYAN)
    return c


def about(size):
    c = Canvas(size)
    pen = max(1, size // 12)
    c.fill(0.0, 0.0, 1.0, 1.0, RUST)
    c.fill(0.08, 0.08, 0.92, 0.92, CYAN)
    c.radical(0.16, 0.24, 0.86, 0.76, BLACK, pen)
    return c


def image_bytes(canvas):
    s = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(s)):  # bottom-up
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in canvas.pixels[y]))
    mask_row = ((s + 31) // 32) * 4
    mask = bytes(mask_row * s)  # the alpha channel decides; the AND mask stays clear
    return header + b"".join(rows) + mask


def write_icon(path, draw):
    images = [image_bytes(draw(size)) for size in (16, 32, 48)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32, 48), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    path.write_bytes(out + b"".join(images))


if __name__ == "__main__":
    write_icon(HERE / "kelvarin.ico", calculator)
    write_icon(HERE / "kelvarin_about.ico", about)
