#!/usr/bin/env python3
"""Draws a preview picture of every activity file, to look at before committing.

Each preview is two canvases side by side at 800 x 600 screen size: on the
left what the child sees after loading (labels and, if asked, circles), on the
right the figure once every dot is joined, with the segments the game draws.
The file is read as the player reads it and the segments come from playing
the game through with a right click on every expected dot.

    python3 tools/preview_activities.py [output folder]   (default /tmp/previews)

Needs ImageMagick's convert and the Liberation Sans font (Arial's metrics).
"""

import os
import re
import subprocess
import sys

TWIPS_PER_PIXEL = 15
WIDTH, HEIGHT = 719, 545
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"

HERE = os.path.dirname(os.path.abspath(__file__))
ACTIVITIES = os.path.join(HERE, "..", "data", "actividades")


def leading_number(line):
    """The number at the start of a header line; blanks are ignored."""
    match = re.match(r"[+-]?\d*(\.\d*)?", line.replace(" ", ""))
    text = match.group(0) if match else ""
    try:
        return float(text)
    except ValueError:
        return 0.0


def read_activity(path):
    with open(path, "rb") as f:
        raw = f.read()
    if b"\n" in raw.replace(b"\r\n", b""):
        raise ValueError(f"{path}: a line is not ended by CR LF")
    lines = raw.decode("cp1252").split("\r\n")
    circles = lines[2].upper() == "SI"
    hit_radius = round(leading_number(lines[3]))
    font_size = leading_number(lines[4])
    dots = []
    for line in lines[5:]:
        if not line:
            continue
        fields = line.split(",")
        if len(fields) != 7 or fields[6] != "":
            raise ValueError(f"{path}: bad dot line {line!r}")
        label, x, y, r, g, b = fields[:6]
        dots.append((label, int(x), int(y), (int(r), int(g), int(b))))
    return circles, hit_radius, font_size, dots


def joined_segments(dots):
    """Plays the game through, clicking every expected dot; returns the segments drawn."""
    segments = []
    count = len(dots)
    next_dot = 0
    done = False
    while not done:
        if dots[next_dot][0] == "":
            segments.append((next_dot - 1, next_dot))
            next_dot += 2
        else:
            if next_dot != 0:
                segments.append((next_dot - 1, next_dot))
            next_dot += 1
        if next_dot == count - 1:
            if dots[next_dot][0] == "":
                segments.append((next_dot - 1, next_dot))
                next_dot += 1
            done = True
        elif next_dot > count - 1:
            raise ValueError("the game ran past the last record")
    return segments


def px(twips):
    return twips / TWIPS_PER_PIXEL


def colour(rgb):
    return "rgb({},{},{})".format(*rgb)


def label_commands(circles, hit_radius, font_size, dots):
    points = font_size * 96 / 72
    commands = [f"font '{FONT}'", f"font-size {points:.1f}", "text-anchor middle"]
    anchor = 0
    for i, (label, x, y, rgb) in enumerate(dots):
        if circles:
            r = px(hit_radius + 20)
            commands.append(f"fill none stroke {colour(rgb)} stroke-width 1")
            commands.append(f"circle {px(x):.1f},{px(y):.1f} {px(x) + r:.1f},{px(y):.1f}")
        if i != 0 and (x, y) == dots[anchor][1:3]:
            anchor = i
            continue
        if label:
            baseline = px(y) + points * 0.36
            commands.append(f"fill {colour(rgb)} stroke none")
            commands.append(f"text {px(x):.1f},{baseline:.1f} '{label}'")
    return commands


def line_commands(dots):
    commands = ["fill none stroke black stroke-width 2"]
    for a, b in joined_segments(dots):
        _, xa, ya, _ = dots[a]
        _, xb, yb, _ = dots[b]
        commands.append(f"line {px(xa):.1f},{px(ya):.1f} {px(xb):.1f},{px(yb):.1f}")
    return commands


def render(path, out_path):
    circles, hit_radius, font_size, dots = read_activity(path)
    labels = label_commands(circles, hit_radius, font_size, dots)
    canvas = ["-size", f"{WIDTH}x{HEIGHT}", "xc:white"]
    start = ["(", *canvas, "-draw", " ".join(labels), ")"]
    joined = ["(", *canvas, "-draw", " ".join(line_commands(dots) + labels), ")"]
    divider = ["(", "-size", f"6x{HEIGHT}", "xc:gray60", ")"]
    subprocess.run(["convert", *start, *divider, *joined, "+append", out_path], check=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/previews"
    os.makedirs(out, exist_ok=True)
    for theme in sorted(os.listdir(ACTIVITIES)):
        folder = os.path.join(ACTIVITIES, theme)
        numbers = sorted(int(n[:-4]) for n in os.listdir(folder) if n.endswith(".txt"))
        for n in numbers:
            target = os.path.join(out, f"{theme}-{n}.png")
            render(os.path.join(folder, f"{n}.txt"), target)
            print(target)


if __name__ == "__main__":
    main()
