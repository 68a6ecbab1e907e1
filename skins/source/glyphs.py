"""Symbols drawn on buttons without a caption, and a 5 x 7 pixel font for digits and short labels.

Every glyph is drawn centred on (cx, cy) in a box of about s pixels, in one colour, with the
primitives of raster.Canvas. GLYPHS maps the names used in layout.py to the drawing functions.
"""
import math

FONT = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "J": ["00111", "00010", "00010", "00010", "00010", "10010", "01100"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "Z": ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    " ": ["00000"] * 7,
}


def text_width(text, px=1, gap=1):
    return len(text) * (5 * px + gap) - gap if text else 0


def text(canvas, x, y, s, colour, px=1, gap=1, alpha=255):
    """Pixel text with its top-left corner at (x, y); each font dot is px x px."""
    for ch in s:
        rows = FONT.get(ch, FONT[" "])
        for r, bits in enumerate(rows):
            c = 0
            while c < 5:
                if bits[c] == "1":
                    e = c
                    while e < 5 and bits[e] == "1":
                        e += 1
                    for k in range(px):
                        canvas.blend_span(y + r * px + k, x + c * px, x + e * px, colour, alpha)
                    c = e
                else:
                    c += 1
        x += 5 * px + gap


def text_centred(canvas, cx, cy, s, colour, px=1, gap=1, alpha=255):
    text(canvas, int(round(cx - text_width(s, px, gap) / 2)), int(round(cy - 7 * px / 2)), s,
         colour, px, gap, alpha)


# --- symbols --------------------------------------------------------------------------------------
def close(c, cx, cy, s, col):
    d = s * 0.32
    w = max(1.6, s / 7)
    c.line(cx - d, cy - d, cx + d, cy + d, w, col)
    c.line(cx - d, cy + d, cx + d, cy - d, w, col)


def minimise(c, cx, cy, s, col):
    w = max(2, int(s / 7))
    c.rect(int(cx - s * 0.32), int(cy + s * 0.18), int(s * 0.64), w, col)


def plus(c, cx, cy, s, col):
    w = max(2, int(s / 6))
    a = int(s * 0.34)
    c.rect(int(cx - a), int(cy - w / 2), 2 * a, w, col)
    c.rect(int(cx - w / 2), int(cy - a), w, 2 * a, col)


def check(c, cx, cy, s, col):
    w = max(1.8, s / 6)
    c.line(cx - s * 0.34, cy, cx - s * 0.08, cy + s * 0.26, w, col)
    c.line(cx - s * 0.12, cy + s * 0.28, cx + s * 0.36, cy - s * 0.26, w, col)


def chevron_down(c, cx, cy, s, col):
    c.polygon([(cx - s * 0.3, cy - s * 0.15), (cx + s * 0.3, cy - s * 0.15), (cx, cy + s * 0.2)], col)


def tray(c, cx, cy, s, col):
    w = max(2, int(s / 8))
    x0, x1 = int(cx - s * 0.38), int(cx + s * 0.38)
    yb = int(cy + s * 0.34)
    c.rect(x0, yb - w, x1 - x0, w, col)
    c.rect(x0, int(cy + s * 0.08), w, yb - int(cy + s * 0.08), col)
    c.rect(x1 - w, int(cy + s * 0.08), w, yb - int(cy + s * 0.08), col)


def import_(c, cx, cy, s, col):
    """Arrow down into a tray."""
    tray(c, cx, cy, s, col)
    w = max(2, int(s / 7))
    c.rect(int(cx - w / 2), int(cy - s * 0.42), w, int(s * 0.36), col)
    c.polygon([(cx - s * 0.22, cy - s * 0.1), (cx + s * 0.22, cy - s * 0.1), (cx, cy + s * 0.16)], col)


def export(c, cx, cy, s, col):
    """Arrow up out of a tray."""
    tray(c, cx, cy, s, col)
    w = max(2, int(s / 7))
    c.rect(int(cx - w / 2), int(cy - s * 0.2), w, int(s * 0.38), col)
    c.polygon([(cx - s * 0.22, cy - s * 0.16), (cx + s * 0.22, cy - s * 0.16), (cx, cy - s * 0.44)], col)


