#!/usr/bin/env python3
"""Makes the library of ready activities in data/actividades from OpenMoji's
black line drawings (npm package `openmoji`, pinned, CC BY-SA 4.0).

Every picture gives an activity at each of four levels, each level a theme
of its own made by the editor's batch from the same pictures:

    level 1   10 dots, 1 to 10         (three and four years)
    level 2   20 dots, 1 to 20         (four and five)
    level 3   30 dots, 1 to 30         (five and six)
    level 4   20 dots in twos, 2 to 40 (five and six)

and two themes of letters, one dot per letter: A to Z with Ñ for the classes
that speak Spanish, Galician or Basque, A to Z for the others. Each theme's
tema.ini names it in the six languages and says its level.

The script also keeps the drawings each theme was made from in
tests/data/biblioteca, with the list of themes the tests measure them by,
and writes the credits in CREDITS and the drawings' stanza and licence in
the Debian package's copyright file. Run it again and it gives the same
files.

    tools/make_library.py [build folder]     (default: build)

It needs the built lunipoeditor, and the network once for the package.
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import fetch_openmoji  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
LANGUAGES = ["es", "ca", "eu", "gl", "en", "pt"]

# Folder, names in the six languages, then the pictures: code point and file
# name. Chosen by looking at each as a child gets it: one clear outline the
# dots can follow, details inside that stay, no flags, text or faces.
THEMES = [
    ("granja", ["Granja", "Granja", "Baserria", "Granxa", "Farm", "Quinta"],
     "1F404 vaca, 1F416 cerdo, 1F411 oveja, 1F410 cabra, 1F40E caballo, 1FACF burro, "
     "1F414 gallina, 1F413 gallo, 1F424 pollito, 1F986 pato, 1F407 conejo, 1F415 perro, "
     "1F983 pavo, 1F401 raton"),
    ("salvajes", ["Animales salvajes", "Animals salvatges", "Animalia basatiak",
                  "Animais salvaxes", "Wild animals", "Animais selvagens"],
     "1F418 elefante, 1F42B camello, 1F993 cebra, 1F98F rinoceronte, 1F99B hipopotamo, "
     "1F998 canguro, 1F405 tigre, 1F406 leopardo, 1F98C ciervo, 1F40A cocodrilo, "
     "1F43F ardilla, 1F994 erizo, 1F989 buho, 1F427 pinguino"),
    ("mar", ["El mar", "El mar", "Itsasoa", "O mar", "The sea", "O mar"],
     "1F41F pez, 1F420 pez-tropical, 1F421 pez-globo, 1F40B ballena, 1F433 ballena-chorro, "
     "1F42C delfin, 1FACD orca, 1F9AD foca, 1F419 pulpo, 1F991 calamar, 1F980 cangrejo, "
     "1F41A caracola, 1FABC medusa, 1F422 tortuga"),
    ("comida", ["Comida", "Menjar", "Janaria", "Comida", "Food", "Comida"],
     "1F34E manzana, 1F350 pera, 1F34C platano, 1F353 fresa, 1F34D pina, 1F347 uvas, "
     "1F349 sandia, 1F9C0 queso, 1F35E pan, 1F36A galleta, 1F366 helado, 1F9C1 magdalena, "
     "1F382 tarta, 1F355 pizza"),
    ("vehiculos", ["Vehículos", "Vehicles", "Ibilgailuak", "Vehículos", "Vehicles", "Veículos"],
     "1F697 coche, 1F3CE coche-carreras, 1F68C autobus, 1F69A camion, 1F692 bomberos, "
     "1F691 ambulancia, 1F69C tractor, 1F682 locomotora, 1F6B2 bicicleta, 1F6F5 vespa, "
     "2708 avion, 1F680 cohete, 26F5 velero"),
    ("casa", ["La casa", "La casa", "Etxea", "A casa", "The house", "A casa"],
     "1F3E0 casa, 1F6AA puerta, 1FA9F ventana, 1F6CF cama, 1F4A1 bombilla, 23F0 despertador, "
     "2615 taza, 1FAD6 tetera, 1F511 llave, 2602 paraguas, 1F9F9 escoba, 1FAA3 cubo, "
     "1F9FA cesta"),
    ("naturaleza", ["Naturaleza", "Natura", "Natura", "Natureza", "Nature", "Natureza"],
     "2600 sol, 1F319 luna, 2601 nube, 2B50 estrella, 1F333 arbol, 1F332 abeto, "
     "1F33C flor, 1F33B girasol, 1F341 hoja, 1F340 trebol, 1F98B mariposa, 1F41D abeja, "
     "1F41E mariquita"),
    ("juguetes", ["Juguetes", "Joguines", "Jostailuak", "Xoguetes", "Toys", "Brinquedos"],
     "1F9F8 osito, 26BD pelota, 1F3C0 baloncesto, 1F3B2 dado, 1F381 regalo, 1FA86 matrioska, "
     "1F916 robot, 1FA80 yoyo, 1F9E9 puzle, 1FA85 pinata, 1FA83 bumeran, 1F58D cera"),
    ("musica", ["Música", "Música", "Musika", "Música", "Music", "Música"],
     "1F3B8 guitarra, 1F3BA trompeta, 1F941 tambor, 1F3B9 teclado, 1FA97 acordeon, "
     "1FA88 flauta, 1FA89 arpa, 1F3A4 microfono, 1F3B5 nota, 1F514 campana, 1F4EF corneta, "
     "1F3A7 auriculares, 1F4FB radio"),
]

# Folder, batch options, the level tema.ini gives.
LEVELS = [("1", ["--puntos", "10"]), ("2", ["--puntos", "20"]), ("3", ["--puntos", "30"]),
          ("4", ["--puntos", "20", "--paso", "2"])]

LETTER_NAMES = ["Letras", "Lletres", "Letrak", "Letras", "Letters", "Letras"]
LETTER_PICTURES = ["casa", "manzana", "pez", "osito", "coche", "tortuga", "fresa", "sol",
                   "nube", "campana"]
# Folder, the locale the batch runs in (its alphabet), the languages that see it.
ALPHABETS = [("abecedario", "es_ES.UTF-8", "es gl eu"), ("alfabeto", "en_GB.UTF-8", "ca en pt")]

CREDITS = """\
Lunipo's own code, sounds and activities are under the GNU General Public
License, version 3 or later (see LICENSE).

