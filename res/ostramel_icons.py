#!/usr/bin/env python3
"""Draws the converter's icons (two consoles, one above the other, with an arrow from the typed
number down to its conversion) and writes them as .ico files with 16, 32 and 48 pixel images.
Uses the calculator's drawing helpers; run it again after changing a drawing:
python3 res/ostramel_icons.py"""

from make_icons import BLACK, CYAN, HERE, RUST, SHADOW, WHITE, Canvas, write_icon


def digits(c, x0, y0, x1, y1, count):
    """Short black bars standing for digits, right-aligned in a console."""
    width = (x1 - x0) / (count * 1.6)
    for i in range(count):
        right = x1 - i * width * 1.6
        c.fill(right - width, y0, right, y1, BLACK)


def arrow_down(c, x, y0, y1, color, pen):
    c.line(x, y0, x, y1, color, pen)
    c.line(x - 0.12, y1 - 0.12, x, y1, color, pen)
    c.line(x + 0.12, y1 - 0.12, x, y1, color, pen)


def converter(size):
    c = Canvas(size)
    pen = max(1, size // 16)
    c.fill(0.06, 0.04, 0.98, 1.0, SHADOW)
    c.fill(0.02, 0.0, 0.94, 0.96, RUST)
    for top in (0.06, 0.62):
        c.fill(0.08, top, 0.88, top + 0.28, BLACK)
        c.fill(0.10, top + 0.02, 0.86, top + 0.26, CYAN)
    digits(c, 0.30, 0.12, 0.80, 0.28, 3 if size < 32 else 5)
    digits(c, 0.50, 0.68, 0.80, 0.84, 2 if size < 32 else 3)
    arrow_down(c, 0.48, 0.36, 0.58, WHITE, pen)
    return c


def about(size):
    c = Canvas(size)
    pen = max(1, size // 12)
    c.fill(0.0, 0.0, 1.0, 1.0, RUST)
    c.fill(0.08, 0.08, 0.92, 0.92, CYAN)
    c.line(0.20, 0.50, 0.78, 0.50, BLACK, pen)
    c.line(0.60, 0.32, 0.78, 0.50, BLACK, pen)
    c.line(0.60, 0.68, 0.78, 0.50, BLACK, pen)
    return c


if __name__ == "__main__":
    write_icon(HERE / "ostramel.ico", converter)
    write_icon(HERE / "ostramel_about.ico", about)
