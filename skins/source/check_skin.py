#!/usr/bin/env python3
"""Checks the generated default skin against what the configurator's windows need.

Generates the skin twice into temporary folders and verifies:
  - generation is deterministic (both runs give identical bytes);
  - every description file exists, names five readable 24-bit BMPs of one size;
  - every BUTTONPOS key a window reads is present, parses, has a positive size, lies inside the
    image and entirely on opaque (non-white) mask pixels; controls do not overlap each other or
    the texts the windows paint;
  - each mask has white outside pixels (the outline is not a rectangle);
  - texts painted by the windows and captions of buttons fall on light surfaces (black text);
  - the slider thumb has a uniform key colour at its corners and fits its track;
  - the double-click clip is a consistent AVI (frame count, stream sizes, RIFF and LIST sizes);
  - the configurator's resources (menu arrow icon, event-list row bitmaps) are well formed.
Then it damages copies of the output in known ways and makes sure each damage is reported, so
that the checks above are known to be able to fail.

Exit status 0 when everything holds; the problems found are printed otherwise.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, HERE)

from raster import read_bmp  # noqa: E402

# What each window's code reads (keys), independent of the generator's own layout data.
REQUIRED_KEYS = {
    "main": list(range(1, 40)) + [43, 44, 51, 52, 54, 55, 56, 57, 58, 59, 60, 61],
    "shortcut": list(range(2, 11)),
    "single_key": list(range(2, 11)),
    "macro_manager": list(range(1, 14)),
    "profile": list(range(1, 7)),
    "delete_macro_warn": [1, 2, 3],
    "click_warn": [1, 2, 3],
    "reset_warn": [1, 2, 3],
    "macro_set_warn": [1, 2],
}

# Controls that show a caption (black unless the owner sets a colour): their faces must be light.
# Value: where the caption starts from the left (alignment mode 1: 35 px, 3: 10, 4: 20, else 0).
CAPTIONED = {
    "main": dict([(13, 0), (14, 0), (52, 10), (54, 10), (55, 0), (60, 0)] +
                 [(k, 35) for k in range(20, 35)]),
    "shortcut": {2: 0, 3: 0},
    "single_key": {2: 0, 3: 0},
    "macro_manager": {1: 20, 2: 20, 4: 20, 5: 20, 7: 20, 12: 20, 13: 20},
    "profile": {4: 0, 5: 0},
    "delete_macro_warn": {1: 0, 2: 0},
    "click_warn": {1: 0, 2: 0},
    "reset_warn": {1: 0, 2: 0},
    "macro_set_warn": {1: 0, 2: 0},
}

_CONFIRM_TEXTS = [(96, 30, 180, 20), (96, 55, 330, 50)]
# Texts the windows paint on their background (x, y, w, h), in black.
PAINTED_TEXTS = {
    "main": [(198, 37, 180, 30), (198, 222, 196, 30), (214, 267, 96, 20), (264, 285, 98, 20),
             (487, 285, 98, 20), (264, 345, 98, 20), (227, 130, 123, 20), (227, 160, 123, 20)],
    "shortcut": [(112, 39, 61, 18), (198, 39, 61, 18), (284, 39, 61, 18), (369, 39, 61, 18),
                 (112, 73, 38, 18)],
    "delete_macro_warn": _CONFIRM_TEXTS,
    "click_warn": _CONFIRM_TEXTS,
    "reset_warn": _CONFIRM_TEXTS,
    "macro_set_warn": _CONFIRM_TEXTS,
}

SLIDER_KEYS = {"main": [57, 58, 59]}
DOUBLE_CLICK_KEY = ("main", 61)
# Looks in which the owner paints a light caption (the macro editor's record button: light green
# when over or pressed while idle): there the face must be dark instead.
LIGHT_CAPTION_LOOKS = {("macro_manager", 7): ("over", "down")}
DARK = 90            # most mean luminance under a light caption
LIGHT = 150          # least luminance under black text
LIGHT_PRESSED = 100  # least mean luminance of a pressed face under its caption
RESOURCES = ["submenu_arrow.ico", "event_delay.bmp", "event_key_up.bmp", "event_key_down.bmp",
             "event_mouse_button.bmp"]


def lum(px):
    return 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2]


class Image:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.w, self.h, self.rgb = read_bmp(f.read())

    def px(self, x, y):
        i = (y * self.w + x) * 3
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]


def parse_button_pos(value):
    """As the configurator parses a BUTTONPOS value: name, then four integers, then text."""
    if "," not in value:
        return None
    name, rest = value.split(",", 1)
    nums = []
    for part in rest.split(",")[:4]:
        try:
            nums.append(int(part.strip()))
        except ValueError:
            return None
    if len(nums) != 4 or len(name) > 39:
        return None
    text = rest.rsplit(",", 1)[1].strip() if "," in rest else ""
    return name, tuple(nums), text


def read_description(path):
    """{section: {key (lower case): value}} of an INI file."""
    sections, current = {}, None
    with open(path, "rb") as f:
        raw = f.read()
    for line in raw.decode("ascii").splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].upper(), {})
        elif "=" in line and current is not None:
            k, v = line.split("=", 1)
            current[k.strip().lower()] = v
    return sections


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def check_window(folder, name, problems):
    path = os.path.join(folder, "skin_%s.ini" % name)
    if not os.path.exists(path):
        problems.append("%s: description file missing" % name)
        return
    desc = read_description(path)
    screen = desc.get("SCREEN", {})
    images = {}
    for key in ("mask", "normal", "over", "down", "disable"):
        file = screen.get(key, "")
        if not file:
            problems.append("%s: SCREEN/%s missing" % (name, key))
            return
        try:
            images[key] = Image(os.path.join(folder, file))
        except (OSError, ValueError) as e:
            problems.append("%s: image %s unreadable: %s" % (name, file, e))
            return
    sizes = {(im.w, im.h) for im in images.values()}
    if len(sizes) != 1:
        problems.append("%s: images differ in size: %s" % (name, sorted(sizes)))
        return
    w, h = sizes.pop()
    mask = images["mask"]

    def white(x, y):
        return mask.px(x, y) == (255, 255, 255)

    if not any(white(x, y) for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1))):
        problems.append("%s: the mask has no white corner: the window would be a rectangle" % name)

    rects = {}
    positions = desc.get("BUTTONPOS", {})
    for key in REQUIRED_KEYS[name]:
        value = positions.get(str(key))
        if value is None:
            problems.append("%s: BUTTONPOS %d missing" % (name, key))
            continue
        parsed = parse_button_pos(value)
        if parsed is None:
            problems.append("%s: BUTTONPOS %d does not parse: %r" % (name, key, value))
            continue
        x, y, rw, rh = parsed[1]
        if rw <= 0 or rh <= 0:
            problems.append("%s: BUTTONPOS %d has no area" % (name, key))
            continue
        if x < 0 or y < 0 or x + rw > w or y + rh > h:
            problems.append("%s: BUTTONPOS %d lies outside the %dx%d image" % (name, key, w, h))
            continue
        outside = [(xx, yy) for yy in range(y, y + rh) for xx in range(x, x + rw) if white(xx, yy)]
        if outside:
            problems.append("%s: BUTTONPOS %d covers %d pixels outside the mask, first %s" %
                            (name, key, len(outside), outside[0]))
        rects[key] = (x, y, rw, rh)

    keys = sorted(rects)
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            if overlap(rects[a], rects[b]):
                problems.append("%s: BUTTONPOS %d and %d overlap" % (name, a, b))
        for t in PAINTED_TEXTS.get(name, ()):
            if overlap(rects[a], t):
                problems.append("%s: BUTTONPOS %d covers the painted text at %s" % (name, a, t))

    normal = images["normal"]
    for t in PAINTED_TEXTS.get(name, ()):
        x, y, tw, th = t
        darkest = min(lum(normal.px(xx, yy)) for yy in range(y, y + th) for xx in range(x, x + tw))
        if darkest < LIGHT:
            problems.append("%s: painted text at %s is not on a light surface (darkest %.0f)" %
                            (name, t, darkest))

    for key, indent in CAPTIONED.get(name, {}).items():
        if key not in rects:
            continue
        x, y, rw, rh = rects[key]
        area = [(xx, yy) for yy in range(y + 3, y + rh - 3) for xx in range(x + indent + 2, x + rw - 3)]
        light_looks = LIGHT_CAPTION_LOOKS.get((name, key), ())
        for state, least in (("normal", LIGHT), ("over", LIGHT), ("down", LIGHT_PRESSED)):
            img = images[state]
            mean = sum(lum(img.px(xx, yy)) for xx, yy in area) / max(1, len(area))
            if state in light_looks:
                if mean > DARK:
                    problems.append("%s: caption area of BUTTONPOS %d too light for its light "
                                    "caption in the %s image (%.0f)" % (name, key, state, mean))
            elif mean < least:
                problems.append("%s: caption area of BUTTONPOS %d too dark for black text in the "
                                "%s image (%.0f)" % (name, key, state, mean))

    thumb_path = os.path.join(folder, "scroll.bmp")
    for key in SLIDER_KEYS.get(name, ()):
        if key not in rects or not os.path.exists(thumb_path):
            continue
        thumb = Image(thumb_path)
        _, _, rw, rh = rects[key]
        if rw <= thumb.w or rh < thumb.h:
            problems.append("%s: slider %d (%dx%d) cannot hold the %dx%d thumb" %
                            (name, key, rw, rh, thumb.w, thumb.h))
    return rects


def check_thumb(folder, problems):
    try:
        t = Image(os.path.join(folder, "scroll.bmp"))
    except (OSError, ValueError) as e:
        problems.append("scroll.bmp unreadable: %s" % e)
        return
    key = t.px(0, 0)
    corners = {t.px(0, 0), t.px(t.w - 1, 0), t.px(0, t.h - 1), t.px(t.w - 1, t.h - 1)}
    if corners != {key}:
        problems.append("scroll.bmp: corners do not share the key colour %s" % (key,))
    if t.px(t.w // 2, t.h // 2) == key:
        problems.append("scroll.bmp: the thumb's middle has the key colour and would vanish")


def check_double_click(folder, rects, problems):
    try:
        still = Image(os.path.join(folder, "double_click.bmp"))
    except (OSError, ValueError) as e:
        problems.append("double_click.bmp unreadable: %s" % e)
        return
    want = rects.get(DOUBLE_CLICK_KEY[1])
    if want and (still.w, still.h) != want[2:]:
        problems.append("double_click.bmp is %dx%d, the test area %dx%d" %
                        (still.w, still.h, want[2], want[3]))
    try:
        with open(os.path.join(folder, "double_click.avi"), "rb") as f:
            data = f.read()
    except OSError as e:
        problems.append("double_click.avi missing: %s" % e)
        return
    for p in check_avi(data, (still.w, still.h)):
        problems.append("double_click.avi: " + p)


def _chunks(data, start, end):
    """(fourcc, body start, body size, list type or None) of the chunks in data[start:end]."""
    out = []
    pos = start
    while pos + 8 <= end:
        fourcc = data[pos:pos + 4]
        size = struct.unpack_from("<I", data, pos + 4)[0]
        if pos + 8 + size > end:
            raise ValueError("chunk %r at %d runs past its parent" % (fourcc, pos))
        kind = data[pos + 8:pos + 12] if fourcc == b"LIST" else None
        out.append((fourcc, pos + 8, size, kind))
        pos += 8 + size + (size & 1)
    if pos != end:
        raise ValueError("chunks end at %d, parent at %d" % (pos, end))
    return out


def check_avi(data, size):
    problems = []
    if len(data) < 12 or data[:4] != b"RIFF" or data[8:12] != b"AVI ":
        return ["not an AVI RIFF file"]
    riff_size = struct.unpack_from("<I", data, 4)[0]
    if riff_size + 8 != len(data):
        return ["RIFF size %d does not match the file (%d bytes)" % (riff_size, len(data))]
    try:
        top = _chunks(data, 12, len(data))
        lists = {k: (s, n) for f, s, n, k in top if f == b"LIST"}
        idx = [(s, n) for f, s, n, k in top if f == b"idx1"]
        if b"hdrl" not in lists or b"movi" not in lists or not idx:
            return ["hdrl, movi or idx1 missing"]
        hs, hn = lists[b"hdrl"]
        hdrl = _chunks(data, hs + 4, hs + hn)
        avih = [s for f, s, n, k in hdrl if f == b"avih"]
        strl = [(s, n) for f, s, n, k in hdrl if k == b"strl"]
        if not avih or not strl:
            return ["avih or strl missing"]
        a = struct.unpack_from("<10I", data, avih[0])
        frames_avih, streams, buf_size, aw, ah = a[4], a[6], a[7], a[8], a[9]
        sl = _chunks(data, strl[0][0] + 4, strl[0][0] + strl[0][1])
        strh = [s for f, s, n, k in sl if f == b"strh"]
        strf = [(s, n) for f, s, n, k in sl if f == b"strf"]
        if not strh or not strf:
            return ["strh or strf missing"]
        fcc_type = data[strh[0]:strh[0] + 4]
        length = struct.unpack_from("<I", data, strh[0] + 32)[0]
        bw, bh, planes, bpp, comp, image_size, _, _, used = struct.unpack_from(
            "<iiHHIIiiI", data, strf[0][0] + 4)
        ms, mn = lists[b"movi"]
        movi = _chunks(data, ms + 4, ms + mn)
        frames = [(s, n) for f, s, n, k in movi if f == b"00db"]
        stride = ((bw * bpp + 31) // 32) * 4
        if fcc_type != b"vids" or streams != 1:
            problems.append("not a single video stream")
        if comp != 0 or bpp != 8 or planes != 1:
            problems.append("frames are not uncompressed 8-bit DIBs")
        if strf[0][1] != 40 + 4 * used:
            problems.append("strf size %d does not hold a header and %d palette entries" %
                            (strf[0][1], used))
        if (aw, ah) != (bw, bh) or (bw, bh) != tuple(size):
            problems.append("frame size %dx%d / %dx%d, expected %dx%d" % (aw, ah, bw, bh, *size))
        if not (frames_avih == length == len(frames)):
            problems.append("frame counts differ: avih %d, strh %d, movi %d" %
                            (frames_avih, length, len(frames)))
        for i, (s, n) in enumerate(frames):
            if n != stride * bh or n != image_size or n > buf_size:
                problems.append("frame %d holds %d bytes, expected %d" % (i, n, stride * bh))
                break
        ix_start, ix_size = idx[0]
        if ix_size != 16 * len(frames):
            problems.append("idx1 has %d entries for %d frames" % (ix_size // 16, len(frames)))
        else:
            for i, (s, n) in enumerate(frames):
                ck, flags, off, ln = struct.unpack_from("<4sIII", data, ix_start + 16 * i)
                if ck != b"00db" or ms + off != s - 8 or ln != n:
                    problems.append("idx1 entry %d does not point at frame %d" % (i, i))
                    break
    except (ValueError, struct.error) as e:
        problems.append(str(e))
    return problems


def check_resources(folder, problems):
    for name in RESOURCES:
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            problems.append("resource %s missing" % name)
            continue
        with open(path, "rb") as f:
            data = f.read()
        if name.endswith(".bmp"):
            try:
                w, h, rgb = read_bmp(data)
            except ValueError as e:
                problems.append("%s: %s" % (name, e))
                continue
            if (w, h) != (16, 16):
                problems.append("%s: %dx%d, rows need 16x16" % (name, w, h))
            if tuple(rgb[0:3]) != (0, 0, 0) or not any(rgb):
                problems.append("%s: needs a black (transparent) background and a picture" % name)
        else:
            reserved, kind, count = struct.unpack_from("<HHH", data, 0)
            w, h, _, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
            if (reserved, kind, count) != (0, 1, 1) or (w, h) != (32, 32) or offset + size != len(data):
                problems.append("%s: not a single 32x32 icon" % name)


def check_folder(skins, resources):
    problems = []
    all_rects = {}
    for name in REQUIRED_KEYS:
        rects = check_window(skins, name, problems)
        all_rects[name] = rects or {}
    check_thumb(skins, problems)
    check_double_click(skins, all_rects.get(DOUBLE_CLICK_KEY[0], {}), problems)
    if resources:
        check_resources(resources, problems)
    return problems


def generate(folder):
    subprocess.run([sys.executable, os.path.join(HERE, "make_skin.py"), os.path.join(folder, "skins"),
                    "--resources", os.path.join(folder, "res")], check=True)
    return os.path.join(folder, "skins"), os.path.join(folder, "res")


def identical(a, b):
    diffs = []
    for root in (a,):
        for name in sorted(os.listdir(root)):
            with open(os.path.join(a, name), "rb") as f1:
                d1 = f1.read()
            other = os.path.join(b, name)
            if not os.path.exists(other):
                diffs.append(name + " missing in the second run")
                continue
            with open(other, "rb") as f2:
                if f2.read() != d1:
                    diffs.append(name + " differs between runs")
    return diffs


# --- damage that the checks must catch ---------------------------------------------------------
# The damaged folder is made of hard links to the good files, so every damage writes a new file
# (_replace) instead of changing the shared one.
def _replace(path, data):
    os.remove(path)
    with open(path, "wb") as f:
        f.write(data)


def _copy(folder, source, target):
    with open(os.path.join(folder, source), "rb") as f:
        _replace(os.path.join(folder, target), f.read())


def _edit_ini(folder, name, old, new):
    path = os.path.join(folder, "skin_%s.ini" % name)
    with open(path, "rb") as f:
        s = f.read().decode("ascii")
    assert old in s, (old, name)
    _replace(path, s.replace(old, new, 1).encode("ascii"))


def _ini_line(folder, name, key):
    with open(os.path.join(folder, "skin_%s.ini" % name), "rb") as f:
        for line in f.read().decode("ascii").splitlines():
            if line.startswith("%d=" % key):
                return line
    raise AssertionError("no key %d in %s" % (key, name))


def _paint(folder, file, x, y, colour):
    path = os.path.join(folder, file)
    with open(path, "rb") as f:
        data = bytearray(f.read())
    w, h = struct.unpack_from("<ii", data, 18)
    stride = (w * 3 + 3) & ~3
    i = 54 + (h - 1 - y) * stride + x * 3
    data[i:i + 3] = bytes((colour[2], colour[1], colour[0]))
    _replace(path, data)


def _damages():
    def drop_key(f):
        line = _ini_line(f, "profile", 3)
        _edit_ini(f, "profile", line + "\r\n", "")

    def move_outside(f):
        line = _ini_line(f, "main", 11)
        parts = line.split(",")
        parts[1] = "674"
        _edit_ini(f, "main", line, ",".join(parts))

    def hole_in_control(f):
        x, y = [int(v) for v in _ini_line(f, "main", 14).split(",")[1:3]]
        _paint(f, "main_mask.bmp", x + 5, y + 5, (255, 255, 255))

    def rectangle_mask(f):
        for x, y in ((0, 0), (449, 0), (0, 159), (449, 159)):
            _paint(f, "click_warn_mask.bmp", x, y, (0, 0, 0))

    def dark_text(f):
        _paint(f, "main_normal.bmp", 300, 290, (10, 10, 10))

    def overlap_keys(f):
        line = _ini_line(f, "macro_manager", 5)
        x4, y4 = _ini_line(f, "macro_manager", 4).split(",")[1:3]
        parts = line.split(",")
        parts[1], parts[2] = x4, y4
        _edit_ini(f, "macro_manager", line, ",".join(parts))

    def wrong_size(f):
        _copy(f, "profile_normal.bmp", "reset_warn_over.bmp")

    def avi_count(f):
        path = os.path.join(f, "double_click.avi")
        with open(path, "rb") as fh:
            data = bytearray(fh.read())
        pos = data.find(b"avih") + 8 + 16
        struct.pack_into("<I", data, pos, struct.unpack_from("<I", data, pos)[0] + 1)
        _replace(path, data)

    def avi_truncated(f):
        path = os.path.join(f, "double_click.avi")
        with open(path, "rb") as fh:
            data = fh.read()
        _replace(path, data[:-100])

    def light_record_over(f):
        _copy(f, "macro_manager_normal.bmp", "macro_manager_over.bmp")

    def dark_caption_faces(f):
        _copy(f, "click_warn_mask.bmp", "click_warn_down.bmp")

    def thumb_key(f):
        _paint(f, "scroll.bmp", 13, 19, (1, 2, 3))

    # Each damage and a piece of the problem it must raise.
    return [(drop_key, "BUTTONPOS 3 missing"), (move_outside, "BUTTONPOS 11 lies outside"),
            (hole_in_control, "BUTTONPOS 14 covers 1 pixels outside the mask"),
            (rectangle_mask, "click_warn: the mask has no white corner"),
            (dark_text, "not on a light surface"), (overlap_keys, "BUTTONPOS 4 and 5 overlap"),
            (wrong_size, "reset_warn: images differ in size"), (avi_count, "frame counts differ"),
            (avi_truncated, "RIFF size"), (light_record_over, "BUTTONPOS 7 too light"),
            (dark_caption_faces, "too dark for black text in the down image"),
            (thumb_key, "scroll.bmp: corners")]


def main():
    failures = []
    with tempfile.TemporaryDirectory(prefix="skin-check-") as tmp:
        skins, res = generate(os.path.join(tmp, "a"))
        skins_b, res_b = generate(os.path.join(tmp, "b"))
        failures += identical(skins, skins_b) + identical(res, res_b)
        failures += check_folder(skins, res)
        for damage, expected in _damages():
            copy = os.path.join(tmp, "damaged")
            shutil.rmtree(copy, ignore_errors=True)
            shutil.copytree(skins, copy, copy_function=os.link)
            damage(copy)
            if not any(expected in p for p in check_folder(copy, None)):
                failures.append("damage %r went unnoticed" % damage.__name__)
        failures += identical(skins, skins_b)      # no damage reached the good files
    for f in failures:
        print("FAIL:", f)
    print("%d problem(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
