"""Layout of the default skin: every window's size, outline, panels and control rectangles.

A control is placed by its BUTTONPOS key (the number each window's code reads). Kinds:
  text     light button whose caption the program paints (black by default)
  icon     dark button with a drawn symbol and no caption
  row      one of the fifteen button rows: number badge on the left, caption 35 px in
  check    toggle with a box (optionally followed by a symbol); checked = pressed look
  radio    toggle with a round mark
  keycap   toggle drawn as a key cap with a short pixel label
  display  inset read-out that carries a caption (the selected button's function)
  led      decorative indicator, no command
  emblem   decorative symbol plate, no command
  edit, list, label, slider, clip   areas other controls cover; only a well or groove is drawn
Rectangles are (x, y, width, height) in window client pixels.
"""


def ctl(key, kind, x, y, w, h, glyph=None, text="", **extra):
    d = {"key": key, "kind": kind, "rect": (x, y, w, h), "glyph": glyph, "text": text}
    d.update(extra)
    return d


def card(x, y, w, h, header=0, dark=False, title=None):
    return {"rect": (x, y, w, h), "header": header, "dark": dark, "title": title}


# --- main window ------------------------------------------------------------------------------
ROW_X, ROW_Y, ROW_W, ROW_H, ROW_PITCH = 12, 40, 172, 21, 23
SLIDER_THUMB = (14, 20)

main_controls = [
    ctl(51, "emblem", 14, 5, 24, 22, glyph="mouse"),
    ctl(37, "led", 420, 12, 9, 9),
    ctl(38, "led", 434, 12, 9, 9),
    ctl(39, "led", 448, 12, 9, 9),
    ctl(43, "icon", 580, 5, 26, 20, glyph="globe"),
    ctl(10, "icon", 610, 5, 26, 20, glyph="minimise"),
    ctl(11, "icon", 640, 5, 26, 20, glyph="close", hot=True),
    # profile tools in the header of the profile card
    ctl(1, "icon", 556, 39, 26, 22, glyph="plus"),
    ctl(2, "icon", 584, 39, 26, 22, glyph="import"),
    ctl(3, "icon", 612, 39, 26, 22, glyph="export"),
    ctl(4, "icon", 640, 39, 26, 22, glyph="pencil"),
    # function of the selected button
    ctl(54, "display", 200, 74, 198, 24),
    ctl(52, "text", 200, 102, 122, 24, glyph="chevron_down", glyph_side="right"),
    ctl(55, "text", 326, 102, 72, 24),
    ctl(35, "radio", 204, 132, 18, 16),
    ctl(36, "radio", 204, 162, 18, 16),
    ctl(56, "emblem", 358, 130, 38, 54, glyph="mouse", light=True),
    # sliders and the double-click test
    ctl(57, "slider", 238, 306, 150, 20, ticks=9),
    ctl(58, "slider", 461, 306, 150, 20, ticks=9),
    ctl(59, "slider", 238, 366, 150, 20, ticks=8),
    ctl(61, "clip", 466, 344, 140, 56),
    ctl(60, "text", 566, 226, 100, 24, glyph="reset", glyph_side="left"),
    # bottom bar
    ctl(44, "icon", ROW_X, 388, ROW_W, 22, glyph="reset", label="1-15"),   # all rows' defaults
    ctl(12, "text", 444, 418, 70, 26, glyph="ok", glyph_side="centre"),
    ctl(14, "text", 520, 418, 70, 26),
    ctl(13, "text", 596, 418, 70, 26),
]
for _i in range(5):
    _y = 74 + 28 * _i
    main_controls.append(ctl(5 + _i, "icon", 420, _y, 30, 24, glyph="digit%d" % (_i + 1)))
    main_controls.append(ctl(15 + _i, "label", 456, _y, 210, 24))
for _i in range(15):
    main_controls.append(ctl(20 + _i, "row", ROW_X, ROW_Y + ROW_PITCH * _i, ROW_W, ROW_H,
                             glyph="digit%d" % (_i + 1)))

