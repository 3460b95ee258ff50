#!/usr/bin/env python3
"""Draws res/bitmaps/167.bmp, the storage diagram of the dot-matrix tool: a 16 x 16 matrix
cut into two bands of 8 rows, with the bytes 1, 2, 16 and 17 and the bits 0 and 7 marked.
The drawing keeps to the top-left 128 x 128 pixels, which the window shows whole.
Standard library only; run it again after changing the drawing."""
import os
import struct

SIZE = 150
CELL = 6
GRID_X = 26
GRID_Y = 13

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (160, 160, 160)
BYTE_FILL = (170, 205, 255)
NEXT_FILL = (190, 235, 190)
RED = (200, 0, 0)

# 3 x 5 glyphs, one string of three characters per row.
GLYPHS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "Y": ["#.#", "#.#", ".#.", ".#.", ".#."],
    "E": ["###", "#..", "##.", "#..", "###"],
}

pixels = [[WHITE] * SIZE for _ in range(SIZE)]


def fill(x, y, width, height, colour):
    for row in range(y, y + height):
        for column in range(x, x + width):
            if 0 <= row < SIZE and 0 <= column < SIZE:
                pixels[row][column] = colour


def text(x, y, string, colour=BLACK):
    for character in string:
        for row, line in enumerate(GLYPHS[character]):
            for column, mark in enumerate(line):
                if mark == "#":
                    fill(x + column, y + row, 1, 1, colour)
        x += 4


def text_width(string):
    return 4 * len(string) - 1


def column_x(column):
    return GRID_X + column * CELL


def row_y(row):
    return GRID_Y + row * CELL


# Highlight the bytes: column 0 of the upper band is byte 1, column 1 byte 2, column 15
# byte 16; column 0 of the lower band is byte 17.
fill(column_x(0), row_y(0), CELL, 8 * CELL, BYTE_FILL)
fill(column_x(1), row_y(0), CELL, 8 * CELL, NEXT_FILL)
fill(column_x(15), row_y(0), CELL, 8 * CELL, BYTE_FILL)
fill(column_x(0), row_y(8), CELL, 8 * CELL, NEXT_FILL)

# Grid lines and dots.
for i in range(17):
    fill(column_x(i), row_y(0), 1, 16 * CELL + 1, GREY)
    fill(column_x(0), row_y(i), 16 * CELL + 1, 1, GREY)
for row in range(16):
    for column in range(16):
        fill(column_x(column) + 3, row_y(row) + 3, 1, 1, GREY)
# The band border and the frame.
fill(column_x(0) - 1, row_y(8) - 1, 16 * CELL + 3, 3, BLACK)
for x, y, width, height in ((0, 0, 16 * CELL + 1, 1), (0, 16 * CELL, 16 * CELL + 1, 1),
                            (0, 0, 1, 16 * CELL + 1), (16 * CELL, 0, 1, 16 * CELL + 1)):
    fill(column_x(0) + x, row_y(0) + y, width, height, BLACK)


def centred(column, string, y, colour=BLACK):
    text(column_x(column) + (CELL + 1 - text_width(string)) // 2, y, string, colour)


# Byte numbers over the upper band, byte 17 under the lower band.
text(2, 4, "BYTE")
centred(0, "1", 4, RED)
centred(1, "2", 4, RED)
centred(15, "16", 4, RED)
text(2, row_y(16) + 4, "BYTE")
centred(0, "17", row_y(16) + 4, RED)
# Bit numbers beside the first and the eighth row, and the order between them.
text(4, row_y(0) + 1, "BIT0")
text(4, row_y(7) + 1, "BIT7")
fill(10, row_y(1) + 1, 1, 6 * CELL - 2, BLACK)
for i in range(3):
    fill(10 - i, row_y(7) - 2 - i, 2 * i + 1, 1, BLACK)

# 24-bit bottom-up BMP.
row_bytes = (SIZE * 3 + 3) // 4 * 4
image = bytearray()
for row in reversed(pixels):
    line = bytearray()
    for red, green, blue in row:
        line += bytes((blue, green, red))
    image += line + b"\0" * (row_bytes - len(line))
header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "bitmaps", "167.bmp")
with open(target, "wb") as out:
    out.write(header + info + image)
