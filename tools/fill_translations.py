#!/usr/bin/env python3
"""Fills the translations of a Qt Linguist file from a table.

    tools/fill_translations.py translations/lunipo_ca.ts table.py

`table.py` defines a dict TABLE from source texts to translations. Each
message whose source the table holds gets that translation and loses its
"unfinished" mark; the sources the table lacks are printed, and the exit
status is 1 while any is left."""
import runpy
import sys
import xml.etree.ElementTree as ET

ts_path, table_path = sys.argv[1], sys.argv[2]
table = runpy.run_path(table_path)["TABLE"]
tree = ET.parse(ts_path)
missing = []
for message in tree.getroot().iter("message"):
    source = message.find("source").text
    translation = message.find("translation")
    if source in table:
        translation.text = table[source]
        translation.attrib.pop("type", None)
    elif translation.get("type") == "unfinished":
        missing.append(source)
tree.write(ts_path, encoding="utf-8", xml_declaration=True)
for source in missing:
    print("sin traducir:", repr(source))
sys.exit(1 if missing else 0)
