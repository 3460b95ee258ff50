#!/usr/bin/env python3
"""Draws the program's own bitmap resources into res/bitmaps/NNN.bmp (standard library only,
the drawing itself is in bmpdraw.py beside this script). Run it from anywhere:

    python3 scripts/draw_bitmaps.py [--out DIR] [NNN ...]    (default: all, into res/bitmaps)

141       seven-segment digit (84 x 97): segments a .. g and dp, each with its name
151, 152  capacitor delay (125 x 71): discharge, charge
155       interpolation (180 x 135): the points X1,Y1 and X2,Y2 on a line, (x,y)? between
160       RC dropper supply
165       resistor power
166       linear power supply
167       dot-matrix storage (150 x 150): 16 x 16 matrix in two bands of 8 rows, bytes 1, 2,
          16 and 17 and bits 0 and 7 marked, kept to the top-left 128 x 128 the window shows
170, 171  NTC divider (44 x 62): thermistor below, thermistor above
"""
import argparse
import math
import os
import sys

from bmpdraw import BLACK, FONT_3X5, FONT_4X8, WHITE, Canvas

CIRCUIT_LABEL = (0, 0, 160)
CIRCUIT_MARK = (176, 0, 0)


# ---- circuit symbols (x, y: where the symbol starts; the wire continues at the other end)
def resistor_v(c, x, y, length=16, ntc=False):
    """Vertical resistor box centred on x, from y to y + length."""
    c.box(x - 3, y, 7, length)
    if ntc:  # the thermistor's slanted line with its foot
        c.line(x - 6, y + length, x + 6, y - 1, CIRCUIT_MARK)
        c.line(x - 9, y + length, x - 6, y + length, CIRCUIT_MARK)


def resistor_h(c, x, y, length=18):
    c.box(x, y - 3, length, 7)


def capacitor_v(c, x, y):
    """Plates across a vertical wire at y and y + 4."""
    c.line(x - 6, y, x + 6, y)
    c.line(x - 6, y + 4, x + 6, y + 4)


def capacitor_h(c, x, y):
    c.line(x, y - 6, x, y + 6)
    c.line(x + 4, y - 6, x + 4, y + 6)


def ground(c, x, y):
    c.line(x - 6, y, x + 6, y)
    c.line(x - 4, y + 2, x + 4, y + 2)
    c.line(x - 2, y + 4, x + 2, y + 4)


def battery_v(c, x, y):
    """Long (+) plate at y, short plate at y + 4."""
    c.line(x - 7, y, x + 7, y)
    c.line(x - 4, y + 4, x + 4, y + 4)
    c.line(x - 7, y + 8, x + 7, y + 8)
    c.line(x - 4, y + 12, x + 4, y + 12)


def node(c, x, y, colour=BLACK):
    c.fill(x - 1, y - 1, 3, 3, colour)


def terminal(c, x, y):
    c.box(x - 1, y - 1, 3, 3)


def diode_h(c, x, y):
    """Pointing right, 7 pixels long."""
    for i in range(5):
        c.line(x + i, y - 4 + i, x + i, y + 4 - i)
    c.line(x + 5, y - 4, x + 5, y + 4)


def diode_on(c, x, y, dx, dy, size=8):
    """A filled diode centred on (x, y), conducting along (dx, dy)."""
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    vx, vy = -uy, ux
    h = size / 2
    apex = (x + ux * h, y + uy * h)
    b1 = (x - ux * h + vx * h, y - uy * h + vy * h)
    b2 = (x - ux * h - vx * h, y - uy * h - vy * h)

    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])

    for py in range(int(y - size), int(y + size) + 1):
        for px in range(int(x - size), int(x + size) + 1):
            pt = (px + 0.5, py + 0.5)
            s1, s2, s3 = side(apex, b1, pt), side(b1, b2, pt), side(b2, apex, pt)
            if (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0):
                c.dot(px, py)
    c.line(round(apex[0] + vx * h), round(apex[1] + vy * h), round(apex[0] - vx * h),
           round(apex[1] - vy * h))


