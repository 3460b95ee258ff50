#!/usr/bin/env python3
"""Draws the bitmaps of the microcontroller tools as 24-bit BMP files (standard library only).

    python3 scripts/draw_bitmaps_mcu.py [RES_DIR]    (default: res/bitmaps beside this script)

155.bmp: the interpolation picture: axes X and Y, the points X1,Y1 and X2,Y2 joined by a
line, and the point (x,y)? on it.
"""
import os
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (160, 160, 160)
BLUE = (0, 70, 200)
RED = (220, 0, 0)

# 5 x 7 glyphs, one string of five columns' worth per row ("#" is ink).
GLYPHS = {
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "y": [".....", ".....", "#...#", "#...#", ".####", "....#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    ",": [".....", ".....", ".....", ".....", "..##.", "...#.", "..#.."],
    "(": ["...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."],
    ")": [".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
}


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, dash=0):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            if dash and (i // dash) % 2:
                continue
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r:
                    self.dot(x, y, colour)

    def text(self, x, y, string, colour):
        for ch in string:
            for row, bits in enumerate(GLYPHS[ch]):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        self.dot(x + col, y + row, colour)
            x += 6

    def bmp(self):
        row_size = (self.width * 3 + 3) // 4 * 4
        image = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += bytes(row_size - len(row))
            image += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(image),
                           2835, 2835, 0, 0)
        return header + info + bytes(image)


def interpolation():
    c = Canvas(180, 135)
    ox, oy = 22, 118  # origin
    # Axes with arrow heads.
    c.line(ox, oy, 170, oy, BLACK)
    c.line(ox, oy, ox, 8, BLACK)
    for i in range(1, 5):
        c.line(170 - i, oy - i, 170 - i, oy + i, BLACK)
        c.line(ox - i, 8 + i, ox + i, 8 + i, BLACK)
    c.text(168, 123, "X", BLACK)
    c.text(ox - 14, 6, "Y", BLACK)
    c.text(ox - 12, oy + 4, "O", BLACK)
    p1, p2 = (48, 98), (150, 30)
    mid = (p1[0] + (p2[0] - p1[0]) * 9 // 17, p1[1] + (p2[1] - p1[1]) * 9 // 17)
    # The line through the two points, a little beyond them.
    c.line(p1[0] - 15, p1[1] + 10, p2[0] + 12, p2[1] - 8, BLUE)
    c.line(p1[0], p1[1] + 1, p2[0], p2[1] + 1, BLUE)
    # Where each point meets the axes.
    for (x, y), colour in ((p1, GREY), (p2, GREY), (mid, RED)):
        c.line(x, y, x, oy - 1, colour, dash=3)
        c.line(ox + 1, y, x, y, colour, dash=3)
    c.disc(p1[0], p1[1], 3, BLACK)
    c.disc(p2[0], p2[1], 3, BLACK)
    c.disc(mid[0], mid[1], 3, RED)
    c.text(p1[0] + 6, p1[1] + 4, "X1,Y1", BLACK)
    c.text(p2[0] - 34, p2[1] - 12, "X2,Y2", BLACK)
    c.text(mid[0] + 7, mid[1] + 3, "(x,y)?", RED)
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "bitmaps")
    for number, draw in ((155, interpolation),):
        path = os.path.join(out_dir, "%d.bmp" % number)
        temporary = path + ".tmp"
        with open(temporary, "wb") as f:
            f.write(draw().bmp())
        os.replace(temporary, path)


if __name__ == "__main__":
    main()