The drawings of the ready activities, in data/actividades/ under the themes
{themes},
and the same drawings in tests/data/biblioteca/, are OpenMoji {version},
black set (https://openmoji.org), by the OpenMoji project and its
contributors, licensed under CC BY-SA 4.0
(https://creativecommons.org/licenses/by-sa/4.0/). Each activity's drawing
"N.png" was made from the OpenMoji picture listed below by the editor's
batch (lunipoeditor --tema), which fits it to the page and takes its
outline away; the dots follow that outline. tools/make_library.py makes
them all again from the pinned npm package `openmoji` {version}.

{pictures}

The pictures children choose themselves by, in assets/ninos/, are
OpenMoji {version}, colour set, by the same project and under the same
licence; tools/fetch_childpictures.py copies them again from the same
pinned package, and assets/ninos/CREDITS.txt lists them.
"""


# The stanza of the Debian package's copyright file for the drawings; the
# licence's text, from the package, ends the file.
COPYRIGHT_STANZA = """\
Files: data/actividades/*-?/* data/actividades/abecedario/*
 data/actividades/alfabeto/* tests/data/biblioteca/* tests/data/openmoji/*
Copyright: OpenMoji project and contributors (https://openmoji.org)
License: CC-BY-SA-4.0
Comment: OpenMoji {version}, black set; the activities' drawings were made
 from it by tools/make_library.py, as CREDITS lists.
"""


def debian_copyright(licence, version):
    """debian/copyright with the drawings' stanza after the
    program's, and their licence's text last."""
    path = ROOT / "debian/copyright"
    paragraphs = [p for p in path.read_text().strip("\n").split("\n\n")
                  if not p.startswith(("Files: data/actividades/", "License: CC-BY-SA-4.0"))]
    paragraphs.insert(2, COPYRIGHT_STANZA.format(version=version).strip("\n"))
    body = "\n".join(" " + line if line.strip() else " ." for line in licence.strip().splitlines())
    paragraphs.append("License: CC-BY-SA-4.0\n" + body)
    path.write_text("\n\n".join(paragraphs) + "\n")


def pictures_of(listed):
    return [tuple(item.split()) for item in listed.split(", ")]


def run_batch(editor, folder, options, svgs, locale):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG=locale)
    for variable in ("LC_ALL", "LC_MESSAGES", "LANGUAGE"):
        env.pop(variable, None)
    subprocess.run([str(editor), "--tema", folder, *options, *map(str, svgs)], env=env,
                   check=True, stdout=subprocess.DEVNULL)


def write_theme(made, folder, names, level, languages=None):
    target = ROOT / "data/actividades" / folder
    shutil.rmtree(target, ignore_errors=True)
    shutil.copytree(made / "actividades" / folder, target)
    lines = ["[Tema]"] + [f"Nombre[{code}]={name}" for code, name in zip(LANGUAGES, names)]
    lines.append(f"Nivel={level}")
    if languages:
        lines.append(f"Idiomas={languages}")
    (target / "tema.ini").write_text("\n".join(lines) + "\n", encoding="utf-8")


def main():
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build").resolve()
    sources = ROOT / "tests/data/biblioteca"
    shutil.rmtree(sources, ignore_errors=True)
    sources.mkdir(parents=True)
    codes = {}
    with fetch_openmoji.pinned_package() as archive:
        licence = archive.extractfile("package/LICENSE.txt").read().decode()
        for _, _, listed in THEMES:
            for code, name in pictures_of(listed):
                member = archive.extractfile(f"package/black/svg/{code}.svg")
                (sources / f"{name}.svg").write_bytes(member.read())
                codes[name] = code
    listing = []
    with tempfile.TemporaryDirectory() as made:
        made = pathlib.Path(made)
        # A copy of the editor in a folder of its own writes its themes there.
        editor = made / "lunipoeditor"
        shutil.copy2(build / "app/lunipoeditor", editor)
        for folder, names, listed in THEMES:
            svgs = [sources / f"{name}.svg" for _, name in pictures_of(listed)]
            for level, options in LEVELS:
                theme = f"{folder}-{level}"
                run_batch(editor, theme, options, svgs, "es_ES.UTF-8")
                write_theme(made, theme, names, level)
                listing.append(" ".join([theme] + [svg.stem for svg in svgs]))
        for folder, locale, languages in ALPHABETS:
            svgs = [sources / f"{name}.svg" for name in LETTER_PICTURES]
            run_batch(editor, folder, ["--letras"], svgs, locale)
            write_theme(made, folder, LETTER_NAMES, "letras", languages)
            listing.append(" ".join([folder] + [svg.stem for svg in svgs]))
    (sources / "temas.txt").write_text("\n".join(listing) + "\n")
    themes = [f"{folder}-1 to -4" for folder, _, _ in THEMES] + [a[0] for a in ALPHABETS]
    pictures = "\n".join(f"  {name}.svg  <-  black/svg/{code}.svg"
                         for name, code in sorted(codes.items()))
    credits = CREDITS.format(themes=", ".join(themes), version=fetch_openmoji.VERSION,
                             pictures=pictures)
    (sources / "CREDITS.txt").write_text(credits)
    (ROOT / "CREDITS").write_text(credits)
    debian_copyright(licence, fetch_openmoji.VERSION)
    print(f"{len(codes)} pictures, {len(listing)} themes in {ROOT / 'data/actividades'}")


if __name__ == "__main__":
    main()