def pencil(c, cx, cy, s, col):
    w = s * 0.2
    c.line(cx - s * 0.22, cy + s * 0.22, cx + s * 0.26, cy - s * 0.26, w, col)
    c.polygon([(cx - s * 0.38, cy + s * 0.38), (cx - s * 0.32, cy + s * 0.14),
               (cx - s * 0.14, cy + s * 0.32)], col)


def globe(c, cx, cy, s, col):
    r = s * 0.4
    c.ring(cx, cy, r, max(1.4, s / 12), col)
    c.rect(int(cx - r), int(cy), int(2 * r), 1, col)
    c.rect(int(cx), int(cy - r), 1, int(2 * r), col)
    for y in range(int(cy - r), int(cy + r) + 1):
        d = r * r - (y + 0.5 - cy) ** 2
        if d > 0:
            half = math.sqrt(d) * 0.5
            c.put(int(round(cx - half)), y, col)
            c.put(int(round(cx + half)), y, col)


def reset(c, cx, cy, s, col):
    """A three-quarter circle ending in an arrowhead: back to the defaults."""
    r = s * 0.3
    w = max(1.6, s / 8)
    first, last = -50, 200
    pts = [(cx + r * math.cos(math.radians(k)), cy + r * math.sin(math.radians(k)))
           for k in range(first, last + 1, 10)]
    for p, q in zip(pts, pts[1:]):
        c.line(p[0], p[1], q[0], q[1], w, col)
    a = math.radians(last)
    px, py = pts[-1]
    tx, ty = -math.sin(a), math.cos(a)     # direction the arc runs in
    nx, ny = math.cos(a), math.sin(a)      # outward
    head = s * 0.26
    c.polygon([(px + tx * head, py + ty * head), (px + nx * head, py + ny * head),
               (px - nx * head, py - ny * head)], col)


def folder(c, cx, cy, s, col):
    x0, y0 = int(cx - s * 0.4), int(cy - s * 0.28)
    c.rect(x0, y0, int(s * 0.34), int(s * 0.14), col)
    c.rect(x0, y0 + int(s * 0.1), int(s * 0.8), int(s * 0.5), col)


def clock(c, cx, cy, s, col):
    r = s * 0.42
    c.ring(cx, cy, r, max(1.4, s / 9), col)
    c.line(cx, cy + 0.5, cx, cy - r * 0.62, max(1.4, s / 10), col)
    c.line(cx, cy, cx + r * 0.5, cy, max(1.4, s / 10), col)


def loop(c, cx, cy, s, col):
    """Two arrows chasing each other: repetition."""
    w = max(1.6, s / 9)
    x0, x1 = cx - s * 0.36, cx + s * 0.36
    y0, y1 = cy - s * 0.18, cy + s * 0.18
    c.line(x0, y0, x1 - s * 0.1, y0, w, col)
    c.polygon([(x1 - s * 0.14, y0 - s * 0.16), (x1 + s * 0.06, y0), (x1 - s * 0.14, y0 + s * 0.16)], col)
    c.line(x1, y1, x0 + s * 0.1, y1, w, col)
    c.polygon([(x0 + s * 0.14, y1 - s * 0.16), (x0 - s * 0.06, y1), (x0 + s * 0.14, y1 + s * 0.16)], col)
    c.line(x0, y0, x0, cy, w, col)
    c.line(x1, y1, x1, cy, w, col)


def record(c, cx, cy, s, col):
    c.disc(cx, cy, s * 0.3, col)


def keycap(c, cx, cy, s, col):
    w = int(s * 0.84)
    h = int(s * 0.7)
    x0, y0 = int(cx - w / 2), int(cy - h / 2)
    c.frame(x0, y0, w, h, col)
    c.frame(x0 + 1, y0 + 1, w - 2, h - 2, col)
    c.rect(x0 + 4, y0 + h - 6, w - 8, 2, col)
    text_centred(c, cx, cy - 2, "A", col, px=2, gap=2)


