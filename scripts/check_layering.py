#!/usr/bin/env python3
"""Compares every #include between the product's folders with the allowed folder dependencies.

A folder may include its own headers and those of the folders listed for it, nothing else, so
that the layering cannot erode one include at a time. Tests and benchmarks may include anything.
Prints each edge that is not allowed and exits 1 if there is one.
"""
import pathlib
import re
import sys

# Folder -> the folders it may include from. Lower layers first; no cycles.
ALLOWED = {
    "base": set(),
    "lang": set(),
    "input": {"base"},
    "settings": {"base", "lang"},
    "bridge": {"base", "settings"},
    "kbhook": {"base", "bridge"},
    "platform": {"base", "input", "settings", "bridge"},
    "ui": {"base", "platform"},
    "skin": {"base", "settings", "platform", "ui"},
    "monitor": {"base", "input", "settings", "bridge", "platform", "lang"},
    "option": {"base", "input", "settings", "bridge", "platform", "lang", "ui", "skin"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = {".h", ".cpp", ".c", ".rc"}


def check(root):
    problems = []
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCES:
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                if "/" not in target:
                    continue  # a generated header found on the include path
                top = target.split("/", 1)[0]
                if top != folder and top not in allowed:
                    problems.append(f"{path.relative_to(root)}: {folder} may not include {target}")
    # The table itself must stay acyclic, or the order of the layers means nothing.
    state = {}

    def visit(folder, trail):
        if state.get(folder) == "done":
            return
        if state.get(folder) == "open":
            problems.append("cycle in the allowed dependencies: " + " -> ".join(trail + [folder]))
            return
        state[folder] = "open"
        for dep in sorted(ALLOWED.get(folder, ())):
            visit(dep, trail + [folder])
        state[folder] = "done"

    for folder in ALLOWED:
        visit(folder, [])
    return problems


if __name__ == "__main__":
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    found = check(root.resolve())
    for line in found:
        print(line)
    print(f"layering: {len(found)} include edge(s) outside the allowed folder dependencies")
    sys.exit(1 if found else 0)
