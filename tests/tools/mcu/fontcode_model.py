#!/usr/bin/env python3
"""An independent model of the dot-matrix tool with GNU Unifont at 16 pixels: glyph records,
code texts and the four font library files, built from Unifont's published bitmaps
(/usr/share/unifont/unifont.hex, Debian package unifont) and Python's own GBK codec.

As a checker: fontcode_model.py DRIVE SCRIPT EXPECTED runs the console script in a fresh
folder, compares its output with EXPECTED, then compares every library file the script
saved (named as in FILES below) with the model, byte for byte."""
import os
import subprocess
import sys
import tempfile

UNIFONT_HEX = "/usr/share/unifont/unifont.hex"

# Rows of the 8 x 8 glyphs of 20h..7Fh, top row first, bit 7 the leftmost pixel.
FONT_8X8 = """
00 00 00 00 00 00 00 00|18 3C 3C 18 18 00 18 00|66 66 24 00 00 00 00 00|6C 6C FE 6C FE 6C 6C 00
18 3E 60 3C 06 7C 18 00|00 C6 CC 18 30 66 C6 00|38 6C 38 76 DC CC 76 00|18 18 30 00 00 00 00 00
0C 18 30 30 30 18 0C 00|30 18 0C 0C 0C 18 30 00|00 66 3C FF 3C 66 00 00|00 18 18 7E 18 18 00 00
00 00 00 00 00 18 18 30|00 00 00 7E 00 00 00 00|00 00 00 00 00 30 30 00|06 0C 18 30 60 C0 80 00
38 6C C6 C6 C6 6C 38 00|18 38 18 18 18 18 7E 00|7C C6 06 1C 30 66 FE 00|7C C6 06 3C 06 C6 7C 00
1C 3C 6C CC FE 0C 1E 00|FE C0 C0 FC 06 C6 7C 00|38 60 C0 FC C6 C6 7C 00|FE C6 0C 18 30 30 30 00
7C C6 C6 7C C6 C6 7C 00|7C C6 C6 7E 06 0C 78 00|00 18 18 00 00 18 18 00|00 18 18 00 00 18 18 30
06 0C 18 30 18 0C 06 00|00 00 7E 00 00 7E 00 00|60 30 18 0C 18 30 60 00|7C C6 0C 18 18 00 18 00
7C C6 DE DE DE C0 78 00|38 6C 6C C6 FE C6 C6 00|FC 66 66 7C 66 66 FC 00|3C 66 C0 C0 C0 66 3C 00
F8 6C 66 66 66 6C F8 00|FE 62 68 78 68 62 FE 00|FE 62 68 78 68 60 F0 00|3C 66 C0 C0 CE 66 3A 00
C6 C6 C6 FE C6 C6 C6 00|3C 18 18 18 18 18 3C 00|1E 0C 0C 0C CC CC 78 00|E6 66 6C 78 6C 66 E6 00
F0 60 60 60 62 66 FE 00|C6 EE FE FE D6 C6 C6 00|C6 E6 F6 DE CE C6 C6 00|7C C6 C6 C6 C6 C6 7C 00
FC 66 66 7C 60 60 F0 00|7C C6 C6 C6 C6 CE 7C 0E|FC 66 66 7C 6C 66 E6 00|3C 66 30 18 0C 66 3C 00
7E 7E 5A 18 18 18 3C 00|C6 C6 C6 C6 C6 C6 7C 00|C6 C6 C6 C6 C6 6C 38 00|C6 C6 C6 D6 D6 FE 6C 00
C6 C6 6C 38 6C C6 C6 00|66 66 66 3C 18 18 3C 00|FE C6 8C 18 32 66 FE 00|3C 30 30 30 30 30 3C 00
C0 60 30 18 0C 06 02 00|3C 0C 0C 0C 0C 0C 3C 00|10 38 6C C6 00 00 00 00|00 00 00 00 00 00 00 FF
30 18 0C 00 00 00 00 00|00 00 78 0C 7C CC 76 00|E0 60 7C 66 66 66 DC 00|00 00 7C C6 C0 C6 7C 00
1C 0C 7C CC CC CC 76 00|00 00 7C C6 FE C0 7C 00|3C 66 60 F8 60 60 F0 00|00 00 76 CC CC 7C 0C F8
E0 60 6C 76 66 66 E6 00|18 00 38 18 18 18 3C 00|06 00 06 06 06 66 66 3C|E0 60 66 6C 78 6C E6 00
38 18 18 18 18 18 3C 00|00 00 EC FE D6 D6 D6 00|00 00 DC 66 66 66 66 00|00 00 7C C6 C6 C6 7C 00
00 00 DC 66 66 7C 60 F0|00 00 76 CC CC 7C 0C 1E|00 00 DC 76 60 60 F0 00|00 00 7E C0 7C 06 FC 00
30 30 FC 30 30 36 1C 00|00 00 CC CC CC CC 76 00|00 00 C6 C6 C6 6C 38 00|00 00 C6 D6 D6 FE 6C 00
00 00 C6 6C 38 6C C6 00|00 00 C6 C6 C6 7E 06 FC|00 00 7E 4C 18 32 7E 00|0E 18 18 70 18 18 0E 00
18 18 18 18 18 18 18 00|70 18 18 0E 18 18 70 00|76 DC 00 00 00 00 00 00|FC FC FC FC FC FC FC 00
"""

# The text layout draws these control characters as white space.
BLANK_CONTROLS = {0x09, 0x0A, 0x0C, 0x0D}


