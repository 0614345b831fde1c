#!/usr/bin/env python3
"""Writes the sample activities of the player's themes.

Every activity is a list of figures; a figure is a closed outline given as a
list of points in pixels of the 800 x 600 screen canvas (719 x 545 pixels).
The script turns the points into twips snapped to a 50-twip grid, numbers the
dots from 1 up across all figures and writes each figure followed by its
closing record, exactly as the editor writes an activity.

Every figure is closed: the player only separates one figure from the next
through a closing record, and it never draws a segment into a labelled last
record, so an open outline would either run into the next figure or lose its
last stroke.

Run it from anywhere:  python3 tools/make_activities.py
It rewrites data/actividades/<theme>/<n>.txt and prints a line per activity.
Before writing it checks every activity (bounds, spacing of the dots, label
overlap, record count) and stops on the first fault it finds.
"""

import math
import os
import sys

TWIPS_PER_PIXEL = 15
CANVAS_WIDTH = 10790  # twips, the editor's canvas on an 800 x 600 screen
CANVAS_HEIGHT = 8185
MARGIN = 300
SNAP = 50  # one of the editor's grid steps
MAX_RECORDS = 151

DARK_BLUE = (0, 0, 160)
RED = (200, 0, 0)
DARK_GREEN = (0, 110, 0)
PURPLE = (120, 0, 140)
BLACK = (0, 0, 0)
BROWN = (130, 60, 0)

HERE = os.path.dirname(os.path.abspath(__file__))
ACTIVITIES = os.path.join(HERE, "..", "data", "actividades")


# ---------------------------------------------------------------- geometry


def ellipse(cx, cy, rx, ry, n, start_deg=-90.0, clockwise=True):
    """n points round an ellipse, starting at start_deg (screen angles, y down)."""
    step = 360.0 / n * (1 if clockwise else -1)
    points = []
    for k in range(n):
        a = math.radians(start_deg + k * step)
        points.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return points


def arc(cx, cy, rx, ry, start_deg, end_deg, n):
    """n + 1 points from start_deg to end_deg inclusive."""
    points = []
    for k in range(n + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * k / n)
        points.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return points


def star(cx, cy, r_out, r_in, spikes=5, start_deg=-90.0):
    """Alternating outer and inner points, clockwise from the top spike."""
    points = []
    for k in range(2 * spikes):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(start_deg + k * 180.0 / spikes)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def resample(polyline, segments):
    """segments + 1 points spread evenly by length along an open polyline."""
    lengths = [0.0]
    for a, b in zip(polyline, polyline[1:]):
        lengths.append(lengths[-1] + math.dist(a, b))
    total = lengths[-1]
    points = []
    j = 0
    for k in range(segments + 1):
        target = total * k / segments
        while j < len(polyline) - 2 and lengths[j + 1] < target:
            j += 1
        span = lengths[j + 1] - lengths[j]
        t = 0.0 if span == 0 else (target - lengths[j]) / span
        a, b = polyline[j], polyline[j + 1]
        points.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
    return points


def along(polyline, max_length):
    """The polyline with evenly spaced dots added on every edge longer than max_length."""
    points = [polyline[0]]
    for a, b in zip(polyline, polyline[1:]):
        parts = max(1, math.ceil(math.dist(a, b) / max_length))
        for s in range(1, parts + 1):
            points.append((a[0] + (b[0] - a[0]) * s / parts, a[1] + (b[1] - a[1]) * s / parts))
    return points


def subdivide(outline, max_length):
    """along() for a closed outline: the edge back to the first point gets dots too."""
    return along(outline + [outline[0]], max_length)[:-1]


def mirrored(points, axis_x):
    """The points mirrored across the vertical line x = axis_x, in reverse order."""
    return [(2 * axis_x - x, y) for x, y in reversed(points)]


def joined(*parts):
    """Concatenates point lists, dropping a point that repeats the one before it."""
    points = []
    for part in parts:
        for p in part:
            if not points or math.dist(points[-1], p) > 1.0:
                points.append(p)
    return points


# --------------------------------------------------------------- the file


class Figure:
    def __init__(self, colour, points):
        self.colour = colour
        self.points = points


class Activity:
    def __init__(self, theme, number, name, circles, dot_size, font_size, figures):
        self.theme = theme
        self.number = number
        self.name = name
        self.circles = circles
        self.dot_size = dot_size
        self.font_size = font_size
        self.figures = figures

    def records(self):
        """(label, x, y, colour) in joining order; closing records have label ''."""
        records = []
        label = 1
        for figure in self.figures:
            dots = [to_twips(p) for p in figure.points]
            for x, y in dots:
                records.append((str(label), x, y, figure.colour))
                label += 1
            records.append(("", dots[0][0], dots[0][1], figure.colour))
        return records


