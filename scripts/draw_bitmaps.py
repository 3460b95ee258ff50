#!/usr/bin/env python3
"""Draws the circuit pictures of the circuit calculators into res/bitmaps/NNN.bmp.

Standard library only: a small canvas with pixel lines, a 5 x 7 pixel font and the circuit
symbols the pictures need, written as 24-bit BMP files. Run it from anywhere:

    python3 scripts/draw_bitmaps.py

151, 152  capacitor delay (125 x 71): discharge, charge
160       RC dropper supply
165       resistor power
166       linear power supply
170, 171  NTC divider (44 x 62): thermistor below, thermistor above
"""
import math
import os
import struct

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
BLUE = (0, 0, 160)
RED = (176, 0, 0)
GREY = (128, 128, 128)

# 5 x 7 glyphs, one string of five bits per row.
FONT = {
    " ": ["00000"] * 7,
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "z": ["00000", "00000", "11111", "00010", "00100", "01000", "11111"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "e": ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
    "x": ["00000", "00000", "10001", "01010", "00100", "01010", "10001"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "r": ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    "a": ["00000", "00000", "01110", "00001", "01111", "10001", "01111"],
    "d": ["00001", "00001", "01101", "10011", "10001", "10011", "01101"],
    "c": ["00000", "00000", "01110", "10000", "10000", "10001", "01110"],
    "o": ["00000", "00000", "01110", "10001", "10001", "10001", "01110"],
    "t": ["01000", "01000", "11100", "01000", "01000", "01001", "00110"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    ">": ["10000", "01000", "00100", "00010", "00100", "01000", "10000"],
    "+": ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def dot(self, x, y, colour=BLACK):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour=BLACK):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def box(self, x, y, w, h, colour=BLACK):
        self.line(x, y, x + w - 1, y, colour)
        self.line(x, y + h - 1, x + w - 1, y + h - 1, colour)
        self.line(x, y, x, y + h - 1, colour)
        self.line(x + w - 1, y, x + w - 1, y + h - 1, colour)

    def fill(self, x, y, w, h, colour=BLACK):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.dot(xx, yy, colour)

    def text(self, x, y, s, colour=BLUE):
        for ch in s:
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.dot(x + col, y + row, colour)
            x += 6

    def circle(self, cx, cy, r, colour=BLACK):
        x, y, err = r, 0, 1 - r
        while x >= y:
            for px, py in ((x, y), (y, x), (-y, x), (-x, y), (-x, -y), (-y, -x), (y, -x), (x, -y)):
                self.dot(cx + px, cy + py, colour)
            y += 1
            if err < 0:
                err += 2 * y + 1
            else:
                x -= 1
                err += 2 * (y - x) + 1

    def save(self, path):
        row_bytes = (self.width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            line += bytes(row_bytes - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            f.write(header + info + data)
        os.replace(tmp, path)


# ---- symbols (x, y: where the symbol starts; the wire continues at the other end) --------
def resistor_v(c, x, y, length=16, ntc=False):
    """Vertical resistor box centred on x, from y to y + length."""
    c.box(x - 3, y, 7, length)
    if ntc:  # the thermistor's slanted line with its foot
        c.line(x - 6, y + length, x + 6, y - 1, RED)
        c.line(x - 9, y + length, x - 6, y + length, RED)


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


# ---- pictures ---------------------------------------------------------------------------
def capacitor_delay(charge):
    c = Canvas(125, 71)
    top, bottom = 12, 58
    # Supply Ve on the left, + at the top.
    c.line(12, top, 12, 30)
    battery_v(c, 12, 30)
    c.line(12, 42, 12, bottom)
    c.text(23, 31, "Ve")
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
    c.text(62, 24, "R")
    c.line(76, 35, 92, 35)
    node(c, 92, 35)
    c.line(92, 35, 92, 42)
    capacitor_v(c, 92, 42)
    c.line(92, 46, 92, bottom)
    c.text(101, 38, "C")
    c.line(36, bottom, 92, bottom)
    ground(c, 64, bottom + 2)
    c.line(64, bottom, 64, bottom + 2)
    # The capacitor voltage runs from Vx1 to Vx2.
    c.text(72, 3, "Vx1->Vx2", RED)
    c.line(92, 12, 92, 30, RED)
    c.line(90, 28, 92, 30, RED)
    c.line(94, 28, 92, 30, RED)
    return c


def ntc_divider(ntc_below):
    c = Canvas(44, 62)
    x = 14
    c.text(2, 1, "Vr")
    c.line(x, 9, x, 13)
    node(c, x, 9)
    resistor_v(c, x, 13, 16, ntc=not ntc_below)
    c.line(x, 29, x, 33)
    node(c, x, 31)
    c.line(x, 31, 25, 31)
    c.text(26, 27, "adc", RED)
    resistor_v(c, x, 33, 16, ntc=ntc_below)
    c.line(x, 49, x, 55)
    ground(c, x, 55)
    c.text(23, 15, "R" if ntc_below else "Rt")
    c.text(23, 40, "Rt" if ntc_below else "R")
    return c


def rc_dropper():
    c = Canvas(200, 100)
    top, bottom = 30, 80
    ac_source(c, 16, 55)
    c.text(4, 88, "220V 50Hz")
    c.line(16, top, 16, 48)
    c.line(16, 62, 16, bottom)
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
    c.text(64, 40, "C")
    c.text(64, 2, "R")
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
    c.text(157, 48, "RL")
    terminal(c, 171, top)
    terminal(c, 171, bottom)
    c.text(178, 26, "+", RED)
    c.text(176, 46, "Vo", RED)
    c.text(178, 66, "-", RED)
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
    c.text(80, 37, "R")
    # Current along the top wire, voltage across the terminals.
    c.text(40, 2, "I", RED)
    c.line(36, top - 4, 52, top - 4, RED)
    c.line(50, top - 6, 52, top - 4, RED)
    c.line(50, top - 2, 52, top - 4, RED)
    c.text(6, 22, "+", RED)
    c.text(4, 37, "V", RED)
    c.text(6, 52, "-", RED)
    return c


def linear_supply():
    c = Canvas(240, 100)
    top, bottom = 22, 78
    ac_source(c, 16, 50)
    c.text(4, 88, "220V 50Hz")
    c.line(16, top, 16, 43)
    c.line(16, 57, 16, bottom)
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
    c.text(48, 6, "T")
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
            c.text(x + 8, 46, "C")
            c.text(x - 10, 38, "+")
        else:
            c.line(x, 12, x, 40)
            resistor_v(c, x, 40, 20)
            c.line(x, 60, x, 92)
            c.text(x + 7, 46, "RL")
    terminal(c, 221, 12)
    terminal(c, 221, 92)
    c.text(226, 20, "+", RED)
    c.text(226, 46, "V", RED)
    c.text(226, 74, "-", RED)
    return c


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "bitmaps")
    pictures = {
        151: capacitor_delay(charge=False),
        152: capacitor_delay(charge=True),
        160: rc_dropper(),
        165: resistor_power(),
        166: linear_supply(),
        170: ntc_divider(ntc_below=True),
        171: ntc_divider(ntc_below=False),
    }
    for number, canvas in pictures.items():
        canvas.save(os.path.join(folder, "%d.bmp" % number))


if __name__ == "__main__":
    main()
