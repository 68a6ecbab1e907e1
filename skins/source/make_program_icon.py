#!/usr/bin/env python3
"""Draws the program icon (resource 128 of both programs and the tray): a dark mouse with a red
wheel and a glowing outline, at 16, 32 and 48 pixels, written as a .ico of 32-bit images.
Colours and shape are the parameters below; run with the output path."""
import struct
import sys

BODY = (28, 30, 36)
EDGE = (230, 40, 55)
WHEEL = (255, 70, 80)
SPLIT = (70, 74, 84)


def pixel(x, y, size):
    """RGBA of one pixel; coordinates are centred and scaled to a unit square."""
    u = (x + 0.5) / size * 2 - 1        # -1 .. 1, left to right
    v = (y + 0.5) / size * 2 - 1        # -1 .. 1, top to bottom
    # The body: an ellipse slightly taller than wide.
    r = (u / 0.62) ** 2 + (v / 0.9) ** 2
    if r > 1.0:
        return (0, 0, 0, 0)
    if r > 0.78:
        return EDGE + (255,)
    if abs(u) < 0.07 and -0.55 < v < -0.05:
        return WHEEL + (255,)
    if abs(u) < 0.025 and v < -0.05:
        return SPLIT + (255,)
    if -0.05 < v < 0.0:
        return SPLIT + (255,)
    return BODY + (255,)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):   # bottom-up, as BMP stores it
        row = bytearray()
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)   # alpha decides; the mask stays clear
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(sizes)))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
