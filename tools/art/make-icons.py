#!/usr/bin/env python3
"""Writes the application's icon set (simple line icons) and its cover and
device pictures into resources/TavirelImgs/Images, all as SVG, so that each is
drawn at the size it is shown. Run from the source root."""
import os

OUT = "resources/TavirelImgs/Images"
os.makedirs(OUT, exist_ok=True)
STROKE = '#e6e9ee'

def svg(name, body, stroke=STROKE):
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48" '
                f'fill="none" stroke="{stroke}" stroke-width="3" stroke-linecap="round" stroke-linejoin="round">'
                + body + '</svg>\n')

icons = {
    "add": '<path d="M24 10v28M10 24h28"/>',
    "arrow_down": '<path d="M12 18l12 12 12-12"/>',
    "device": '<rect x="6" y="6" width="36" height="36" rx="8"/><path d="M15 16h18M24 16v16"/><circle cx="24" cy="36" r="1.5" fill="#e6e9ee"/>',
    "delete": '<path d="M12 14h24M20 14v-4h8v4M15 14l2 24h14l2-24"/>',
    "equalizer": '<path d="M12 8v32M24 8v32M36 8v32"/><circle cx="12" cy="30" r="3" fill="#e6e9ee"/><circle cx="24" cy="16" r="3" fill="#e6e9ee"/><circle cx="36" cy="26" r="3" fill="#e6e9ee"/>',
    "group": '<rect x="8" y="8" width="14" height="14" rx="2"/><rect x="26" y="8" width="14" height="14" rx="2"/><rect x="8" y="26" width="14" height="14" rx="2"/><rect x="26" y="26" width="14" height="14" rx="2"/>',
    "input": '<path d="M6 24h22M20 16l8 8-8 8"/><rect x="30" y="10" width="12" height="28" rx="2"/>',
    "library": '<path d="M10 8v32M18 8v32M26 10l8 30M38 8v32"/>',
    "matrix": '<path d="M8 8h32v32H8zM8 19h32M8 29h32M19 8v32M29 8v32"/>',
    "menu_dots": '<circle cx="12" cy="24" r="2.5" fill="#e6e9ee"/><circle cx="24" cy="24" r="2.5" fill="#e6e9ee"/><circle cx="36" cy="24" r="2.5" fill="#e6e9ee"/>',
    "mute": '<path d="M8 18h8l10-8v28l-10-8H8z"/><path d="M32 18l10 12M42 18L32 30"/>',
    "unmute": '<path d="M8 18h8l10-8v28l-10-8H8z"/><path d="M32 17c4 4 4 10 0 14M37 12c7 7 7 17 0 24"/>',
    "next": '<path d="M12 10l16 14-16 14z" fill="#e6e9ee"/><path d="M36 10v28"/>',
    "prev": '<path d="M36 10L20 24l16 14z" fill="#e6e9ee"/><path d="M12 10v28"/>',
    "offline": '<circle cx="24" cy="24" r="14"/><path d="M14 34L34 14"/>',
    "online": '<circle cx="24" cy="24" r="14"/><path d="M17 24l5 5 10-10"/>',
    "output": '<rect x="12" y="6" width="24" height="36" rx="4"/><circle cx="24" cy="28" r="7"/><circle cx="24" cy="14" r="2.5"/>',
    "pause": '<path d="M17 10v28M31 10v28" stroke-width="6"/>',
    "play": '<path d="M14 8l24 16-24 16z" fill="#e6e9ee"/>',
    "play_now": '<circle cx="24" cy="24" r="16"/><path d="M20 16l12 8-12 8z" fill="#e6e9ee"/>',
    "play_status": '<path d="M8 30v-8M16 36V16M24 40V8M32 34V14M40 28v-6"/>',
    "playlists": '<path d="M8 12h22M8 20h22M8 28h14"/><path d="M34 22v14"/><circle cx="30" cy="36" r="4"/>',
    "queue": '<path d="M8 12h32M8 20h32M8 28h20M8 36h20"/><path d="M34 28l6 4-6 4z" fill="#e6e9ee"/>',
    "save": '<path d="M10 8h22l6 6v26H10z"/><path d="M16 8v10h14V8M16 40V28h16v12"/>',
    "settings": '<circle cx="24" cy="24" r="6"/><path d="M24 6v6M24 36v6M6 24h6M36 24h6M11 11l4 4M33 33l4 4M11 37l4-4M33 15l4-4"/>',
    "repeat": '<path d="M10 22v-4a4 4 0 0 1 4-4h24M32 8l6 6-6 6M38 26v4a4 4 0 0 1-4 4H10M16 28l-6 6 6 6"/>',
    "shuffle": '<path d="M8 14c10 0 14 20 32 20M8 34c10 0 14-20 32-20"/><path d="M36 10l4 4-4 4M36 30l4 4-4 4"/>',
}
for name, body in icons.items():
    svg(name, body)

with open(os.path.join(OUT, "tavirel.svg"), "w") as f:
    f.write('<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">'
            '<rect x="8" y="8" width="112" height="112" rx="26" fill="#1f232b" stroke="#e0a43a" stroke-width="4"/>'
            '<path d="M36 44h56M64 44v48" stroke="#e0a43a" stroke-width="10" stroke-linecap="round" fill="none"/>'
            '<circle cx="64" cy="92" r="6" fill="#4fb3a9"/></svg>\n')

def picture(name, w, h, top, bottom, mark):
    """A gradient from the top left to the bottom right with a light mark."""
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
                '<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="1">'
                f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
                f'</linearGradient></defs><rect width="{w}" height="{h}" fill="url(#g)"/>{mark}</svg>\n')

def ring(w, h):
    return (f'<circle cx="{w / 2}" cy="{h / 2}" r="{w * 0.228:.1f}" fill="none" stroke="{STROKE}" '
            f'stroke-width="{w * 0.015:.1f}"/><circle cx="{w / 2}" cy="{h / 2}" r="{w * 0.04:.1f}" fill="{STROKE}"/>')

def bars(w, h):
    step = h / 8
    rows = [step * (i + 2) + 1.5 for i in range(4)]
    return "".join(f'<path d="M{w * 0.2:.1f} {y:.1f}H{w * 0.8:.1f}" stroke="{STROKE}" stroke-width="3" '
                   'stroke-linecap="round"/>' for y in rows)

picture("defaultcoverart", 256, 256, "#2b313b", "#14161b", ring(256, 256))
picture("playlistcoverart", 256, 256, "#3a4250", "#1f232b", bars(256, 256))
picture("sourcecoverart", 256, 256, "#4fb3a9", "#1f232b", ring(256, 256))
picture("airplaycoverart", 256, 256, "#5a5a6e", "#1e1e28", ring(256, 256))
picture("model_compact", 160, 96, "#2b313b", "#3a4250", bars(160, 96))
picture("model_rack", 160, 96, "#1f232b", "#4fb3a9", bars(160, 96))
print("icons written to", OUT)
