#!/usr/bin/env python3
"""Draws the picture on the left of the installer's first and last pages (164 x 314, the size the
installer shows unscaled): the program icon's mouse, large, on the skin's dark chassis with a red
line at the foot. Written as a 24-bit .bmp; run with the output path."""
import struct
import sys

from make_program_icon import pixel
from theme import ACCENT, CHASSIS_BOTTOM, CHASSIS_TOP

WIDTH, HEIGHT = 164, 314
MOUSE = 120                 # the mouse's square, centred a little above the middle
MOUSE_TOP = 70
ACCENT_ROWS = range(HEIGHT - 40, HEIGHT - 36)


def background(y):
    t = y / (HEIGHT - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(CHASSIS_TOP, CHASSIS_BOTTOM))


def colour(x, y):
    if y in ACCENT_ROWS and 16 <= x < WIDTH - 16:
        return ACCENT
    left = (WIDTH - MOUSE) // 2
    base = background(y)
    if left <= x < left + MOUSE and MOUSE_TOP <= y < MOUSE_TOP + MOUSE:
        r, g, b, a = pixel(x - left, y - MOUSE_TOP, MOUSE)
        if a:
            return (r, g, b)
    return base


def main(path):
    row_bytes = (WIDTH * 3 + 3) // 4 * 4
    rows = []
    for y in range(HEIGHT - 1, -1, -1):   # bottom-up, as BMP stores it
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = colour(x, y)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1])
