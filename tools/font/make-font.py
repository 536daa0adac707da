#!/usr/bin/python3
"""Builds fonts/MorvaneUnicodePN.ttf from DejaVu Sans (Debian: fonts-dejavu-core).

DejaVu's licence (the Bitstream Vera licence plus public-domain changes)
allows modified copies as long as they no longer carry the Bitstream, Vera
or DejaVu names, so the only change here is the naming table: every family,
full and PostScript name becomes MorvaneUnicodePN. The licence text stays in
the font's name table (IDs 13 and 14) and in fonts/LICENSE-DejaVu.txt.

Usage: make-font.py [SOURCE_TTF] [OUTPUT_TTF]   (needs python3-fonttools)
"""
import sys
from fontTools.ttLib import TTFont

src = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
out = sys.argv[2] if len(sys.argv) > 2 else "fonts/MorvaneUnicodePN.ttf"
FAMILY = "MorvaneUnicodePN"

font = TTFont(src)
names = font["name"]
for rec in names.names:
    if rec.nameID in (1, 16, 21):
        rec.string = FAMILY
    elif rec.nameID in (4,):
        rec.string = FAMILY
    elif rec.nameID == 6:
        rec.string = FAMILY + "-Regular"
    elif rec.nameID == 3:
        rec.string = FAMILY + ": Regular"
    elif rec.nameID == 0:
        rec.string = "Derived from DejaVu Sans (Bitstream Vera licence and public-domain changes); renamed."
font.save(out)
print("wrote", out)
