#!/usr/bin/env python3
"""Copies the colour clipart the tracing table is measured on into
tests/data/color/: OpenMoji's colour set (npm package `openmoji`, the same
pinned version as tools/fetch_openmoji.py, CC BY-SA 4.0), thin dark outlines
round light fills, and Twemoji (npm package `@twemoji/svg`, CC BY 4.0), flat
colour with no outline at all.

Each package's version is pinned and its tarball checked against the sha512
the registry gave when the pictures were chosen, so the committed pictures
can be made again byte for byte. The tests read the committed copies and
need no network.

    tools/fetch_colour.py
"""

import pathlib

import fetch_openmoji

TWEMOJI = "@twemoji/svg"
TWEMOJI_VERSION = "15.0.0"
TWEMOJI_INTEGRITY = ("sha512-ZSPef2B6nBaYnfgdTbAy4jgW95o7pi2xPGwGCU+WMTxo7J6B1lMPTWwSq/wTuiMq+N0k"
                     "hQ90CcvYp1wFoQpo/w==")

# Code point, then the file name it gets: animals, food, vehicles,
# buildings, toys; whole figures a class would join. Both sets are named
# by their source first, so the table lists them apart.
OPENMOJI = {
    "1F415": "perro", "1F408": "gato", "1F418": "elefante", "1F40E": "caballo",
    "1F416": "cerdo", "1F40C": "caracol", "1F422": "tortuga", "1F41F": "pez",
    "1F40B": "ballena", "1F426": "pajaro", "1F986": "pato", "1F98B": "mariposa",
    "1F414": "gallina",
    "1F34E": "manzana", "1F350": "pera", "1F353": "fresa", "1F344": "seta",
    "1F955": "zanahoria",
    "1F697": "coche", "1F68C": "autobus", "1F69C": "tractor",
    "1F3E0": "casa", "1F3F0": "castillo",
    "1F9F8": "osito", "1F388": "globo", "1FA81": "cometa",
}
TWEMOJI_PICTURES = {
    "1f40e": "caballo", "1f414": "gallina", "1f407": "conejo", "1f401": "raton",
    "1f404": "vaca", "1f992": "jirafa", "1f42b": "camello", "1f427": "pinguino",
    "1f42c": "delfin", "1f980": "cangrejo", "1f989": "buho", "1f994": "erizo",
    "1f408": "gato", "1f415": "perro", "1f40c": "caracol",
    "1f34e": "manzana", "1f34c": "platano", "1f34d": "pina", "1f9c0": "queso",
    "1f950": "cruasan",
    "1f697": "coche", "2708": "avion", "1f680": "cohete", "26f5": "velero",
    "1f682": "locomotora", "1f6b2": "bicicleta",
    "1f3e0": "casa", "26ea": "iglesia", "26fa": "tienda",
    "1f9f8": "osito", "1fa81": "cometa",
}

CREDIT = """\
Pictures named openmoji-*: OpenMoji {openmoji}, colour set
(https://openmoji.org), by the OpenMoji project and its contributors,
licensed under CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/).

Pictures named twemoji-*: Twemoji {twemoji} (https://github.com/jdecked/twemoji),
copyright Twitter, Inc. and other contributors, graphics licensed under
CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/); the SVG files as
optimised by Samuel Kopp for the npm package (MIT licence).

Taken unchanged from the npm packages `openmoji` {openmoji} and
`@twemoji/svg` {twemoji} by tools/fetch_colour.py, each file renamed as
listed:

{files}
"""


def copy(archive, folder, pictures, prefix, target):
    lines = []
    for code, name in pictures.items():
        member = archive.extractfile(f"package/{folder}{code}.svg")
        (target / f"{prefix}-{name}.svg").write_bytes(member.read())
        lines.append(f"  {prefix}-{name}.svg  <-  {prefix} {folder}{code}.svg")
    return lines


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "tests/data/color"
    target.mkdir(parents=True, exist_ok=True)
    with fetch_openmoji.pinned_package() as archive:
        lines = copy(archive, "color/svg/", OPENMOJI, "openmoji", target)
    with fetch_openmoji.pinned_package(TWEMOJI, TWEMOJI_VERSION, TWEMOJI_INTEGRITY) as archive:
        lines += copy(archive, "", TWEMOJI_PICTURES, "twemoji", target)
    (target / "CREDITS.txt").write_text(
        CREDIT.format(openmoji=fetch_openmoji.VERSION, twemoji=TWEMOJI_VERSION,
                      files="\n".join(lines)))
    print(f"{len(lines)} pictures in {target}")


if __name__ == "__main__":
    main()