def to_twips(point):
    x, y = point
    return (
        int(round(x * TWIPS_PER_PIXEL / SNAP)) * SNAP,
        int(round(y * TWIPS_PER_PIXEL / SNAP)) * SNAP,
    )


def basic_number(n):
    """A number as the print-to-file statement writes it: ' 200 '."""
    return ("-" if n < 0 else " ") + str(abs(n)) + " "


def file_text(activity):
    lines = [
        basic_number(CANVAS_WIDTH),
        basic_number(CANVAS_HEIGHT),
        "SI" if activity.circles else "NO",
        basic_number(activity.dot_size),
        basic_number(activity.font_size),
    ]
    for label, x, y, (r, g, b) in activity.records():
        lines.append(f"{label},{x},{y},{r},{g},{b},")
    return "".join(line + "\r\n" for line in lines)


# ------------------------------------------------------------------ checks


def label_box(label, x, y, font_size):
    """Rough box of a label centred on its dot, in twips (Arial digits are 0.556 em)."""
    half_w = len(label) * 0.556 * font_size * 20 / 2
    half_h = 1.15 * font_size * 20 / 2
    return (x - half_w, y - half_h, x + half_w, y + half_h)


def boxes_overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def faults(activity):
    found = []
    records = activity.records()
    dots = [r for r in records if r[0]]
    if len(records) > MAX_RECORDS:
        found.append(f"{len(records)} records")
    if not 10 <= len(dots) <= 40:
        found.append(f"{len(dots)} dots")
    for label, x, y, _ in dots:
        if not (MARGIN <= x <= CANVAS_WIDTH - MARGIN and MARGIN <= y <= CANVAS_HEIGHT - MARGIN):
            found.append(f"dot {label} at {x},{y} is off the canvas")
    for i, a in enumerate(dots):
        for b in dots[i + 1 :]:
            gap = math.dist(a[1:3], b[1:3])
            if gap < 2 * activity.dot_size:
                found.append(f"dots {a[0]} and {b[0]} are {gap:.0f} twips apart")
            if boxes_overlap(
                label_box(a[0], a[1], a[2], activity.font_size),
                label_box(b[0], b[1], b[2], activity.font_size),
            ):
                found.append(f"labels {a[0]} and {b[0]} overlap")
    return found


# -------------------------------------------------------------- the themes


def house():
    walls = along([(360, 60), (590, 235), (535, 235), (535, 495)], 95)
    floor = [(475, 495), (375, 495), (255, 495)]
    roof = along([(185, 495), (185, 235), (130, 235), (360, 60)], 95)[:-1]
    door = [(330, 495), (330, 370), (420, 370), (420, 495)]
    window = [(230, 270), (290, 270), (290, 330), (230, 330)]
    body = walls + floor + roof
    return [Figure(DARK_BLUE, body), Figure(RED, door), Figure(DARK_GREEN, window)]


def big_star():
    return [Figure(PURPLE, subdivide(star(360, 285, 250, 100), 110))]


def heart():
    right_half = []
    for k in range(200 + 1):
        t = math.pi * k / 200
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        right_half.append((360 + 14 * x, 265 + 14 * y))
    right = resample(right_half, 11)
    return [Figure(RED, joined(right, mirrored(right, 360)[1:-1]))]


def shapes():
    triangle = subdivide([(140, 130), (240, 300), (40, 300)], 70)
    square = subdivide([(460, 90), (650, 90), (650, 280), (460, 280)], 65)
    circle = ellipse(360, 420, 95, 95, 12)
    return [Figure(RED, triangle), Figure(DARK_BLUE, square), Figure(DARK_GREEN, circle)]


def circle_meet(c1, r1, c2, r2):
    """The two crossing points of two circles, the upper one first."""
    d = math.dist(c1, c2)
    a = (r1 * r1 - r2 * r2 + d * d) / (2 * d)
    h = math.sqrt(r1 * r1 - a * a)
    mx = c1[0] + a * (c2[0] - c1[0]) / d
    my = c1[1] + a * (c2[1] - c1[1]) / d
    p = (mx + h * (c2[1] - c1[1]) / d, my - h * (c2[0] - c1[0]) / d)
    q = (mx - h * (c2[1] - c1[1]) / d, my + h * (c2[0] - c1[0]) / d)
    return (p, q) if p[1] < q[1] else (q, p)