def ac_source(c, x, y, r=7):
    c.circle(x, y, r)
    for i in range(-4, 5):
        yy = -round(2.5 * math.sin(i * math.pi / 4))
        c.dot(x + i, y + yy)


def mains(c, y, top, bottom):
    """The 220 V source on the left edge, centred at y, wired up to top and down to bottom."""
    ac_source(c, 16, y)
    c.text(4, 88, "220V 50Hz", CIRCUIT_LABEL)
    c.line(16, top, 16, y - 7)
    c.line(16, y + 7, 16, bottom)


# ---- circuit pictures --------------------------------------------------------------------
def capacitor_delay(charge):
    c = Canvas(125, 71)
    top, bottom = 12, 58
    # Supply Ve on the left, + at the top.
    c.line(12, top, 12, 30)
    battery_v(c, 12, 30)
    c.line(12, 42, 12, bottom)
    c.text(23, 31, "Ve", CIRCUIT_LABEL)
    # Change-over switch: common at (44, 35) towards R, throws to Ve (top) and ground.
    c.line(12, top, 36, top)
    c.line(36, top, 36, 24)
    terminal(c, 36, 25)
    c.line(12, bottom, 36, bottom)
    c.line(36, bottom, 36, 46)
    terminal(c, 36, 45)
    terminal(c, 46, 35)
    if charge:
        c.line(45, 34, 37, 26)
    else:
        c.line(45, 36, 37, 44)
    # R in series, then C from the tap to ground.
    c.line(47, 35, 56, 35)
    resistor_h(c, 56, 35, 20)
    c.text(62, 24, "R", CIRCUIT_LABEL)
    c.line(76, 35, 92, 35)
    node(c, 92, 35)
    c.line(92, 35, 92, 42)
    capacitor_v(c, 92, 42)
    c.line(92, 46, 92, bottom)
    c.text(101, 38, "C", CIRCUIT_LABEL)
    c.line(36, bottom, 92, bottom)
    ground(c, 64, bottom + 2)
    c.line(64, bottom, 64, bottom + 2)
    # The capacitor voltage runs from Vx1 to Vx2.
    c.text(72, 3, "Vx1->Vx2", CIRCUIT_MARK)
    c.line(92, 12, 92, 30, CIRCUIT_MARK)
    c.line(90, 28, 92, 30, CIRCUIT_MARK)
    c.line(94, 28, 92, 30, CIRCUIT_MARK)
    return c


def ntc_divider(ntc_below):
    c = Canvas(44, 62)
    x = 14
    c.text(2, 1, "Vr", CIRCUIT_LABEL)
    c.line(x, 9, x, 13)
    node(c, x, 9)
    resistor_v(c, x, 13, 16, ntc=not ntc_below)
    c.line(x, 29, x, 33)
    node(c, x, 31)
    c.line(x, 31, 25, 31)
    c.text(26, 27, "adc", CIRCUIT_MARK)
    resistor_v(c, x, 33, 16, ntc=ntc_below)
    c.line(x, 49, x, 55)
    ground(c, x, 55)
    c.text(23, 15, "R" if ntc_below else "Rt", CIRCUIT_LABEL)
    c.text(23, 40, "Rt" if ntc_below else "R", CIRCUIT_LABEL)
    return c


