"""Pictures outside the window images: the slider thumb, the double-click test picture and clip,
the submenu arrow icon and the event-list row bitmaps of the configurator."""
import math
import struct

import glyphs
import layout
import theme as T
from raster import Canvas, Shape, mix


# --- slider thumb ("scroll.bmp") --------------------------------------------------------------
def thumb():
    """A cut-corner metal thumb with a red grip line; the corner colour is the transparent key."""
    w, h = layout.SLIDER_THUMB
    c = Canvas(w, h, T.THUMB_KEY)
    s = Shape(0, 0, w, h, (3, 3, 3, 3), (True, True, True, True))
    c.fill(s, T.THUMB_EDGE)
    c.fill(s.inset(1), lambda t: mix(T.THUMB_TOP, T.THUMB_BOTTOM, t))
    c.rect(w // 2 - 1, 4, 2, h - 8, T.ACCENT)
    c.rect(w // 2 - 1, 4, 1, h - 8, T.ACCENT_BRIGHT)
    return c


# --- double-click test ------------------------------------------------------------------------
def _clip_frame(phase):
    """One picture of the double-click test; phase None is the still picture, 0..1 the pulse."""
    w, h = layout.CLIP_SIZE
    c = Canvas(w, h, T.WELL)
    c.fill(Shape(0, 0, w, h), lambda t: mix((40, 42, 48), (20, 21, 24), t))
    mx, my = 30, h // 2
    if phase is not None:
        # Two rings run out of the left button, one after the other, and fade.
        for k in (0.0, 0.5):
            p = phase - k
            if 0.0 <= p <= 1.0:
                r = 8 + p * 42
                c.ring(mx - 5, my - 10, r, 3, T.ACCENT_BRIGHT, int(220 * (1.0 - p)))
    body = Shape(mx - 14, my - 22, 28, 44, (14, 14, 13, 13))
    c.fill(body, lambda t: mix((86, 90, 98), (46, 48, 54), t))
    c.outline(body, (16, 16, 18))
    lit = phase is not None and (phase < 0.18 or 0.5 <= phase < 0.68)
    left = Shape(mx - 13, my - 21, 12, 17, (12, 0, 0, 0))
    c.fill(left, T.ACCENT_BRIGHT if lit else (112, 116, 126))
    c.rect(mx - 1, my - 21, 2, 18, (16, 16, 18))
    c.rect(mx - 13, my - 4, 27, 1, (16, 16, 18))
    c.rect(mx - 1, my - 16, 2, 7, T.ACCENT)
    ink = T.ACCENT_BRIGHT if lit else (200, 204, 212)
    glyphs.text(c, 62, my - 15, "2X", ink, px=2, gap=2)
    glyphs.text(c, 62, my + 4, "CLICK", (150, 154, 162))
    c.frame(0, 0, w, h, (10, 10, 12))
    return c


def still_picture():
    return _clip_frame(None)


def _palette_of(frames):
    """An 8-bit palette holding every colour of the frames; colours are coarsened by dropping low
    bits until at most 256 remain."""
    for shift in range(0, 8):
        mask = (0xFF << shift) & 0xFF
        colours = set()
        for f in frames:
            b = bytes(v & mask for v in f.buf) if shift else bytes(f.buf)
            colours.update(b[i:i + 3] for i in range(0, len(b), 3))
        if len(colours) <= 256:
            return mask, sorted(colours)
    raise AssertionError("unreachable")


def clip_avi():
    """An uncompressed 8-bit AVI, the kind the animation control plays without a codec."""
    w, h = layout.CLIP_SIZE
    n = layout.CLIP_FRAMES
    frames = [_clip_frame(i / n) for i in range(n)]
    mask, colours = _palette_of(frames)
    index = {col: i for i, col in enumerate(colours)}
    stride = (w + 3) & ~3
    frame_data = []
    for f in frames:
        b = bytes(v & mask for v in f.buf)
        rows = []
        for y in range(h - 1, -1, -1):
            row = bytes(index[b[(y * w + x) * 3:(y * w + x) * 3 + 3]] for x in range(w))
            rows.append(row + bytes(stride - w))
        frame_data.append(b"".join(rows))
    return avi_bytes(w, h, layout.CLIP_FRAME_MS, colours, frame_data)


def _chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def _list(kind, data):
    return b"LIST" + struct.pack("<I", len(data) + 4) + kind + data


def avi_bytes(w, h, frame_ms, palette, frames):
    frame_size = len(frames[0])
    n = len(frames)
    avih = struct.pack("<10I4I", frame_ms * 1000, frame_size * 1000 // frame_ms, 0, 0x10, n, 0, 1,
                       frame_size, w, h, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, frame_ms, 1000, 0, n,
                       frame_size, 0xFFFFFFFF, 0, 0, 0, w, h)
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, frame_size, 0, 0, len(palette),
                      len(palette))
    pal = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    hdrl = _list(b"hdrl", _chunk(b"avih", avih) +
                 _list(b"strl", _chunk(b"strh", strh) + _chunk(b"strf", bih + pal)))
    movi_body = b""
    index = b""
    for f in frames:
        offset = 4 + len(movi_body)          # from the 'movi' type code
        movi_body += _chunk(b"00db", f)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(f))
    body = b"AVI " + hdrl + _list(b"movi", movi_body) + _chunk(b"idx1", index)
    return b"RIFF" + struct.pack("<I", len(body)) + body