MAIN = {
    "name": "main", "size": (680, 450), "corners": (18, 18, 14, 14), "header": 30,
    "title": "GAMING MOUSE",
    "cards": [
        card(6, 34, 180, 378, dark=True),                 # button list
        card(190, 32, 216, 184, header=36),               # function of the selected button
        card(412, 32, 262, 184, header=36, title="PROFILE"),
        card(190, 220, 484, 190, header=36),              # Windows mouse settings
    ],
    "strips": [(12, 422, 424, 18)],
    "controls": main_controls,
    # Texts the main window paints itself (language string id, x, y, w, h): they must fall on a
    # light card.
    "static_texts": [(1, 198, 37, 180, 30), (5, 198, 222, 196, 30), (6, 214, 267, 96, 20),
                     (7, 264, 285, 98, 20), (8, 487, 285, 98, 20), (9, 264, 345, 98, 20),
                     (3, 227, 130, 123, 20), (4, 227, 160, 123, 20)],
}

# --- key-combination and single-key dialogs -----------------------------------------------------
_key_common = [
    ctl(4, "icon", 426, 4, 26, 20, glyph="close", hot=True),
    ctl(10, "edit", 162, 71, 180, 22),
    ctl(2, "text", 276, 114, 80, 26, glyph="check", glyph_side="left"),
    ctl(3, "text", 364, 114, 80, 26, glyph="close", glyph_side="left"),
]
SHORTCUT = {
    "name": "shortcut", "size": (460, 150), "corners": (12, 12, 10, 10), "header": 28,
    "cards": [card(84, 32, 368, 72)],
    "decor": [("keyboard", 44, 68, 48)], "title": "SHORTCUT",
    "controls": _key_common + [
        ctl(5, "check", 92, 40, 16, 16), ctl(6, "check", 178, 40, 16, 16),
        ctl(7, "check", 264, 40, 16, 16), ctl(8, "check", 349, 40, 16, 16),
        ctl(9, "check", 92, 74, 16, 16),
    ],
}
SINGLE_KEY = {
    "name": "single_key", "size": (460, 150), "corners": (12, 12, 10, 10), "header": 28,
    "cards": [card(84, 32, 368, 72)],
    "decor": [("keycap", 44, 68, 44)], "title": "SINGLE KEY",
    "controls": _key_common + [
        ctl(5, "keycap", 92, 38, 78, 24, label="NONE"), ctl(6, "keycap", 178, 38, 78, 24, label="CTRL"),
        ctl(7, "keycap", 264, 38, 78, 24, label="SHIFT"), ctl(8, "keycap", 350, 38, 78, 24, label="ALT"),
        ctl(9, "keycap", 92, 70, 62, 24, label="WIN"),
    ],
}

# --- macro editor -------------------------------------------------------------------------------
MACRO_MANAGER = {
    "name": "macro_manager", "size": (520, 362), "corners": (16, 16, 12, 12), "header": 30,
    "title": "MACRO",
    "cards": [card(8, 36, 188, 280, dark=True), card(204, 36, 308, 280, dark=True)],
    "controls": [
        ctl(3, "icon", 484, 5, 26, 20, glyph="close", hot=True),
        ctl(6, "list", 16, 44, 172, 226),
        ctl(4, "text", 16, 280, 84, 26, glyph="plus", glyph_side="left"),
        ctl(5, "text", 104, 280, 84, 26, glyph="trash", glyph_side="left"),
        ctl(11, "list", 212, 44, 180, 262),
        # The record button's owner paints its caption light green when over or pressed.
        ctl(7, "text", 400, 44, 104, 28, glyph="record", glyph_side="left", glyph_colour="accent",
            dark_when_active=True),
        ctl(8, "check", 400, 82, 50, 22, glyph="clock"),
        ctl(9, "check", 400, 110, 50, 22, glyph="loop"),
        ctl(10, "edit", 458, 110, 46, 22),
        ctl(12, "text", 400, 246, 104, 26, glyph="import", glyph_side="left"),
        ctl(13, "text", 400, 280, 104, 26, glyph="export", glyph_side="left"),
        ctl(1, "text", 336, 326, 84, 26, glyph="check", glyph_side="left"),
        ctl(2, "text", 428, 326, 84, 26, glyph="close", glyph_side="left"),
    ],
}