def rc_dropper():
    c = Canvas(200, 100)
    top, bottom = 30, 80
    mains(c, 55, top, bottom)
    # C with its bleeder R across, in series with the line.
    c.line(16, top, 40, top)
    node(c, 40, top)
    c.line(40, top, 40, 14)
    c.line(40, 14, 58, 14)
    resistor_h(c, 58, 14, 18)
    c.line(76, 14, 94, 14)
    c.line(94, 14, 94, top)
    c.line(40, top, 65, top)
    capacitor_h(c, 65, top)
    c.line(69, top, 94, top)
    node(c, 94, top)
    c.text(64, 40, "C", CIRCUIT_LABEL)
    c.text(64, 2, "R", CIRCUIT_LABEL)
    # Rectifier into the load.
    c.line(94, top, 112, top)
    c.box(112, top - 8, 22, 17)
    diode_h(c, 119, top)
    c.line(134, top, 170, top)
    c.line(16, bottom, 170, bottom)
    node(c, 150, top)
    node(c, 150, bottom)
    c.line(150, top, 150, 42)
    resistor_v(c, 150, 42, 18)
    c.line(150, 60, 150, bottom)
    c.text(157, 48, "RL", CIRCUIT_LABEL)
    terminal(c, 171, top)
    terminal(c, 171, bottom)
    c.text(178, 26, "+", CIRCUIT_MARK)
    c.text(176, 46, "Vo", CIRCUIT_MARK)
    c.text(178, 66, "-", CIRCUIT_MARK)
    return c


def resistor_power():
    c = Canvas(120, 80)
    top, bottom = 14, 66
    terminal(c, 20, top)
    terminal(c, 20, bottom)
    c.line(21, top, 70, top)
    c.line(70, top, 70, 28)
    resistor_v(c, 70, 28, 24)
    c.line(70, 52, 70, bottom)
    c.line(21, bottom, 70, bottom)
    c.text(80, 37, "R", CIRCUIT_LABEL)
    # Current along the top wire, voltage across the terminals.
    c.text(40, 2, "I", CIRCUIT_MARK)
    c.line(36, top - 4, 52, top - 4, CIRCUIT_MARK)
    c.line(50, top - 6, 52, top - 4, CIRCUIT_MARK)
    c.line(50, top - 2, 52, top - 4, CIRCUIT_MARK)
    c.text(6, 22, "+", CIRCUIT_MARK)
    c.text(4, 37, "V", CIRCUIT_MARK)
    c.text(6, 52, "-", CIRCUIT_MARK)
    return c


def linear_supply():
    c = Canvas(240, 100)
    top, bottom = 22, 78
    mains(c, 50, top, bottom)
    # Transformer: two windings with the core between them.
    c.line(16, top, 44, top)
    c.line(16, bottom, 44, bottom)
    for i in range(4):
        c.circle(48, 32 + 8 * i, 4)
        c.circle(66, 32 + 8 * i, 4)
    c.fill(44, 27, 5, 34, WHITE)
    c.fill(66, 27, 5, 34, WHITE)
    c.line(44, top, 44, 28)
    c.line(44, 60, 44, bottom)
    c.line(56, 26, 56, 64)
    c.line(58, 26, 58, 64)
    c.line(70, 28, 70, top)
    c.line(70, 60, 70, bottom)
    c.text(48, 6, "T", CIRCUIT_LABEL)
    # Bridge rectifier: a diamond of four diodes.
    cx, cy = 112, 50
    c.line(70, top, 112, top)
    c.line(112, top, 112, 30)
    c.line(70, bottom, 112, bottom)
    c.line(112, bottom, 112, 70)
    for a, b in (((cx, cy - 20), (cx + 20, cy)), ((cx - 20, cy), (cx, cy - 20)),
                 ((cx, cy + 20), (cx + 20, cy)), ((cx - 20, cy), (cx, cy + 20))):
        c.line(a[0], a[1], b[0], b[1])
    # Each diode conducts towards the + corner on the right.
    top_v, right_v, bottom_v, left_v = (cx, cy - 20), (cx + 20, cy), (cx, cy + 20), (cx - 20, cy)
    for a, b in ((left_v, top_v), (top_v, right_v), (left_v, bottom_v), (bottom_v, right_v)):
        diode_on(c, (a[0] + b[0]) / 2, (a[1] + b[1]) / 2, b[0] - a[0], b[1] - a[1])
    # DC side: + to the right, - to the left, round to C and RL.
    c.line(cx + 20, cy, 150, cy)
    c.line(150, cy, 150, 12)
    c.line(150, 12, 220, 12)
    c.line(cx - 20, cy, 86, cy)
    c.line(86, cy, 86, 92)
    c.line(86, 92, 220, 92)
    for x, draw in ((170, "C"), (196, "RL")):
        node(c, x, 12)
        node(c, x, 92)
        if draw == "C":
            c.line(x, 12, x, 48)
            capacitor_v(c, x, 48)
            c.line(x, 52, x, 92)
            c.text(x + 8, 46, "C", CIRCUIT_LABEL)
            c.text(x - 10, 38, "+", CIRCUIT_LABEL)
        else:
            c.line(x, 12, x, 40)
            resistor_v(c, x, 40, 20)
            c.line(x, 60, x, 92)
            c.text(x + 7, 46, "RL", CIRCUIT_LABEL)
    terminal(c, 221, 12)
    terminal(c, 221, 92)
    c.text(226, 20, "+", CIRCUIT_MARK)
    c.text(226, 46, "V", CIRCUIT_MARK)
    c.text(226, 74, "-", CIRCUIT_MARK)
    return c

