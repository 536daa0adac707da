#!/usr/bin/env python3
"""Writes resources/Settings/SettingsDefaults.json: the schema of the device's
settings (which keys each node shows, in which order, with which editor) and
the country list of the iTunes service, taken from Debian's iso-codes
(/usr/share/iso-codes/json/iso_3166-1.json, package "iso-codes").

Countries carry their ISO 3166-1 alpha-2 code as "value" and their English
name as "label" (the common name where the standard gives one, so "Bolivia"
rather than "Bolivia, Plurinational State of"), sorted the way a reader
expects: accents and case do not count, so "Åland Islands" comes among the A.

Usage: tools/settings/make-settings-defaults.py [ISO_3166_1_JSON]
"""
import json
import os
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "resources", "Settings", "SettingsDefaults.json")
ISO = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/iso-codes/json/iso_3166-1.json"


def collation_key(name):
    # Primary strength of a Latin collation: letters without their accents,
    # case folded; the full name breaks ties.
    base = "".join(c for c in unicodedata.normalize("NFKD", name) if not unicodedata.combining(c))
    return (base.casefold(), name)


def countries():
    with open(ISO, encoding="utf-8") as f:
        entries = json.load(f)["3166-1"]
    rows = [{"value": e["alpha_2"], "label": e.get("common_name", e["name"])} for e in entries]
    return sorted(rows, key=lambda r: collation_key(r["label"]))


def number(lo, hi, step=1):
    return {"type": "number", "min": lo, "max": hi, "step": step}


def string(editable=True):
    return {"type": "string"} if editable else {"type": "string", "editable": False}


def schema():
    feedback = dict(string(False))
    return {
        "priority_keys": ["this_tavirel", "outputs", "sources", "usb", "nas", "services"],
        "this_tavirel": {"priority_keys": ["name"], "name": string(), "permission": 1},
        "output": {
            "priority_keys": ["name", "min_volume", "max_volume", "ch_mode", "name_virtual", "mix",
                              "mix_volume"],
            "name": string(),
            "min_volume": number(-80, 20),
            "max_volume": number(-80, 20),
            "ch_mode": {"type": "bool"},
            "name_virtual": string(),
            "mix": {"type": "bool"},
            "mix_volume": number(-80, 20),
            "inputs": {"type": "source_check_list"},
            "permission": 1,
        },
        "source": {
            "priority_keys": ["name", "vol_preamp", "player_btn", "feedback"],
            "name": string(),
            "vol_preamp": number(0, 20),
            "player_btn": {"type": "button", "cmd": "2100|%@", "visible": "is_player"},
            "feedback": dict(feedback, visible="is_player"),
            "icon": {"type": "icon_enum"},
            "permission": 1,
        },
        "usb": {"priority_keys": ["auto_play"], "auto_play": {"type": "bool"},
                "player": {"type": "player_enum"}, "permission": 1},
        "nasitem": {
            "priority_keys": ["name", "path", "username", "password", "feedback"],
            "name": string(),
            "path": {"type": "path", "hint": "//[ip or hostname]/Share/Subfolder"},
            "username": string(),
            "password": {"type": "password"},
            "feedback": feedback,
            "permission": 1,
        },
        "service_spotify": {
            "priority_keys": ["name", "enabled", "username", "password", "feedback"],
            "name": string(),
            "enabled": {"type": "bool"},
            "username": string(),
            "password": {"type": "password"},
            "feedback": feedback,
            "players": {"type": "players_check_list"},
            "permission": 1,
        },
        "service_tunein": {
            "priority_keys": ["name", "enabled", "feedback"],
            "name": string(),
            "enabled": {"type": "bool"},
            "feedback": feedback,
            "permission": 1,
        },
        "service_itunes": {
            "priority_keys": ["name", "enabled", "country", "feedback"],
            "name": string(),
            "enabled": {"type": "bool"},
            "country": {"type": "country_enum"},
            "feedback": feedback,
            "permission": 1,
        },
        "outputs": {"type": "output_list", "permission": 1},
        "sources": {"type": "source_list", "permission": 1},
        "nas": {"type": "nasitem_list", "editable_list": ["nasitem"], "permission": 1},
        "services": {"type": "service_list",
                     "editable_list": ["service_spotify", "service_tunein", "service_itunes"],
                     "permission": 1},
        "country_enum": countries(),
    }


def main():
    data = schema()
    with open(OUT, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)
        f.write("\n")
    c = data["country_enum"]
    print(f"{OUT}: {len(c)} countries, first {c[0]['value']} {c[0]['label']}, last {c[-1]['value']} {c[-1]['label']}")


if __name__ == "__main__":
    main()