# --- profile properties ------------------------------------------------------------------------
PROFILE = {
    "name": "profile", "size": (400, 150), "corners": (12, 12, 10, 10), "header": 28,
    "title": "PROFILE",
    "cards": [card(8, 34, 384, 72)],
    "decor": [("tag", 26, 53, 20), ("program", 26, 83, 20)],
    "controls": [
        ctl(6, "icon", 366, 4, 26, 20, glyph="close", hot=True),
        ctl(1, "edit", 44, 42, 340, 22),
        ctl(2, "edit", 44, 72, 300, 22),
        ctl(3, "icon", 350, 72, 34, 22, glyph="folder"),
        ctl(4, "text", 216, 116, 80, 26, glyph="check", glyph_side="left", text="OK"),
        ctl(5, "text", 304, 116, 88, 26, glyph="close", glyph_side="left", text="Cancel"),
    ],
}


# --- confirmation dialogs ----------------------------------------------------------------------
def confirmation(name, symbol, with_close=True):
    controls = [
        ctl(1, "text", 258, 120, 84, 26, glyph="check", glyph_side="left"),
        ctl(2, "text", 350, 120, 84, 26, glyph="close", glyph_side="left"),
    ]
    if with_close:
        controls.append(ctl(3, "icon", 414, 3, 26, 18, glyph="close", hot=True))
    return {
        "name": name, "size": (450, 160), "corners": (10, 10, 10, 10), "header": 24,
        # The dialog paints its title at (96, 30, 180, 20) and message at (96, 55, 330, 50).
        "cards": [card(88, 27, 354, 84)],
        "decor": [(symbol, 46, 70, 46)],
        "controls": controls,
        "static_texts": [(0, 96, 30, 180, 20), (0, 96, 55, 330, 50)],
    }


WINDOWS = [
    MAIN, SHORTCUT, SINGLE_KEY, MACRO_MANAGER, PROFILE,
    confirmation("delete_macro_warn", "trash"),
    confirmation("click_warn", "warning"),
    confirmation("reset_warn", "reset"),
    confirmation("macro_set_warn", "info", with_close=False),
]

# Names written into the descriptions' BUTTONPOS lines (the programs go by the key alone).
NAMES = {
    "main": dict([(1, "new_profile"), (2, "import_profile"), (3, "export_profile"),
                  (4, "edit_profile"), (10, "minimise"), (11, "close"), (12, "ok"), (13, "close_text"),
                  (14, "apply"), (35, "right_handed"), (36, "left_handed"), (37, "led_1"),
                  (38, "led_2"), (39, "led_3"), (43, "web_page"), (44, "all_buttons_default"),
                  (51, "emblem"), (52, "assign_function"), (54, "function_display"),
                  (55, "button_default"), (56, "orientation_picture"), (57, "pointer_speed"),
                  (58, "wheel_speed"), (59, "double_click_speed"), (60, "reset_all"),
                  (61, "double_click_test")] +
                 [(5 + i, "profile_slot_%d" % (i + 1)) for i in range(5)] +
                 [(15 + i, "profile_name_%d" % (i + 1)) for i in range(5)] +
                 [(20 + i, "mouse_button_%d" % (i + 1)) for i in range(15)]),
    "shortcut": {2: "ok", 3: "cancel", 4: "close", 5: "no_modifier", 6: "ctrl", 7: "shift",
                 8: "alt", 9: "win", 10: "key"},
    "macro_manager": {1: "ok", 2: "cancel", 3: "close", 4: "new_macro", 5: "delete_macro",
                      6: "macro_list", 7: "record", 8: "record_delays", 9: "repeat",
                      10: "repeat_count", 11: "event_list", 12: "import", 13: "export"},
    "profile": {1: "name", 2: "program", 3: "browse", 4: "ok", 5: "cancel", 6: "close"},
    "confirmation": {1: "ok", 2: "cancel", 3: "close"},
}
NAMES["single_key"] = NAMES["shortcut"]
for _w in ("delete_macro_warn", "click_warn", "reset_warn", "macro_set_warn"):
    NAMES[_w] = NAMES["confirmation"]

# The double-click test: its still picture and clip have the size of key 61.
CLIP_SIZE = (140, 56)
CLIP_FRAMES = 12
CLIP_FRAME_MS = 60