# ---- microcontroller pictures -----------------------------------------------------------
# Segment areas, both ends included: (left, top, right, bottom), in the order a .. g, dp.
# They are exactly the click areas the window tests (tools/mcu/segcode.cpp).
SEGMENT_AREAS = [
    (28, 12, 53, 15),  # a
    (54, 17, 57, 37),  # b
    (54, 46, 57, 67),  # c
    (28, 69, 53, 72),  # d
    (24, 46, 27, 67),  # e
    (24, 17, 27, 37),  # f
    (28, 40, 53, 43),  # g
    (60, 72, 65, 77),  # dp
]

# Where each name starts (top-left pixel of its first letter).
SEGMENT_LABELS = [
    ("a", 39, 2),
    ("b", 61, 22),
    ("c", 61, 52),
    ("d", 39, 75),
    ("e", 18, 52),
    ("f", 18, 22),
    ("g", 39, 23),
    ("dp", 67, 76),
]


def seven_segments():
    c = Canvas(84, 97, (192, 192, 192))
    for left, top, right, bottom in SEGMENT_AREAS:
        c.fill(left, top, right - left + 1, bottom - top + 1, BLACK)
    for text, x, y in SEGMENT_LABELS:
        for px, py in FONT_4X8.dots(x, y, text):
            if any(l <= px <= r and t <= py <= b for l, t, r, b in SEGMENT_AREAS):
                sys.exit(f"label {text} runs into a segment at {px},{py}")
        c.text(x, y, text, (0, 0, 128), FONT_4X8)
    return c


