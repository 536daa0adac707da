#!/usr/bin/env python3
"""Writes resources/Settings/SettingsDefaults.json: the schema of the device's
settings (which keys each node shows, in which order, with which editor) and
the country list of the iTunes service, taken from Debian's iso-codes
(/usr/share/iso-codes/json/iso_3166-1.json, package "iso-codes").

Countries carry their ISO 3166-1 alpha-2 code as "value" and their English
name as "label" (the common name where the standard gives one, so "Bolivia"
rather than "Bolivia, Plurinational State of"), sorted the way a reader
expects: accents and case do not count, so "Åland Islands" comes among the A.

The same names go to src/settings/countrynametable.h, where lupdate finds
them, and their German and Italian to tools/translations/texts/countries.py,
both from iso-codes' own gettext catalogues (/usr/share/locale/*/LC_MESSAGES/
iso_3166-1.mo), so that the list reads in the user's language.

Usage: tools/settings/make-settings-defaults.py [ISO_3166_1_JSON [LOCALE_DIR]]
"""
import gettext
import json
import os
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "resources", "Settings", "SettingsDefaults.json")
TABLE = os.path.join(ROOT, "src", "settings", "countrynametable.h")
TEXTS = os.path.join(ROOT, "tools", "translations", "texts", "countries.py")
ISO = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/iso-codes/json/iso_3166-1.json"
LOCALES = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/locale"


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


def write_names(names):
    def c_string(s):
        return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'
    # Sorted by their UTF-8 bytes, which is how the lookup searches them.
    ordered = sorted(set(names), key=lambda n: n.encode("utf-8"))
    with open(TABLE, "w", encoding="utf-8") as f:
        f.write("#pragma once\n\n// Written by tools/settings/make-settings-defaults.py from iso-codes: do not edit.\n"
                "// The English country names of the settings schema, in byte order.\n\n"
                "#include <QtGlobal>\n\n"
                "namespace CountryNameTable {\n"
                "inline const char* const names[] = {\n")
        for n in ordered:
            f.write(f'    QT_TRANSLATE_NOOP("CountryNames", {c_string(n)}),\n')
        f.write("};\n}\n")
    catalogues = [gettext.translation("iso_3166-1", LOCALES, languages=[lang]) for lang in ("de", "it")]
    with open(TEXTS, "w", encoding="utf-8") as f:
        f.write("# Written by tools/settings/make-settings-defaults.py from iso-codes' catalogues: do not edit.\n"
                "# German and Italian names of the settings' country list.\n"
                "TEXTS = {\n")
        for n in ordered:
            de, it = (c.gettext(n) for c in catalogues)
            f.write(f"    {n!r}: ({de!r}, {it!r}),\n")
        f.write("}\n")


def main():
    data = schema()
    with open(OUT, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)
        f.write("\n")
    c = data["country_enum"]
    write_names([r["label"] for r in c])
    print(f"{OUT}: {len(c)} countries, first {c[0]['value']} {c[0]['label']}, last {c[-1]['value']} {c[-1]['label']}")


if __name__ == "__main__":
    main()
