#!/usr/bin/env python3
"""Makes every Text element of the documents plain text, unless it says
otherwise: names from the device, the network and the music server may hold
markup, which must show as typed and never load an image or change the
layout. Run from the repository root; --check only reports, and fails when a
Text element lacks its textFormat."""
import pathlib
import re
import sys

OPEN = re.compile(r'^(\s*)((?:\w+\s*:\s*)?(?:\w+\.)?Text)\s*\{\s*$')


def block_has_format(lines, start, indent):
    depth = 0
    child = indent + 4
    for line in lines[start:]:
        if depth == 1 and re.match(r'^\s{%d}textFormat\s*:' % child, line):
            return True
        depth += line.count('{') - line.count('}')
        if depth <= 0 and line is not lines[start]:
            return False
    return False


def fix(path, check):
    lines = path.read_text().split('\n')
    out = []
    missing = 0
    for i, line in enumerate(lines):
        out.append(line)
        m = OPEN.match(line)
        if not m or block_has_format(lines, i, len(m.group(1))):
            continue
        missing += 1
        out.append(' ' * (len(m.group(1)) + 4) + 'textFormat: Text.PlainText')
    # The id stays the first line of its element.
    for i in range(len(out) - 1):
        if out[i].strip() == 'textFormat: Text.PlainText' and re.match(r'^\s*id:\s*\w+\s*$', out[i + 1]):
            out[i], out[i + 1] = out[i + 1], out[i]
    if missing and not check:
        path.write_text('\n'.join(out))
    return missing


def main():
    check = '--check' in sys.argv
    files = [pathlib.Path('resources/main.qml')] + sorted(pathlib.Path('resources/Qml').rglob('*.qml'))
    total = 0
    for path in files:
        if path.name == 'TermsAndConditions.qml':  # our own rich text
            continue
        missing = fix(path, check)
        if missing:
            print('%s: %d Text element(s) without textFormat' % (path, missing))
        total += missing
    return 1 if check and total else 0


if __name__ == '__main__':
    sys.exit(main())
