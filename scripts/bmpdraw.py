"""Pixel drawing for the program's bitmap resources: a canvas with lines, boxes, circles and
pixel-font text, written as a 24-bit BMP. Standard library only.

Three letter sets, one per size the pictures use; a picture always takes its letters from one
set, so changing a set changes only the pictures that use it.
"""
import os
import struct

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class Font:
    """Fixed-width pixel letters: one string per row, "#" is ink. One blank column between
    letters."""

    def __init__(self, glyphs):
        self.glyphs = glyphs
        self.advance = len(next(iter(glyphs.values()))[0]) + 1

    def width(self, string):
        return self.advance * len(string) - 1

    def dots(self, x, y, string):
        """The inked pixels of string with its first letter's top-left at (x, y)."""
        for ch in string:
            for row, bits in enumerate(self.glyphs[ch]):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        yield x + col, y + row
            x += self.advance


# Labels of the circuit and microcontroller pictures.
FONT_5X7 = Font({
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "c": [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    "d": ["....#", "....#", ".##.#", "#..##", "#...#", "#..##", ".##.#"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "t": [".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "y": [".....", ".....", "#...#", "#...#", ".####", "....#", ".###."],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "(": ["...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."],
    ")": [".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    ",": [".....", ".....", ".....", ".....", "..##.", "...#.", "..#.."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    ">": ["#....", ".#...", "..#..", "...#.", "..#..", ".#...", "#...."],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
})

# Lower case with room for descenders: two rows of ascender, four of x-height, two below.
FONT_4X8 = Font({
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###", "...."],
    "b": ["#...", "#...", "###.", "#..#", "#..#", "###.", "....", "...."],
    "c": ["....", "....", ".###", "#...", "#...", ".###", "....", "...."],
    "d": ["...#", "...#", ".###", "#..#", "#..#", ".###", "....", "...."],
    "e": ["....", "....", ".##.", "####", "#...", ".###", "....", "...."],
    "f": ["..##", ".#..", "###.", ".#..", ".#..", ".#..", "....", "...."],
    "g": ["....", "....", ".###", "#..#", "#..#", ".###", "...#", "###."],
    "p": ["....", "....", "###.", "#..#", "#..#", "###.", "#...", "#..."],
})

# The smallest legible digits and capitals, for tight diagrams.
FONT_3X5 = Font({
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
    "E": ["###", "#..", "##.", "#..", "###"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "Y": ["#.#", "#.#", ".#.", ".#.", ".#."],
})


class Canvas:
    """Pixels addressed (x, y) from the top-left; drawing outside the canvas is clipped."""

    def __init__(self, width, height, background=WHITE):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour=BLACK):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour=BLACK, dash=0):
        """Both ends included; with dash, alternately dash pixels drawn and dash left out."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        step = 0
        while True:
            if not dash or (step // dash) % 2 == 0:
                self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            step += 1
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

    def disc(self, cx, cy, r, colour=BLACK):
        # r * r + r is about (r + 1/2) squared: every pixel whose centre lies within r + 1/2.
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r:
                    self.dot(x, y, colour)

    def text(self, x, y, string, colour, font=FONT_5X7):
        for px, py in font.dots(x, y, string):
            self.dot(px, py, colour)

    def bmp(self):
        """The picture as a 24-bit bottom-up BMP file."""
        row_bytes = (self.width * 3 + 3) // 4 * 4
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            line += bytes(row_bytes - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        return header + info + bytes(data)

    def save(self, path):
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            f.write(self.bmp())
        os.replace(tmp, path)
