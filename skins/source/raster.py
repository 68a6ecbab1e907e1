"""A small RGB raster: row-span drawing on one bytearray, and 24-bit BMP files.

Everything is drawn as horizontal spans (slice assignment), and blending works per colour channel
through byte translation tables, so a whole window image takes a few milliseconds per layer.
Shapes are described by their row extents: for every row, the first and the past-the-end column.
"""
import math
import struct


def clamp(v, lo=0, hi=255):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


_tables = {}


def _blend_table(value, alpha):
    key = (value, alpha)
    t = _tables.get(key)
    if t is None:
        t = bytes(clamp(int(round(v + (value - v) * alpha / 255.0))) for v in range(256))
        _tables[key] = t
    return t


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.w = width
        self.h = height
        self.buf = bytearray(bytes(colour) * (width * height))

    def copy(self):
        c = Canvas.__new__(Canvas)
        c.w, c.h, c.buf = self.w, self.h, bytearray(self.buf)
        return c

    # --- spans ----------------------------------------------------------------------------------
    def _clip(self, y, x0, x1):
        if y < 0 or y >= self.h:
            return None
        x0 = max(0, int(x0))
        x1 = min(self.w, int(x1))
        if x0 >= x1:
            return None
        return x0, x1

    def span(self, y, x0, x1, colour):
        c = self._clip(y, x0, x1)
        if c:
            i = (y * self.w + c[0]) * 3
            self.buf[i:i + (c[1] - c[0]) * 3] = bytes(colour) * (c[1] - c[0])

    def blend_span(self, y, x0, x1, colour, alpha):
        """Colour over the span with opacity alpha (0..255)."""
        if alpha <= 0:
            return
        if alpha >= 255:
            self.span(y, x0, x1, colour)
            return
        c = self._clip(y, x0, x1)
        if not c:
            return
        i = (y * self.w + c[0]) * 3
        j = i + (c[1] - c[0]) * 3
        for ch in range(3):
            self.buf[i + ch:j:3] = self.buf[i + ch:j:3].translate(_blend_table(colour[ch], alpha))

    def pixel(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.buf[i:i + 3])

    def soft_span(self, y, xl, xr, colour, alpha=255):
        """Span between real edges xl and xr; the two edge pixels get their covered share, which
        smooths slanted and round edges."""
        if xr <= xl:
            return
        a, b = math.floor(xl), math.floor(xr)
        if a == b:
            self.blend_span(y, a, a + 1, colour, int(round(alpha * (xr - xl))))
            return
        self.blend_span(y, a, a + 1, colour, int(round(alpha * (a + 1 - xl))))
        self.blend_span(y, a + 1, b, colour, alpha)
        self.blend_span(y, b, b + 1, colour, int(round(alpha * (xr - b))))

    def put(self, x, y, colour, alpha=255):
        self.blend_span(y, x, x + 1, colour, alpha)

    # --- rectangles -----------------------------------------------------------------------------
    def rect(self, x, y, w, h, colour, alpha=255):
        for yy in range(y, y + h):
            self.blend_span(yy, x, x + w, colour, alpha)

    def frame(self, x, y, w, h, colour, alpha=255):
        self.blend_span(y, x, x + w, colour, alpha)
        self.blend_span(y + h - 1, x, x + w, colour, alpha)
        for yy in range(y + 1, y + h - 1):
            self.blend_span(yy, x, x + 1, colour, alpha)
            self.blend_span(yy, x + w - 1, x + w, colour, alpha)

    # --- shapes ---------------------------------------------------------------------------------
    def fill(self, shape, colour, alpha=255):
        """shape: Shape; colour: a colour, or a function of the row's fraction 0..1 -> colour."""
        top, bottom = shape.top, shape.bottom
        span_h = max(1, bottom - top - 1)
        for y in range(top, bottom):
            ext = shape.row(y)
            if ext is None:
                continue
            c = colour((y - top) / span_h) if callable(colour) else colour
            self.blend_span(y, ext[0], ext[1], c, alpha)

    def outline(self, shape, colour, alpha=255, width=1):
        """The rim of a shape: the shape minus the shape inset by width."""
        inner = shape.inset(width)
        for y in range(shape.top, shape.bottom):
            ext = shape.row(y)
            if ext is None:
                continue
            inn = inner.row(y)
            if inn is None:
                self.blend_span(y, ext[0], ext[1], colour, alpha)
            else:
                self.blend_span(y, ext[0], inn[0], colour, alpha)
                self.blend_span(y, inn[1], ext[1], colour, alpha)

    def polygon(self, points, colour, alpha=255):
        """Even-odd scanline fill; pixel centres decide coverage."""
        ys = [p[1] for p in points]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            cy = y + 0.5
            xs = []
            n = len(points)
            for i in range(n):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    xs.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for k in range(0, len(xs) - 1, 2):
                self.soft_span(y, xs[k], xs[k + 1], colour, alpha)

    def line(self, x0, y0, x1, y1, width, colour, alpha=255):
        """A thick straight stroke with square ends."""
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], colour, alpha)

    def disc(self, cx, cy, r, colour, alpha=255):
        for y in range(int(cy - r - 1), int(cy + r + 2)):
            d = r * r - (y + 0.5 - cy) ** 2
            if d < 0:
                continue
            half = math.sqrt(d)
            self.soft_span(y, cx - half, cx + half, colour, alpha)

    def ring(self, cx, cy, r, width, colour, alpha=255):
        r_in = r - width
        for y in range(int(cy - r - 1), int(cy + r + 2)):
            d = r * r - (y + 0.5 - cy) ** 2
            if d < 0:
                continue
            half = math.sqrt(d)
            di = r_in * r_in - (y + 0.5 - cy) ** 2
            if r_in <= 0 or di < 0:
                self.soft_span(y, cx - half, cx + half, colour, alpha)
            else:
                hi = math.sqrt(di)
                self.soft_span(y, cx - half, cx - hi, colour, alpha)
                self.soft_span(y, cx + hi, cx + half, colour, alpha)

    # --- files ----------------------------------------------------------------------------------
    def bmp_bytes(self):
        return bmp_bytes(self.w, self.h, self.buf)