def moon():
    outer_c, outer_r = (300, 285), 235
    inner_c, inner_r = (410, 235), 205
    top, bottom = circle_meet(outer_c, outer_r, inner_c, inner_r)

    def angle(c, p):
        return math.degrees(math.atan2(p[1] - c[1], p[0] - c[0]))

    a_top, a_bottom = angle(outer_c, top), angle(outer_c, bottom)
    if a_bottom > a_top:
        a_bottom -= 360
    outer = arc(*outer_c, outer_r, outer_r, a_top, a_bottom, 13)
    b_bottom, b_top = angle(inner_c, bottom), angle(inner_c, top)
    if b_top < b_bottom:
        b_top += 360
    inner = arc(*inner_c, inner_r, inner_r, b_bottom, b_top, 8)
    crescent = joined(outer, inner[1:-1])
    small_star = star(575, 170, 90, 40)
    return [Figure(DARK_BLUE, crescent), Figure(PURPLE, small_star)]


def fish():
    body = [
        (110, 285),
        (150, 235),
        (205, 200),
        (265, 180),
        (300, 110),
        (360, 90),
        (395, 175),
        (450, 200),
        (500, 240),
        (610, 150),
        (580, 285),
        (610, 420),
        (500, 330),
        (450, 370),
        (380, 395),
        (305, 400),
        (230, 385),
        (165, 345),
    ]
    eye = ellipse(215, 265, 32, 32, 4, start_deg=-90)
    return [Figure(DARK_BLUE, body), Figure(BLACK, eye)]


def cat():
    head = joined(
        [(205, 60), (300, 160), (360, 150), (420, 160), (515, 60), (555, 235)],
        arc(360, 300, 200, 190, -15, 195, 9)[1:-1],
        [(165, 235)],
    )
    head = subdivide(head, 95)
    left_eye = [(260, 290), (290, 260), (320, 290), (290, 320)]
    right_eye = [(x + 140, y) for x, y in left_eye]
    nose = [(325, 370), (395, 370), (360, 410)]
    return [
        Figure(BLACK, head),
        Figure(DARK_GREEN, left_eye),
        Figure(DARK_GREEN, right_eye),
        Figure(RED, nose),
    ]


def bird():
    body = [
        (640, 205),
        (565, 180),
        (545, 135),
        (500, 105),
        (445, 110),
        (405, 145),
        (385, 200),
        (320, 225),
        (250, 240),
        (110, 185),
        (175, 280),
        (115, 360),
        (245, 325),
        (300, 385),
        (380, 415),
        (460, 400),
        (520, 355),
        (550, 290),
        (560, 235),
    ]
    wing = [(300, 290), (360, 255), (440, 260), (480, 300), (420, 345), (340, 340)]
    eye = [(490, 150), (515, 175), (490, 200), (465, 175)]
    return [Figure(PURPLE, body), Figure(DARK_BLUE, wing), Figure(BLACK, eye)]


def turtle():
    shell = arc(340, 340, 210, 200, 180, 360, 8)
    head = arc(635, 315, 50, 50, 215, 450, 4)
    body = joined(
        shell,
        head,
        [
            (590, 375),
            (560, 390),
            (560, 450),
            (495, 450),
            (480, 385),
            (340, 385),
            (215, 385),
            (200, 450),
            (135, 450),
            (135, 385),
            (95, 375),
        ],
    )
    pattern = ellipse(340, 250, 80, 55, 6, start_deg=0)
    return [Figure(DARK_GREEN, body), Figure(BROWN, pattern)]


def butterfly():
    left_wing = [
        (328, 268),
        (310, 190),
        (285, 125),
        (230, 70),
        (150, 55),
        (85, 100),
        (95, 185),
        (160, 245),
        (250, 275),
        (170, 315),
        (125, 395),
        (165, 465),
        (250, 465),
        (295, 405),
        (310, 345),
    ]
    right_wing = [(720 - x, y) for x, y in left_wing]
    body = [
        (360, 180),
        (405, 55),
        (380, 215),
        (380, 305),
        (360, 410),
        (340, 305),
        (340, 215),
        (315, 55),
    ]
    return [Figure(PURPLE, left_wing), Figure(DARK_BLUE, right_wing), Figure(BROWN, body)]


def boat():
    hull = subdivide([(90, 360), (630, 360), (530, 470), (190, 470)], 100)
    main_sail = subdivide([(390, 50), (600, 320), (390, 320)], 90)
    jib = subdivide([(335, 90), (335, 320), (160, 320)], 90)
    return [Figure(BROWN, hull), Figure(RED, main_sail), Figure(DARK_BLUE, jib)]


