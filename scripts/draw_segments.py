#!/usr/bin/env python3
"""Draws the seven-segment digit picture, res/bitmaps/141.bmp (84 x 97 pixels, 24-bit).

The segments are black rectangles that cover exactly the click areas the window tests
(tools/mcu/segcode.cpp), on light grey, with their names in dark blue beside them.
Run from the repository root: python3 scripts/draw_segments.py
"""

import os
import struct
import sys

WIDTH, HEIGHT = 84, 97
GREY = (192, 192, 192)
BLACK = (0, 0, 0)
DARK_BLUE = (0, 0, 128)

# Segment areas, both ends included: (left, top, right, bottom), in the order a .. g, dp.
AREAS = [
    (28, 12, 53, 15),  # a
    (54, 17, 57, 37),  # b
    (54, 46, 57, 67),  # c
    (28, 69, 53, 72),  # d
    (24, 46, 27, 67),  # e
    (24, 17, 27, 37),  # f
    (28, 40, 53, 43),  # g
    (60, 72, 65, 77),  # dp
]

# Lower-case letters, 4 pixels wide and 8 high (two rows of ascender, four of x-height,
# two of descender).
GLYPHS = {
    "a": ["....", "....", ".XX.", "...X", ".XXX", "X..X", ".XXX", "...."],
    "b": ["X...", "X...", "XXX.", "X..X", "X..X", "XXX.", "....", "...."],
    "c": ["....", "....", ".XXX", "X...", "X...", ".XXX", "....", "...."],
    "d": ["...X", "...X", ".XXX", "X..X", "X..X", ".XXX", "....", "...."],
    "e": ["....", "....", ".XX.", "XXXX", "X...", ".XXX", "....", "...."],
    "f": ["..XX", ".X..", "XXX.", ".X..", ".X..", ".X..", "....", "...."],
    "g": ["....", "....", ".XXX", "X..X", "X..X", ".XXX", "...X", "XXX."],
    "p": ["....", "....", "XXX.", "X..X", "X..X", "XXX.", "X...", "X..."],
}

# Where each name starts (top-left pixel of its first glyph).
LABELS = [
    ("a", 39, 2),
    ("b", 61, 22),
    ("c", 61, 52),
    ("d", 39, 75),
    ("e", 18, 52),
    ("f", 18, 22),
    ("g", 39, 23),
    ("dp", 67, 76),
]


def draw():
    pixels = [[GREY] * WIDTH for _ in range(HEIGHT)]
    for left, top, right, bottom in AREAS:
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = BLACK
    for text, x0, y0 in LABELS:
        for n, letter in enumerate(text):
            for dy, row in enumerate(GLYPHS[letter]):
                for dx, mark in enumerate(row):
                    if mark == "X":
                        x, y = x0 + 5 * n + dx, y0 + dy
                        if any(l <= x <= r and t <= y <= b for l, t, r, b in AREAS):
                            sys.exit(f"label {text} runs into a segment at {x},{y}")
                        pixels[y][x] = DARK_BLUE
    return pixels


def bmp(pixels):
    row_size = (WIDTH * 3 + 3) // 4 * 4
    body = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(row_size - len(line))
        body += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "res/bitmaps/141.bmp"
    data = bmp(draw())
    with open(path + ".tmp", "wb") as out:
        out.write(data)
    os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