def interpolation():
    blue, red, grey = (0, 70, 200), (220, 0, 0), (160, 160, 160)
    c = Canvas(180, 135)
    ox, oy = 22, 118  # origin
    # Axes with arrow heads.
    c.line(ox, oy, 170, oy)
    c.line(ox, oy, ox, 8)
    for i in range(1, 5):
        c.line(170 - i, oy - i, 170 - i, oy + i)
        c.line(ox - i, 8 + i, ox + i, 8 + i)
    c.text(168, 123, "X", BLACK)
    c.text(ox - 14, 6, "Y", BLACK)
    c.text(ox - 12, oy + 4, "O", BLACK)
    p1, p2 = (48, 98), (150, 30)
    mid = (p1[0] + (p2[0] - p1[0]) * 9 // 17, p1[1] + (p2[1] - p1[1]) * 9 // 17)
    # The line through the two points, a little beyond them.
    c.line(p1[0] - 15, p1[1] + 10, p2[0] + 12, p2[1] - 8, blue)
    c.line(p1[0], p1[1] + 1, p2[0], p2[1] + 1, blue)
    # Where each point meets the axes.
    for (x, y), colour in ((p1, grey), (p2, grey), (mid, red)):
        c.line(x, y, x, oy - 1, colour, dash=3)
        c.line(ox + 1, y, x, y, colour, dash=3)
    c.disc(p1[0], p1[1], 3, BLACK)
    c.disc(p2[0], p2[1], 3, BLACK)
    c.disc(mid[0], mid[1], 3, red)
    c.text(p1[0] + 6, p1[1] + 4, "X1,Y1", BLACK)
    c.text(p2[0] - 34, p2[1] - 12, "X2,Y2", BLACK)
    c.text(mid[0] + 7, mid[1] + 3, "(x,y)?", red)
    return c


def dot_matrix_storage():
    grey, red = (160, 160, 160), (200, 0, 0)
    byte_fill, next_fill = (170, 205, 255), (190, 235, 190)
    cell, grid_x, grid_y = 6, 26, 13
    c = Canvas(150, 150)

    def column_x(column):
        return grid_x + column * cell

    def row_y(row):
        return grid_y + row * cell

    def centred(column, string, y, colour):
        c.text(column_x(column) + (cell + 1 - FONT_3X5.width(string)) // 2, y, string, colour,
               FONT_3X5)

    # Highlight the bytes: column 0 of the upper band is byte 1, column 1 byte 2, column 15
    # byte 16; column 0 of the lower band is byte 17.
    c.fill(column_x(0), row_y(0), cell, 8 * cell, byte_fill)
    c.fill(column_x(1), row_y(0), cell, 8 * cell, next_fill)
    c.fill(column_x(15), row_y(0), cell, 8 * cell, byte_fill)
    c.fill(column_x(0), row_y(8), cell, 8 * cell, next_fill)
    # Grid lines and dots.
    for i in range(17):
        c.fill(column_x(i), row_y(0), 1, 16 * cell + 1, grey)
        c.fill(column_x(0), row_y(i), 16 * cell + 1, 1, grey)
    for row in range(16):
        for column in range(16):
            c.dot(column_x(column) + 3, row_y(row) + 3, grey)
    # The band border and the frame.
    c.fill(column_x(0) - 1, row_y(8) - 1, 16 * cell + 3, 3, BLACK)
    c.box(column_x(0), row_y(0), 16 * cell + 1, 16 * cell + 1, BLACK)
    # Byte numbers over the upper band, byte 17 under the lower band.
    c.text(2, 4, "BYTE", BLACK, FONT_3X5)
    centred(0, "1", 4, red)
    centred(1, "2", 4, red)
    centred(15, "16", 4, red)
    c.text(2, row_y(16) + 4, "BYTE", BLACK, FONT_3X5)
    centred(0, "17", row_y(16) + 4, red)
    # Bit numbers beside the first and the eighth row, and the order between them.
    c.text(4, row_y(0) + 1, "BIT0", BLACK, FONT_3X5)
    c.text(4, row_y(7) + 1, "BIT7", BLACK, FONT_3X5)
    c.fill(10, row_y(1) + 1, 1, 6 * cell - 2, BLACK)
    for i in range(3):
        c.fill(10 - i, row_y(7) - 2 - i, 2 * i + 1, 1, BLACK)
    return c


PICTURES = {
    141: seven_segments,
    151: lambda: capacitor_delay(charge=False),
    152: lambda: capacitor_delay(charge=True),
    155: interpolation,
    160: rc_dropper,
    165: resistor_power,
    166: linear_supply,
    167: dot_matrix_storage,
    170: lambda: ntc_divider(ntc_below=True),
    171: lambda: ntc_divider(ntc_below=False),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draws the bitmap resources.")
    parser.add_argument("numbers", nargs="*", type=int, metavar="NNN",
                        help="pictures to draw (default: all of them)")
    parser.add_argument("--out", default=os.path.join(here, "..", "res", "bitmaps"),
                        help="folder to write NNN.bmp into (default: res/bitmaps)")
    args = parser.parse_args()
    unknown = [n for n in args.numbers if n not in PICTURES]
    if unknown:
        parser.error("no picture %s; there are %s" % (", ".join(map(str, unknown)),
                                                       ", ".join(map(str, PICTURES))))
    for number in args.numbers or PICTURES:
        PICTURES[number]().save(os.path.join(args.out, "%d.bmp" % number))


if __name__ == "__main__":
    main()