# --- configurator resources -------------------------------------------------------------------
def ico_bytes(size, pixel):
    """A one-image .ico of 32-bit pixels; pixel(x, y) gives (r, g, b, a)."""
    rows = []
    for y in range(size - 1, -1, -1):
        rows.append(b"".join(bytes((b, g, r, a)) for r, g, b, a in (pixel(x, y) for x in range(size))))
    xor = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    and_rows = []
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            if pixel(x, y)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    data = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + mask_stride * size,
                       0, 0, 0, 0) + xor + b"".join(and_rows)
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32,
                                                     len(data), 22) + data


def submenu_arrow_icon():
    """Icon 145, drawn at (right - 19, top - 9) of a 17-pixel menu item: the item's middle row is
    the icon's row 17, and only the columns left of 19 fall inside the item."""
    alpha = Canvas(32, 32, (0, 0, 0))
    alpha.polygon([(7, 13), (12.5, 17.5), (7, 22)], (255, 255, 255))

    def pixel(x, y):
        a = alpha.pixel(x, y)[0]
        return T.MENU_ARROW + (a,) if a else (0, 0, 0, 0)
    return ico_bytes(32, pixel)


def row_bitmap(kind):
    """16 x 16 row pictures of the macro event list; black is transparent."""
    c = Canvas(16, 16, (0, 0, 0))
    if kind == "delay":
        c.ring(8, 8, 7, 1.6, T.ROW_DELAY)
        c.rect(7, 4, 2, 5, T.ROW_INK)
        c.rect(8, 7, 4, 2, T.ROW_INK)
    elif kind in ("key_down", "key_up"):
        col = T.ROW_KEY_DOWN if kind == "key_down" else T.ROW_KEY_UP
        c.frame(1, 1, 14, 14, T.ROW_INK)
        c.rect(2, 12, 12, 2, (90, 92, 98))
        if kind == "key_down":
            c.rect(7, 3, 2, 4, col)
            c.polygon([(4, 7), (12, 7), (8, 11)], col)
        else:
            c.rect(7, 7, 2, 4, col)
            c.polygon([(4, 7), (12, 7), (8, 3)], col)
    elif kind == "mouse":
        body = Shape(4, 1, 8, 14, (4, 4, 4, 4))
        c.fill(body, T.ROW_MOUSE)
        c.fill(body.inset(1), (40, 44, 52))
        c.rect(8, 2, 1, 5, T.ROW_MOUSE)
        c.rect(5, 6, 6, 1, T.ROW_MOUSE)
        c.rect(7, 3, 1, 3, T.ROW_INK)
    return c


ROW_BITMAPS = {135: "delay", 137: "key_up", 138: "key_down", 146: "mouse"}
