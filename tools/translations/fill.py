#!/usr/bin/env python3
"""Fills the translations of lupdate's .ts files from catalogue.TEXTS."""
import sys
import xml.etree.ElementTree as ET
from catalogue import TEXTS

missing = set()
args = sys.argv[1:]
for path, lang in zip(args[0::2], args[1::2]):
    column = {"de": 0, "it": 1}[lang]
    tree = ET.parse(path)
    for message in tree.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        if source not in TEXTS:
            missing.add(source)
            continue
        translation.text = TEXTS[source][column]
        translation.attrib.pop("type", None)
    ET.indent(tree)
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8")
if missing:
    print("no translation for:", *sorted(missing), sep="\n  ", file=sys.stderr)
    sys.exit(1)