def car():
    body = joined(
        along([(70, 390), (70, 305), (200, 285), (275, 185), (460, 185), (540, 285)], 110),
        along([(540, 285), (640, 305), (655, 390)], 110),
        [(355, 390)],
    )
    back_window = [(295, 220), (345, 220), (345, 270), (250, 270)]
    front_window = [(395, 220), (440, 220), (485, 270), (395, 270)]
    back_wheel = ellipse(190, 440, 50, 50, 8, start_deg=-90)
    front_wheel = ellipse(520, 440, 50, 50, 8, start_deg=-90)
    return [
        Figure(RED, body),
        Figure(DARK_BLUE, back_window),
        Figure(DARK_BLUE, front_window),
        Figure(BLACK, back_wheel),
        Figure(BLACK, front_wheel),
    ]


def plane():
    right_half = [
        (360, 35),
        (395, 90),
        (400, 190),
        (660, 290),
        (660, 335),
        (400, 295),
        (390, 430),
        (470, 472),
        (470, 515),
    ]
    outline = joined(right_half, [(360, 500)], mirrored(right_half, 360)[:-1])
    return [Figure(DARK_BLUE, outline)]


def train():
    engine = [
        (80, 380),
        (80, 250),
        (80, 120),
        (190, 120),
        (300, 120),
        (300, 230),
        (365, 230),
        (430, 230),
        (410, 110),
        (510, 110),
        (490, 230),
        (565, 230),
        (640, 230),
        (640, 305),
        (640, 380),
        (360, 380),
    ]
    window = [(130, 165), (250, 165), (250, 250), (130, 250)]
    back_wheel = ellipse(190, 440, 60, 60, 8, start_deg=-90)
    front_wheel = ellipse(520, 430, 50, 50, 8, start_deg=-90)
    return [
        Figure(DARK_GREEN, engine),
        Figure(DARK_BLUE, window),
        Figure(BLACK, back_wheel),
        Figure(BLACK, front_wheel),
    ]


def rocket():
    right_half = [
        (360, 25),
        (410, 80),
        (440, 160),
        (440, 250),
        (440, 340),
        (515, 410),
        (515, 480),
        (440, 440),
    ]
    outline = joined(right_half, mirrored(right_half, 360)[:-1])
    window = ellipse(360, 225, 52, 52, 8, start_deg=-90)
    flame = [(325, 460), (395, 460), (385, 495), (360, 520), (335, 495)]
    return [Figure(DARK_BLUE, outline), Figure(RED, window), Figure(RED, flame)]


def balloon():
    envelope = joined(
        arc(360, 205, 175, 175, 150, 390, 12),
        [(405, 400), (315, 400)],
    )
    stripe = ellipse(360, 225, 70, 150, 10, start_deg=-90)
    basket = [(315, 450), (405, 450), (395, 515), (325, 515)]
    return [Figure(RED, envelope), Figure(DARK_BLUE, stripe), Figure(BROWN, basket)]


def all_activities():
    def theme(name, entries):
        return [
            Activity(name, n, title, circles, size, font, figures)
            for n, (title, circles, size, font, figures) in enumerate(entries, start=1)
        ]

    return (
        theme(
            "formas",
            [
                ("casa", False, 250, 14, house()),
                ("estrella", True, 250, 16, big_star()),
                ("corazón", True, 200, 14, heart()),
                ("triángulo, cuadrado y círculo", False, 200, 12, shapes()),
                ("luna y estrella", True, 200, 12, moon()),
            ],
        )
        + theme(
            "animales",
            [
                ("pez", True, 200, 14, fish()),
                ("gato", False, 200, 12, cat()),
                ("pájaro", False, 200, 12, bird()),
                ("tortuga", True, 200, 12, turtle()),
                ("mariposa", False, 200, 14, butterfly()),
            ],
        )
        + theme(
            "transportes",
            [
                ("barco", False, 250, 14, boat()),
                ("coche", True, 200, 12, car()),
                ("avión", True, 250, 16, plane()),
                ("tren", False, 200, 12, train()),
                ("cohete", False, 200, 14, rocket()),
                ("globo", True, 200, 14, balloon()),
            ],
        )
    )


def main():
    activities = all_activities()
    broken = False
    for activity in activities:
        for fault in faults(activity):
            print(f"{activity.theme}/{activity.number} ({activity.name}): {fault}")
            broken = True
    if broken and "--force" not in sys.argv:
        sys.exit(1)
    for activity in activities:
        folder = os.path.join(ACTIVITIES, activity.theme)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, f"{activity.number}.txt")
        with open(path, "w", encoding="ascii", newline="") as f:
            f.write(file_text(activity))
        dots = sum(len(figure.points) for figure in activity.figures)
        print(f"{activity.theme}/{activity.number}.txt  {activity.name}: {dots} dots")


if __name__ == "__main__":
    main()