class Shape:
    """A rectangle whose four corners are rounded or cut.

    corners: radii (top-left, top-right, bottom-right, bottom-left); cut: per corner, True for a
    45-degree chamfer instead of a quarter circle.
    """

    def __init__(self, x, y, w, h, corners=(0, 0, 0, 0), cut=(False, False, False, False)):
        self.x, self.y, self.w, self.h = x, y, w, h
        self.top, self.bottom = y, y + h
        self.corners = tuple(max(0, min(c, w // 2, h // 2)) for c in corners)
        self.cut = cut

    @staticmethod
    def _inset(r, d, cut):
        """Horizontal inset of a corner of radius r at distance d (pixel rows) from its edge."""
        if r <= 0 or d >= r:
            return 0
        if cut:
            return r - d - 1 if d < r - 1 else 0
        dy = r - d - 0.5
        return int(round(r - math.sqrt(max(0.0, r * r - dy * dy))))

    def row(self, y):
        if y < self.top or y >= self.bottom:
            return None
        tl, tr, br, bl = self.corners
        ct = self.cut
        dt = y - self.top
        db = self.bottom - 1 - y
        left = max(self._inset(tl, dt, ct[0]), self._inset(bl, db, ct[3]))
        right = max(self._inset(tr, dt, ct[1]), self._inset(br, db, ct[2]))
        a, b = self.x + left, self.x + self.w - right
        return (a, b) if a < b else None

    def inset(self, d):
        return Shape(self.x + d, self.y + d, self.w - 2 * d, self.h - 2 * d,
                     tuple(max(0, c - d) for c in self.corners), self.cut)

def bmp_bytes(w, h, rgb):
    """24-bit uncompressed bottom-up BMP of an RGB buffer."""
    stride = (w * 3 + 3) & ~3
    pad = bytes(stride - w * 3)
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(rgb[y * w * 3:(y + 1) * w * 3])
        row[0::3], row[2::3] = row[2::3], row[0::3]  # RGB -> BGR
        rows.append(bytes(row) + pad)
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def read_bmp(data):
    """(width, height, RGB bytearray top-down) of a 24-bit uncompressed BMP; raises ValueError."""
    if len(data) < 54 or data[:2] != b"BM":
        raise ValueError("not a BMP file")
    size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    hsize, w, h, planes, bpp, comp, image_size = struct.unpack_from("<IiiHHII", data, 14)
    if size != len(data):
        raise ValueError("file size field %d, file has %d bytes" % (size, len(data)))
    if hsize != 40 or planes != 1 or bpp != 24 or comp != 0:
        raise ValueError("not a 24-bit uncompressed BMP")
    if w <= 0 or h == 0:
        raise ValueError("empty image")
    bottom_up = h > 0
    h = abs(h)
    stride = (w * 3 + 3) & ~3
    if offset + stride * h > len(data) or image_size not in (0, stride * h):
        raise ValueError("pixel data does not match the header")
    out = bytearray(w * h * 3)
    for y in range(h):
        src_row = (h - 1 - y) if bottom_up else y
        row = bytearray(data[offset + src_row * stride:offset + src_row * stride + w * 3])
        row[0::3], row[2::3] = row[2::3], row[0::3]
        out[y * w * 3:(y + 1) * w * 3] = row
    return w, h, out