def load_unifont():
    """Code point -> 16 rows of 16 bits (an 8-pixel glyph fills the left half)."""
    glyphs = {}
    with open(UNIFONT_HEX) as source:
        for line in source:
            code, bits = line.strip().split(":")
            digits = len(bits) // 16
            rows = [int(bits[i * digits:(i + 1) * digits], 16) for i in range(16)]
            glyphs[int(code, 16)] = [row << 8 if digits == 2 else row for row in rows]
    return glyphs


GLYPHS = load_unifont()


def record(code_point, region):
    """Glyph bytes of a character drawn with its cell at 10,10, read from region
    (left, top, right, bottom): bands of 8 rows, a byte per column, top pixel = bit 0."""
    left, top, right, bottom = region
    rows = GLYPHS.get(code_point) if code_point is not None else None
    out = bytearray()
    if right - left <= 0 or (bottom - top) // 8 <= 0:
        return bytes(out)
    for band in range((bottom - top) // 8):
        for x in range(left, right):
            byte = 0
            for bit in range(8):
                row, column = top + 8 * band + bit - 10, x - 10
                if rows and 0 <= row < 16 and 0 <= column < 16 and rows[row] >> (15 - column) & 1:
                    byte |= 1 << bit
            out.append(byte)
    return bytes(out)


def reverse(byte):
    return int(f"{byte:08b}"[::-1], 2)


def code_text(text, region, reverse_bits=False):
    out = ""
    for character in text:
        code = character.encode("gbk")
        second = code[1] if len(code) > 1 else 0
        out += f"//{character} 0x{code[0]:02X},0x{second:02X},\r\n"
        for i, byte in enumerate(record(ord(character), region)):
            if i and i % 16 == 0:
                out += "\r\n"
            out += f"0x{reverse(byte) if reverse_bits else byte:02X},"
        out += "\r\n"
    return out


def ascii_record(code, region):
    return record(None if code in BLANK_CONTROLS else code, region)


def ascii_text(region):
    out = bytearray()
    for code in range(1, 128):
        out += (f"//[{code:02X}H]" if code <= 32 else f"//{chr(code)} [{code:02X}H]").encode("latin-1")
        for j, byte in enumerate(ascii_record(code, region)):
            out += (b"\r\n" if j % 16 == 0 else b"") + f"0x{byte:02X},".encode()
        out += b"\r\n"
    return bytes(out)


def ascii_8x8_text():
    glyphs = [[int(b, 16) for b in cell.split()]
              for line in FONT_8X8.strip().splitlines() for cell in line.split("|")]
    out = bytearray()
    for code in range(1, 128):
        out += (f"//[{code:02X}H]" if code < 32 else f"//{chr(code)} [{code:02X}H]").encode("latin-1")
        rows = glyphs[code - 32] if code >= 32 else [0] * 8
        columns = [sum(((rows[i] >> (7 - k)) & 1) << i for i in range(8)) for k in range(8)]
        out += b"\r\n" + "".join(f"0x{c:02X}," for c in columns).encode() + b"\r\n"
    return bytes(out)


def ascii_binary(region):
    return b"".join(ascii_record(code, region) for code in range(1, 128))


def gb2312_binary(region):
    size = (region[2] - region[0]) * ((region[3] - region[1]) // 8)
    out = bytearray()
    for high in range(0xA1, 0xF8):
        for low in range(0xA1, 0xFF):
            try:
                character = bytes((high, low)).decode("gbk")
            except UnicodeDecodeError:
                out += bytes(size)
                continue
            out += record(ord(character), region)
    return bytes(out)


# Files the console scripts save, with the settings in force when they were made.
FILES = {
    "fontcode_ascii_16x16.txt": lambda: ascii_text((10, 10, 26, 26)),
    "fontcode_ascii_8x8_moved.txt": lambda: ascii_text((11, 12, 19, 20)),
    "fontcode_ascii_128x128.txt": lambda: ascii_text((10, 10, 138, 138)),
    "fontcode_8x8.txt": ascii_8x8_text,
    "fontcode_ascii_16x16.bin": lambda: ascii_binary((10, 10, 26, 26)),
    "fontcode_ascii_24x16_moved.bin": lambda: ascii_binary((8, 9, 32, 25)),
    "fontcode_ascii_12x8.bin": lambda: ascii_binary((10, 10, 22, 18)),
    "fontcode_ascii_0x16.bin": lambda: ascii_binary((10, 10, 10, 26)),
    "fontcode_gb2312_16x16.bin": lambda: gb2312_binary((10, 10, 26, 26)),
}


def main(drive, script, expected):
    with tempfile.TemporaryDirectory() as folder:
        # The banner download asks a port on this machine where nothing listens.
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(folder, "data-home"))
        result = subprocess.run([os.path.abspath(drive), "--banner-server", "127.0.0.1:1",
                                 os.path.abspath(script)], cwd=folder, capture_output=True, env=env)
        with open(expected, "rb") as source:
            if result.stdout != source.read():
                print("console output differs from", expected)
                return 1
        failures = 0
        saved = sorted(name for name in os.listdir(folder) if name.startswith("fontcode_"))
        for name in saved:
            with open(os.path.join(folder, name), "rb") as source:
                actual = source.read()
            want = FILES[name]()
            if actual != want:
                at = next((i for i, (a, b) in enumerate(zip(actual, want)) if a != b),
                          min(len(actual), len(want)))
                print(f"{name}: differs at byte {at} (size {len(actual)}, expected {len(want)})")
                failures += 1
            else:
                print(f"{name}: {len(actual)} bytes as expected")
        missing = sorted(set(FILES) - set(saved))
        if missing:
            print("not saved:", ", ".join(missing))
            return 1
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
