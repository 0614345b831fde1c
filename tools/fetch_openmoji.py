#!/usr/bin/env python3
"""Copies the line drawings the tracing tests are measured on from OpenMoji's
black set (npm package `openmoji`, CC BY-SA 4.0) into tests/data/openmoji/.

The version is pinned and the tarball checked against the registry's sha512
before anything is read from it, so the committed pictures can be made again
byte for byte. The tests read the committed copies and need no network.

    tools/fetch_openmoji.py
"""

import base64
import hashlib
import io
import json
import pathlib
import sys
import tarfile
import urllib.request

VERSION = "17.0.0"
# What the registry said for this version when the pictures were chosen; a
# registry that says otherwise now is not trusted.
INTEGRITY = ("sha512-EBnYrNGdcdw+OSXmENeNE1yBNRu6tOraTmoOyUbJkTmvT/+XETp8RZLSJFzD3lrPc5N9"
             "CzsyPnRTk0Vp4UaI9w==")

# Code point, then the file name it gets: animals, food, vehicles,
# buildings, plants, toys; whole figures a class would join.
PICTURES = {
    "1F415": "perro", "1F408": "gato", "1F418": "elefante", "1F40E": "caballo",
    "1F404": "vaca", "1F416": "cerdo", "1F407": "conejo", "1F401": "raton",
    "1F422": "tortuga", "1F40C": "caracol", "1F41F": "pez", "1F420": "pez-tropical",
    "1F40B": "ballena", "1F42C": "delfin", "1F426": "pajaro", "1F986": "pato",
    "1F989": "buho", "1F98B": "mariposa", "1F992": "jirafa", "1F42B": "camello",
    "1F994": "erizo", "1F414": "gallina", "1F427": "pinguino", "1F980": "cangrejo",
    "1F34E": "manzana", "1F350": "pera", "1F34C": "platano", "1F955": "zanahoria",
    "1F34D": "pina", "1F353": "fresa", "1F344": "seta", "1F9C0": "queso",
    "1F950": "cruasan",
    "1F697": "coche", "1F68C": "autobus", "2708": "avion", "1F680": "cohete",
    "26F5": "velero", "1F682": "locomotora", "1F69C": "tractor",
    "1F3E0": "casa", "1F3F0": "castillo", "26EA": "iglesia", "26FA": "tienda",
    "1F333": "arbol", "1F335": "cactus", "1F337": "tulipan", "1F33B": "girasol",
    "1F341": "hoja",
    "1F9F8": "osito", "1FA81": "cometa", "1F388": "globo", "1F9E9": "pieza-puzle",
}

CREDIT = """\
Pictures: OpenMoji {version}, black set (https://openmoji.org), by the
OpenMoji project and its contributors, licensed under CC BY-SA 4.0
(https://creativecommons.org/licenses/by-sa/4.0/). Taken unchanged from the
npm package `openmoji` {version} by tools/fetch_openmoji.py, each file
renamed as listed:

{files}
"""


def fetch(url):
    with urllib.request.urlopen(url, timeout=60) as answer:
        return answer.read()


def pinned_package(name="openmoji", version=VERSION, integrity=INTEGRITY):
    """The npm package `name`@`version`'s tarball, opened, once its sha512 is
    checked against `integrity`."""
    dist = json.loads(fetch(f"https://registry.npmjs.org/{name}/{version}"))["dist"]
    if dist["integrity"] != integrity:
        sys.exit(f"the registry's integrity for {name} {version} changed: {dist['integrity']}")
    tarball = fetch(dist["tarball"])
    digest = "sha512-" + base64.b64encode(hashlib.sha512(tarball).digest()).decode()
    if digest != integrity:
        sys.exit(f"{name}-{version}.tgz does not match its sha512: {digest}")
    return tarfile.open(fileobj=io.BytesIO(tarball), mode="r:gz")


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "tests/data/openmoji"
    target.mkdir(parents=True, exist_ok=True)
    lines = []
    with pinned_package() as archive:
        for code, name in PICTURES.items():
            member = archive.extractfile(f"package/black/svg/{code}.svg")
            (target / f"{name}.svg").write_bytes(member.read())
            lines.append(f"  {name}.svg  <-  black/svg/{code}.svg")
    (target / "CREDITS.txt").write_text(CREDIT.format(version=VERSION, files="\n".join(lines)))
    print(f"{len(PICTURES)} pictures in {target}")


if __name__ == "__main__":
    main()
