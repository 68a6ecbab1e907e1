#!/usr/bin/env python3
"""Generates the default skin: the nine skin descriptions with their mask and state images, the
slider thumb, the double-click test picture and clip, and (with --resources) the configurator's
submenu arrow icon and event-list row bitmaps.

    make_skin.py <skin folder> [--resources <folder>]

Output is deterministic: the same sources always give the same bytes.
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import extras  # noqa: E402
import layout  # noqa: E402
import widgets  # noqa: E402

RESOURCE_FILES = {
    "submenu_arrow.ico": lambda: extras.submenu_arrow_icon(),
    "event_delay.bmp": lambda: extras.row_bitmap("delay").bmp_bytes(),
    "event_key_up.bmp": lambda: extras.row_bitmap("key_up").bmp_bytes(),
    "event_key_down.bmp": lambda: extras.row_bitmap("key_down").bmp_bytes(),
    "event_mouse_button.bmp": lambda: extras.row_bitmap("mouse").bmp_bytes(),
}


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def description(win):
    """The skin_<name>.ini text (ANSI, CRLF): image names and one line per control."""
    n = win["name"]
    lines = ["[SCREEN]"]
    for key, state in (("Mask", "mask"), ("Normal", "normal"), ("Over", "over"), ("Down", "down"),
                       ("Disable", "disable")):
        lines.append("%s=%s_%s.bmp" % (key, n, state))
    lines.append("")
    lines.append("[BUTTONPOS]")
    for ctl in sorted(win["controls"], key=lambda c: c["key"]):
        x, y, w, h = ctl["rect"]
        name = layout.NAMES.get(n, {}).get(ctl["key"], "%s%d" % (ctl["kind"], ctl["key"]))
        lines.append("%d=%s,%d,%d,%d,%d,%s" % (ctl["key"], name, x, y, w, h, ctl["text"]))
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def write_skin(folder):
    os.makedirs(folder, exist_ok=True)
    written = []
    for win in layout.WINDOWS:
        n = win["name"]
        images = widgets.render_states(win)
        images["mask"] = widgets.render_mask(win)
        for state, img in images.items():
            name = "%s_%s.bmp" % (n, state)
            _write(os.path.join(folder, name), img.bmp_bytes())
            written.append(name)
        _write(os.path.join(folder, "skin_%s.ini" % n), description(win))
        written.append("skin_%s.ini" % n)
    _write(os.path.join(folder, "scroll.bmp"), extras.thumb().bmp_bytes())
    _write(os.path.join(folder, "double_click.bmp"), extras.still_picture().bmp_bytes())
    _write(os.path.join(folder, "double_click.avi"), extras.clip_avi())
    return written + ["scroll.bmp", "double_click.bmp", "double_click.avi"]


def write_resources(folder):
    os.makedirs(folder, exist_ok=True)
    for name, make in RESOURCE_FILES.items():
        _write(os.path.join(folder, name), make())


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--resources"):
        sys.stderr.write(__doc__)
        return 2
    write_skin(argv[1])
    if len(argv) == 4:
        write_resources(argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
