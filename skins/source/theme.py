"""Every colour of the default skin, in one place (RGB tuples).

Dark charcoal chassis, light brushed-grey cards where the program paints black text, one red
accent for glow, selection and pressed states.
"""

# Chassis and frame
CHASSIS_TOP = (46, 48, 54)
CHASSIS_BOTTOM = (24, 25, 29)
CHASSIS_LINE = (58, 61, 68)          # faint horizontal grooves on the chassis
RIM_OUTER = (10, 10, 12)
RIM_GLOW = (200, 28, 40)
HEADER_TOP = (34, 35, 40)
HEADER_BOTTOM = (18, 18, 21)
HEADER_TEXT = (150, 154, 162)

# Accent
ACCENT = (226, 36, 50)
ACCENT_BRIGHT = (255, 84, 92)
ACCENT_DARK = (140, 16, 26)

# Light cards (black text is painted on them)
CARD_TOP = (214, 217, 222)
CARD_BOTTOM = (186, 189, 195)
CARD_HEADER_TOP = (232, 234, 238)
CARD_HEADER_BOTTOM = (204, 207, 213)
CARD_EDGE = (96, 99, 106)
CARD_SHADOW = (8, 8, 10)

# Dark panels (the button list)
PANEL_TOP = (36, 38, 43)
PANEL_BOTTOM = (28, 29, 33)
PANEL_EDGE = (64, 67, 74)

# Light buttons that carry a black caption
FACE_TOP = (224, 226, 230)
FACE_BOTTOM = (178, 181, 188)
FACE_EDGE = (58, 60, 66)
FACE_HIGHLIGHT = (248, 249, 251)
FACE_OVER_TOP = (246, 247, 249)
FACE_OVER_BOTTOM = (206, 209, 215)
FACE_DOWN_TOP = (204, 52, 62)
FACE_DOWN_BOTTOM = (246, 106, 112)
FACE_DOWN_SHADOW = (96, 8, 16)
FACE_DISABLE = (138, 140, 145)
# Pressed look of a button whose owner paints a light (green) caption when it is active
REC_DOWN_TOP = (40, 8, 12)
REC_DOWN_BOTTOM = (92, 16, 24)
FACE_DISABLE_EDGE = (98, 100, 106)

# Dark buttons that carry a symbol
ICON_TOP = (62, 65, 72)
ICON_BOTTOM = (38, 40, 45)
ICON_EDGE = (12, 12, 14)
ICON_INK = (206, 210, 218)
ICON_OVER_TOP = (84, 88, 97)
ICON_OVER_BOTTOM = (52, 55, 62)
ICON_OVER_INK = (255, 255, 255)
ICON_DOWN_TOP = (150, 16, 28)
ICON_DOWN_BOTTOM = (228, 48, 60)
ICON_DOWN_INK = (255, 255, 255)
ICON_DISABLE = (50, 51, 55)
ICON_DISABLE_INK = (100, 102, 108)

# Number badge on the button rows
BADGE = (34, 36, 41)
BADGE_INK = (236, 238, 242)

# Wells under edit fields, lists and labels, and slider grooves
WELL = (16, 16, 19)
WELL_EDGE = (120, 124, 132)
GROOVE = (30, 31, 35)
GROOVE_FILL = (200, 30, 44)
TICK = (74, 77, 84)

# Slider thumb; its corner colour is the key that the thumb's shape removes
THUMB_KEY = (255, 0, 255)
THUMB_TOP = (250, 250, 252)
THUMB_BOTTOM = (170, 173, 180)
THUMB_EDGE = (40, 41, 46)

# Mask
MASK_OUTSIDE = (255, 255, 255)
MASK_INSIDE = (0, 0, 0)

# Menu and list resources of the configurator
MENU_ARROW = (214, 32, 46)
ROW_KEY_DOWN = (232, 64, 72)
ROW_KEY_UP = (110, 200, 120)
ROW_DELAY = (240, 176, 60)
ROW_MOUSE = (110, 170, 240)
ROW_INK = (200, 204, 212)
