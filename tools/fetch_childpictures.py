#!/usr/bin/env python3
"""Copies the pictures children choose themselves by ("¿Quién juega?") into
assets/ninos/: OpenMoji's colour drawings (npm package `openmoji`, the same
pinned version the library of ready activities is made from, CC BY-SA 4.0)
of things the library already shows, so a child of three knows each one and
meets it again in the activities.

Chosen so that no two are alike at a glance: different shapes and main
colours, no faces of people, no flags, nothing to read. The programs carry
them compiled in; the order here is the order they are given in.

    tools/fetch_childpictures.py
"""

import pathlib

import fetch_openmoji

# Code point, then the name the class list keeps (a name of the set, never
# a path: letters, digits, '-').
PICTURES = {
    "1F404": "vaca", "1F416": "cerdo", "1F411": "oveja", "1F40E": "caballo",
    "1F414": "gallina", "1F424": "pollito", "1F986": "pato", "1F407": "conejo",
    "1F415": "perro", "1F408": "gato", "1F401": "raton", "1F418": "elefante",
    "1F993": "cebra", "1F992": "jirafa", "1F405": "tigre", "1F981": "leon",
    "1F427": "pinguino", "1F989": "buho", "1F994": "erizo",
    "1F41F": "pez", "1F42C": "delfin", "1F419": "pulpo",
    "1F980": "cangrejo", "1F422": "tortuga", "1F40C": "caracol", "1F98B": "mariposa",
    "1F41D": "abeja", "1F41E": "mariquita", "1F33B": "girasol", "1F333": "arbol",
    "1F34E": "manzana", "1F34C": "platano", "1F353": "fresa", "1F349": "sandia",
    "1F955": "zanahoria", "1F9C0": "queso", "1F366": "helado", "1F36A": "galleta",
    "1F697": "coche", "1F68C": "autobus", "1F69C": "tractor", "2708": "avion",
    "1F680": "cohete", "26F5": "velero", "1F6B2": "bicicleta", "1F3E0": "casa",
    "1F9F8": "osito", "26BD": "pelota", "1F388": "globo", "1F381": "regalo",
    "1F941": "tambor", "1F3B8": "guitarra", "2602": "paraguas", "2B50": "estrella",
}

CREDIT = """\
The pictures in this folder are OpenMoji {version}, colour set
(https://openmoji.org), by the OpenMoji project and its contributors,
licensed under CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/).
tools/fetch_childpictures.py copies them again from the pinned npm package
`openmoji` {version}.

{files}
"""


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "assets/ninos"
    target.mkdir(parents=True, exist_ok=True)
    lines = []
    with fetch_openmoji.pinned_package() as archive:
        for code, name in PICTURES.items():
            member = archive.extractfile(f"package/color/svg/{code}.svg")
            (target / f"{name}.svg").write_bytes(member.read())
            lines.append(f"  {name}.svg  <-  color/svg/{code}.svg")
    (target / "CREDITS.txt").write_text(
        CREDIT.format(version=fetch_openmoji.VERSION, files="\n".join(lines)))
    print(f"{len(PICTURES)} pictures in {target}")


if __name__ == "__main__":
    main()
