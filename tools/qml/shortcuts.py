#!/usr/bin/env python3
"""Checks that the keyboard shortcuts page lists every Shortcut sequence the
window binds, and that the README's table holds the page's rows, in order."""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
PAGE = ROOT / "resources/Qml/Settings/KeyboardShortcuts.qml"
BINDINGS = ROOT / "resources/Qml/AppShortcuts.qml"
README = ROOT / "README.md"


def page_rows(text):
    return re.findall(r'keys: QT_TR_NOOP\("([^"]+)"\); action: QT_TR_NOOP\("([^"]+)"\)', text)


def bound_sequences(text):
    return re.findall(r'Shortcut\s*\{[^}]*?sequence:\s*"([^"]+)"', text, re.S)


def readme_rows(text):
    start = text.find("| Keys | Action |")
    if start < 0:
        return []
    rows = []
    for line in text[start:].splitlines()[2:]:
        if not line.startswith("|"):
            break
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) == 2:
            rows.append(tuple(cells))
    return rows


def problems(page, bindings, readme):
    rows = page_rows(page)
    listed = {keys for keys, _ in rows}
    found = ["%s is bound but not on the shortcuts page" % s for s in bound_sequences(bindings) if s not in listed]
    if readme_rows(readme) != rows:
        found.append("the README's table differs from the shortcuts page")
    return found


def main():
    found = problems(PAGE.read_text(), BINDINGS.read_text(), README.read_text())
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
