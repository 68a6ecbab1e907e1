"""Drawing of a skinned window: the chassis, its cards and wells, and each control in its four looks
(normal, over, down, disable)."""
import glyphs
import theme as T
from raster import Canvas, Shape, luminance, mix

STATES = ("normal", "over", "down", "disable")


def gradient(a, b):
    return lambda t: mix(a, b, t)


def window_shape(win):
    w, h = win["size"]
    return Shape(0, 0, w, h, win["corners"], (True, True, True, True))


# --- the window without its controls ----------------------------------------------------------
def draw_chassis(win):
    w, h = win["size"]
    c = Canvas(w, h, T.MASK_OUTSIDE)
    shape = window_shape(win)
    c.fill(shape, gradient(T.CHASSIS_TOP, T.CHASSIS_BOTTOM))
    for y in range(win["header"] + 3, h, 3):          # fine grooves give the metal a grain
        ext = shape.row(y)
        if ext:
            c.blend_span(y, ext[0], ext[1], T.CHASSIS_LINE, 26)
    hdr = win["header"]
    tl, tr = win["corners"][0], win["corners"][1]
    c.fill(Shape(0, 0, w, hdr, (tl, tr, 0, 0), (True, True, False, False)),
           gradient(T.HEADER_TOP, T.HEADER_BOTTOM))
    # A glowing accent line under the header, brightest in the middle third.
    c.blend_span(hdr, 0, w, T.ACCENT_DARK, 255)
    c.blend_span(hdr, w // 3, 2 * w // 3, T.ACCENT, 255)
    c.blend_span(hdr + 1, w // 3 - 20, 2 * w // 3 + 20, T.ACCENT, 70)
    c.blend_span(hdr - 1, w // 3 - 10, 2 * w // 3 + 10, T.ACCENT, 50)
    # A raised tab in the header's middle, cut at both ends.
    tab = Shape(w // 3, hdr - 6, w // 3, 6, (0, 0, 5, 5), (False, False, True, True))
    c.fill(tab, T.ACCENT)
    if win.get("title"):
        glyphs.text(c, 44 if win["name"] == "main" else 14, (hdr - 7) // 2, win["title"],
                    T.HEADER_TEXT)
    for cd in win.get("cards", ()):
        draw_card(c, cd)
    for st in win.get("strips", ()):
        draw_strip(c, st)
    for name, cx, cy, s in win.get("decor", ()):
        draw_decor(c, name, cx, cy, s)
    # Rim: a dark outer line and a red glow just inside it.
    c.outline(shape, T.RIM_OUTER)
    c.outline(shape.inset(1), T.RIM_GLOW, 190)
    c.outline(shape.inset(2), T.RIM_GLOW, 60)
    for ctl in win["controls"]:
        draw_area(c, ctl)
    return c


def draw_card(c, cd):
    x, y, w, h = cd["rect"]
    shape = Shape(x, y, w, h, (8, 3, 8, 3), (True, False, True, False))
    c.fill(Shape(x + 2, y + 3, w, h, (8, 3, 8, 3), (True, False, True, False)), T.CARD_SHADOW, 110)
    # An accent stroke along the cut bottom-right corner marks every card.
    def corner():
        c.line(x + w - 10, y + h + 0.5, x + w + 0.5, y + h - 10, 2.2, T.ACCENT)

    if cd["dark"]:
        c.fill(shape, T.PANEL_EDGE)
        c.fill(shape.inset(1), gradient(T.PANEL_TOP, T.PANEL_BOTTOM))
        corner()
        return
    c.fill(shape, T.CARD_EDGE)
    inner = shape.inset(1)
    c.fill(inner, gradient(T.CARD_TOP, T.CARD_BOTTOM))
    hdr = cd["header"]
    if hdr:
        head = Shape(x + 1, y + 1, w - 2, hdr - 1, (7, 2, 0, 0), (True, False, False, False))
        c.fill(head, gradient(T.CARD_HEADER_TOP, T.CARD_HEADER_BOTTOM))
        c.blend_span(y + hdr, x + 1, x + w - 1, T.CARD_EDGE, 120)
        c.blend_span(y + hdr + 1, x + 1, x + w - 1, (255, 255, 255), 90)
        c.rect(x + 1, y + 9, 3, hdr - 16, T.ACCENT)          # accent bar before the heading
        if cd.get("title"):
            glyphs.text(c, x + 10, y + (hdr - 7) // 2, cd["title"], (70, 72, 80))
    corner()


def draw_strip(c, st):
    """A recessed status strip with chevrons that lead the eye to the buttons at its end."""
    x, y, w, h = st
    c.rect(x, y, w, h, T.WELL, 200)
    c.blend_span(y + h, x, x + w, (255, 255, 255), 25)
    for k in range(0, w - 12, 6):
        c.rect(x + 3 + k, y + h // 2, 3, 1, T.TICK)
    for i in range(3):
        cx = x + w - 34 + i * 10
        a = 90 + 80 * i
        c.polygon([(cx, y + 4), (cx + 5, y + h / 2), (cx, y + h - 4), (cx + 3, y + h - 4),
                   (cx + 8, y + h / 2), (cx + 3, y + 4)], T.ACCENT, a)


def draw_decor(c, name, cx, cy, s):
    dark = luminance(c.pixel(cx, cy)) < 110
    ink = T.ICON_INK if dark else (60, 62, 70)
    if name in ("warning", "info", "trash", "reset"):
        c.disc(cx, cy, s * 0.62, T.ACCENT, 40)
        c.disc(cx, cy, s * 0.54, T.ACCENT, 40)
        glyphs.GLYPHS[name](c, cx, cy, s, T.ACCENT)
    else:
        glyphs.GLYPHS[name](c, cx, cy, s, ink)


def draw_area(c, ctl):
    """What lies under controls that draw themselves: wells, grooves, label plates."""
    kind = ctl["kind"]
    x, y, w, h = ctl["rect"]
    if kind in ("edit", "list", "label", "clip"):
        c.frame(x - 2, y - 2, w + 4, h + 4, T.WELL_EDGE, 160)
        c.frame(x - 1, y - 1, w + 2, h + 2, T.WELL)
        fill = {"edit": (229, 229, 229), "list": T.WELL, "label": (2, 2, 2), "clip": T.WELL}[kind]
        c.rect(x, y, w, h, fill)
    elif kind == "slider":
        draw_slider_groove(c, ctl)


def draw_slider_groove(c, ctl):
    x, y, w, h = ctl["rect"]
    tw = 14
    gy = y + h // 2 - 2
    c.rect(x + 2, gy, w - 4, 4, T.GROOVE)
    c.blend_span(gy + 4, x + 2, x + w - 2, (255, 255, 255), 140)
    c.blend_span(gy + 1, x + 3, x + w - 3, T.GROOVE_FILL, 200)
    n = ctl.get("ticks", 0)
    for k in range(n):
        tx = x + tw // 2 + (w - tw) * k // (n - 1)
        c.rect(tx, y + h - 5, 1, 4, T.TICK)


# --- controls ---------------------------------------------------------------------------------
def _bevel_shape(x, y, w, h):
    r = 5 if min(w, h) >= 18 else 3
    return Shape(x, y, w, h, (r, 2, r, 2), (True, False, True, False))


def _ink_on(c, x, y):
    return T.ICON_INK if luminance(c.pixel(x, y)) < 110 else (52, 54, 60)


def draw_control(c, ctl, state):
    kind = ctl["kind"]
    fn = DRAW.get(kind)
    if fn:
        fn(c, ctl, state)


def draw_text_button(c, ctl, state):
    x, y, w, h = ctl["rect"]
    s = _bevel_shape(x, y, w, h)
    if state == "normal":
        c.fill(s, T.FACE_EDGE)
        c.fill(s.inset(1), gradient(T.FACE_TOP, T.FACE_BOTTOM))
        c.blend_span(y + 1, x + 4, x + w - 2, T.FACE_HIGHLIGHT, 200)
        ink = (48, 50, 56)
    elif state == "over" and ctl.get("dark_when_active"):
        # The owner paints a light caption in this look: a dark face glowing red at its rim.
        c.fill(s, T.ACCENT)
        c.fill(s.inset(1), gradient(T.ICON_OVER_TOP, T.ICON_OVER_BOTTOM))
        c.outline(s.inset(1), T.ACCENT_BRIGHT, 110)
        ink = T.ACCENT_BRIGHT
    elif state == "down" and ctl.get("dark_when_active"):
        c.fill(s, T.FACE_DOWN_SHADOW)
        c.fill(s.inset(1), gradient(T.REC_DOWN_TOP, T.REC_DOWN_BOTTOM))
        c.blend_span(y + 1, x + 4, x + w - 2, (0, 0, 0), 160)
        ink = (255, 255, 255)
    elif state == "over":
        c.fill(s, T.ACCENT)
        c.fill(s.inset(1), gradient(T.FACE_OVER_TOP, T.FACE_OVER_BOTTOM))
        c.outline(s.inset(1), T.ACCENT_BRIGHT, 90)
        c.outline(s.inset(2), T.ACCENT, 40)
        ink = T.ACCENT
    elif state == "down":
        c.fill(s, T.FACE_DOWN_SHADOW)
        c.fill(s.inset(1), gradient(T.FACE_DOWN_TOP, T.FACE_DOWN_BOTTOM))
        c.blend_span(y + 1, x + 4, x + w - 2, T.FACE_DOWN_SHADOW, 200)
        c.blend_span(y + 2, x + 3, x + w - 2, T.FACE_DOWN_SHADOW, 90)
        ink = (24, 4, 6)
    else:
        c.fill(s, T.FACE_DISABLE_EDGE)
        c.fill(s.inset(1), T.FACE_DISABLE)
        ink = (104, 106, 112)
    if ctl.get("glyph_colour") == "accent" and state != "disable":
        ink = {"normal": T.ACCENT, "over": T.ACCENT_BRIGHT, "down": (255, 255, 255)}[state]
    g = ctl.get("glyph")
    if g:
        side = ctl.get("glyph_side", "left")
        gs = min(h - 10, 14)
        cy = y + h / 2
        cx = {"left": x + 12, "right": x + w - 13, "centre": x + w / 2}[side]
        glyphs.GLYPHS[g](c, cx, cy, gs, ink)


def draw_icon_button(c, ctl, state):
    x, y, w, h = ctl["rect"]
    s = _bevel_shape(x, y, w, h)
    hot = ctl.get("hot")
    if state == "normal":
        c.fill(s, T.ICON_EDGE)
        c.fill(s.inset(1), gradient(T.ICON_TOP, T.ICON_BOTTOM))
        c.blend_span(y + 1, x + 4, x + w - 2, (120, 124, 132), 160)
        ink = T.ICON_INK
    elif state == "over":
        c.fill(s, T.ACCENT)
        if hot:
            c.fill(s.inset(1), gradient(T.ACCENT_BRIGHT, T.ACCENT))
        else:
            c.fill(s.inset(1), gradient(T.ICON_OVER_TOP, T.ICON_OVER_BOTTOM))
            c.outline(s.inset(1), T.ACCENT_BRIGHT, 110)
        ink = T.ICON_OVER_INK
    elif state == "down":
        c.fill(s, T.FACE_DOWN_SHADOW)
        c.fill(s.inset(1), gradient(T.ICON_DOWN_TOP, T.ICON_DOWN_BOTTOM))
        c.blend_span(y + 1, x + 4, x + w - 2, T.FACE_DOWN_SHADOW, 200)
        ink = T.ICON_DOWN_INK
    else:
        c.fill(s, T.ICON_EDGE)
        c.fill(s.inset(1), T.ICON_DISABLE)
        ink = T.ICON_DISABLE_INK
    g = ctl.get("glyph")
    label = ctl.get("label")
    if g and label:
        # Symbol and a short pixel label, centred together.
        gs = min(w, h) - 6
        total = gs + 6 + glyphs.text_width(label)
        left = x + (w - total) / 2
        glyphs.GLYPHS[g](c, left + gs / 2, y + h / 2, gs, ink)
        glyphs.text(c, int(left + gs + 6), int(y + (h - 7) / 2), label, ink)
    elif g:
        glyphs.GLYPHS[g](c, x + w / 2, y + h / 2, min(w, h) - 6, ink)


def draw_row(c, ctl, state):
    x, y, w, h = ctl["rect"]
    s = Shape(x, y, w, h, (4, 0, 4, 0), (True, False, True, False))
    if state == "normal":
        c.fill(s, T.FACE_EDGE)
        c.fill(s.inset(1), gradient(T.FACE_TOP, T.FACE_BOTTOM))
        badge, digits = T.BADGE, T.BADGE_INK
    elif state == "over":
        c.fill(s, T.ACCENT)
        c.fill(s.inset(1), gradient(T.FACE_OVER_TOP, T.FACE_OVER_BOTTOM))
        badge, digits = T.BADGE, T.ACCENT_BRIGHT
    elif state == "down":
        c.fill(s, T.FACE_DOWN_SHADOW)
        c.fill(s.inset(1), gradient(T.FACE_DOWN_TOP, T.FACE_DOWN_BOTTOM))
        badge, digits = (36, 4, 8), (255, 255, 255)
    else:
        c.fill(s, T.FACE_DISABLE_EDGE)
        c.fill(s.inset(1), T.FACE_DISABLE)
        badge, digits = (92, 94, 100), (150, 152, 158)
    bs = Shape(x + 3, y + 3, 26, h - 6, (3, 0, 3, 0), (True, False, True, False))
    c.fill(bs, badge)
    glyphs.text_centred(c, x + 16, y + h / 2, ctl["glyph"][5:], digits)
    if state == "over":
        c.rect(x + w - 5, y + 4, 2, h - 8, T.ACCENT)


def draw_check(c, ctl, state):
    x, y, w, h = ctl["rect"]
    b = min(16, h)
    by = y + (h - b) // 2
    box = Shape(x, by, b, b, (2, 2, 2, 2))
    ink = _ink_on(c, x + w - 4, y + h // 2)
    if state == "disable":
        c.fill(box, (96, 98, 104))
        c.fill(box.inset(1), (140, 142, 148))
        ink = (110, 112, 118)
    elif state == "down":
        c.fill(box, T.FACE_DOWN_SHADOW)
        c.fill(box.inset(1), gradient(T.ACCENT_BRIGHT, T.ACCENT))
        glyphs.check(c, x + b / 2, by + b / 2, b - 2, (255, 255, 255))
        ink = T.ACCENT_BRIGHT if ink == T.ICON_INK else T.ACCENT_DARK
    else:
        c.fill(box, T.ACCENT if state == "over" else (40, 42, 48))
        c.fill(box.inset(1), gradient((250, 250, 252), (206, 209, 215)))
        if state == "over":
            c.outline(box.inset(1), T.ACCENT, 80)
            ink = T.ACCENT_BRIGHT if ink == T.ICON_INK else T.ACCENT
    g = ctl.get("glyph")
    if g:
        glyphs.GLYPHS[g](c, x + b + (w - b) / 2 + 1, y + h / 2, min(h, w - b) - 4, ink)


def draw_radio(c, ctl, state):
    x, y, w, h = ctl["rect"]
    cx, cy = x + w / 2, y + h / 2
    r = min(w, h) / 2 - 0.5
    if state == "disable":
        c.disc(cx, cy, r, (96, 98, 104))
        c.disc(cx, cy, r - 1, (140, 142, 148))
        return
    c.disc(cx, cy, r, T.ACCENT if state == "over" else (40, 42, 48))
    c.disc(cx, cy, r - 1, (246, 247, 249) if state != "down" else (226, 228, 232))
    if state == "over":
        c.ring(cx, cy, r - 1, 1.2, T.ACCENT, 90)
    if state == "down":
        c.disc(cx, cy, r - 3.5, T.ACCENT)
        c.disc(cx - 1, cy - 1, 1.5, T.ACCENT_BRIGHT)


def draw_keycap(c, ctl, state):
    x, y, w, h = ctl["rect"]
    s = Shape(x, y, w, h, (4, 4, 4, 4))
    label = ctl.get("label", "")
    if state == "down":
        c.fill(s, T.FACE_DOWN_SHADOW)
        c.fill(Shape(x + 1, y + 2, w - 2, h - 3, (3, 3, 3, 3)), gradient(T.ACCENT, T.ACCENT_BRIGHT))
        glyphs.text_centred(c, x + w / 2, y + h / 2 + 1, label, (255, 255, 255))
        return
    top, bottom = {"normal": (T.FACE_TOP, T.FACE_BOTTOM), "over": (T.FACE_OVER_TOP, T.FACE_OVER_BOTTOM),
                   "disable": (T.FACE_DISABLE, T.FACE_DISABLE)}[state]
    c.fill(s, T.ACCENT if state == "over" else T.FACE_EDGE)
    c.fill(Shape(x + 1, y + 1, w - 2, h - 2, (3, 3, 3, 3)), (120, 123, 130))   # the cap's lip
    c.fill(Shape(x + 2, y + 1, w - 4, h - 5, (3, 3, 3, 3)), gradient(top, bottom))
    ink = {"normal": (40, 42, 48), "over": T.ACCENT_DARK, "disable": (108, 110, 116)}[state]
    glyphs.text_centred(c, x + w / 2, y + (h - 4) / 2 + 1, label, ink)


def draw_display(c, ctl, state):
    x, y, w, h = ctl["rect"]
    c.rect(x, y, w, h, (70, 72, 80) if state != "over" else T.ACCENT)
    fill = {"normal": (238, 240, 243), "over": (250, 250, 252), "down": (224, 226, 230),
            "disable": (170, 172, 176)}[state]
    c.rect(x + 1, y + 1, w - 2, h - 2, fill)
    c.blend_span(y + 1, x + 1, x + w - 1, (0, 0, 0), 40)      # inset shadow along the top
    c.rect(x + 1, y + 1, 3, h - 2, T.ACCENT if state != "disable" else (120, 122, 128))


def draw_led(c, ctl, state):
    x, y, w, h = ctl["rect"]
    cx, cy, r = x + w / 2, y + h / 2, min(w, h) / 2
    if state == "disable":
        c.disc(cx, cy, r - 0.5, (70, 72, 78))
        return
    if state in ("over", "down"):
        c.disc(cx, cy, r, T.ACCENT, 90)
        c.disc(cx, cy, r - 1.2, T.ACCENT_BRIGHT if state == "over" else (255, 200, 200))
    else:
        c.disc(cx, cy, r - 0.5, (20, 20, 22))
        c.disc(cx, cy, r - 1.5, T.ACCENT_DARK)
    c.disc(cx - 1, cy - 1, 1.2, (255, 220, 220), 170)


def draw_emblem(c, ctl, state):
    x, y, w, h = ctl["rect"]
    s = min(w, h) if not ctl.get("light") else h
    if ctl.get("light"):
        ink = {"normal": (60, 62, 70), "over": T.ACCENT_DARK, "down": T.ACCENT,
               "disable": (130, 132, 138)}[state]
        glow = T.ACCENT if state != "disable" else ink
    else:
        if state in ("over", "down"):
            c.disc(x + w / 2, y + h / 2, min(w, h) / 2, T.ACCENT, 60)
        ink = {"normal": T.ACCENT, "over": T.ACCENT_BRIGHT, "down": (255, 255, 255),
               "disable": (90, 92, 98)}[state]
        glow = ink
    glyphs.mouse(c, x + w / 2, y + h / 2, s, ink, glow=glow)


DRAW = {
    "text": draw_text_button, "icon": draw_icon_button, "row": draw_row, "check": draw_check,
    "radio": draw_radio, "keycap": draw_keycap, "display": draw_display, "led": draw_led,
    "emblem": draw_emblem,
}


def is_button(ctl):
    return ctl["kind"] in DRAW


def render_states(win):
    """The four full-window images of a window: {state: Canvas}."""
    base = draw_chassis(win)
    out = {}
    for state in STATES:
        img = base.copy()
        for ctl in win["controls"]:
            if is_button(ctl):
                draw_control(img, ctl, state)
        out[state] = img
    return out


def render_mask(win):
    w, h = win["size"]
    c = Canvas(w, h, T.MASK_OUTSIDE)
    c.fill(window_shape(win), T.MASK_INSIDE)
    return c