def keyboard(c, cx, cy, s, col):
    w, h = int(s * 0.9), int(s * 0.55)
    x0, y0 = int(cx - w / 2), int(cy - h / 2)
    c.frame(x0, y0, w, h, col)
    k = max(2, w // 9)
    for row in range(2):
        for i in range(6):
            c.rect(x0 + 3 + i * (k + 1) + row, y0 + 3 + row * (k + 1), k, k, col)
    c.rect(x0 + 3 + k, y0 + h - k - 3, w - 6 - 2 * k, k, col)


def warning(c, cx, cy, s, col, ink=(20, 20, 22)):
    c.polygon([(cx, cy - s * 0.44), (cx + s * 0.48, cy + s * 0.4), (cx - s * 0.48, cy + s * 0.4)], col)
    c.rect(int(cx - s * 0.05), int(cy - s * 0.16), max(2, int(s * 0.1)), int(s * 0.32), ink)
    c.rect(int(cx - s * 0.05), int(cy + s * 0.22), max(2, int(s * 0.1)), max(2, int(s * 0.1)), ink)


def info(c, cx, cy, s, col, ink=(20, 20, 22)):
    c.disc(cx, cy, s * 0.44, col)
    c.rect(int(cx - s * 0.06), int(cy - s * 0.06), max(2, int(s * 0.12)), int(s * 0.32), ink)
    c.rect(int(cx - s * 0.06), int(cy - s * 0.26), max(2, int(s * 0.12)), max(2, int(s * 0.12)), ink)


def trash(c, cx, cy, s, col, ink=(20, 20, 22)):
    c.rect(int(cx - s * 0.36), int(cy - s * 0.32), int(s * 0.72), max(2, int(s * 0.08)), col)
    c.rect(int(cx - s * 0.12), int(cy - s * 0.42), int(s * 0.24), int(s * 0.1), col)
    c.polygon([(cx - s * 0.3, cy - s * 0.2), (cx + s * 0.3, cy - s * 0.2),
               (cx + s * 0.24, cy + s * 0.44), (cx - s * 0.24, cy + s * 0.44)], col)
    for dx in (-0.12, 0.0, 0.12):
        c.rect(int(cx + s * dx - 1), int(cy - s * 0.1), 2, int(s * 0.44), ink)


def mouse(c, cx, cy, s, col, ink=None, glow=None):
    """A mouse seen from above: outline, split between the buttons, wheel."""
    from raster import Shape
    w, h = int(s * 0.56), int(s * 0.9)
    x0, y0 = int(cx - w / 2), int(cy - h / 2)
    body = Shape(x0, y0, w, h, (w // 2, w // 2, w // 2 - 1, w // 2 - 1))
    c.outline(body, col, width=max(1, int(s / 20)))
    c.rect(int(cx), y0, 1, int(h * 0.38), col)
    c.rect(x0, y0 + int(h * 0.38), w, 1, col)
    c.rect(int(cx - 1), y0 + int(h * 0.1), 3, int(h * 0.16), glow or col)


def tag(c, cx, cy, s, col, ink=(20, 20, 22)):
    c.polygon([(cx - s * 0.4, cy - s * 0.24), (cx + s * 0.18, cy - s * 0.24), (cx + s * 0.42, cy),
               (cx + s * 0.18, cy + s * 0.24), (cx - s * 0.4, cy + s * 0.24)], col)
    c.disc(cx + s * 0.16, cy, s * 0.07, ink)


def program(c, cx, cy, s, col, ink=(20, 20, 22)):
    """A window with a title bar: an application."""
    x0, y0, w, h = int(cx - s * 0.4), int(cy - s * 0.32), int(s * 0.8), int(s * 0.64)
    c.rect(x0, y0, w, h, col)
    c.rect(x0 + 2, y0 + int(s * 0.16), w - 4, h - int(s * 0.16) - 2, ink)
    c.polygon([(cx - s * 0.1, cy - s * 0.02), (cx + s * 0.14, cy + s * 0.1), (cx - s * 0.1, cy + s * 0.22)], col)


def ok_text(c, cx, cy, s, col):
    text_centred(c, cx, cy, "OK", col, px=2, gap=2)


def digit(n):
    def draw(c, cx, cy, s, col):
        px = 2 if s >= 16 else 1
        text_centred(c, cx, cy, str(n), col, px=px, gap=px)
    return draw


GLYPHS = {
    "close": close, "minimise": minimise, "plus": plus, "check": check,
    "chevron_down": chevron_down, "import": import_, "export": export,
    "pencil": pencil, "globe": globe, "reset": reset, "folder": folder, "clock": clock,
    "loop": loop, "record": record, "keycap": keycap, "keyboard": keyboard, "warning": warning,
    "info": info, "trash": trash, "mouse": mouse, "tag": tag,
    "program": program, "ok": ok_text,
}
for _n in range(1, 16):
    GLYPHS["digit%d" % _n] = digit(_n)
