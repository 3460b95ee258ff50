#!/usr/bin/env python3
"""quorkit-cli's glyph commands with GNU Unifont at 16 pixels against the model built from
Unifont's published bitmaps (tests/tools/mcu/fontcode_model.py).

unifont_check.py CLI FOLDER"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "mcu"))
import fontcode_model as model  # noqa: E402

UNIFONT = ["--font", "Unifont", "--pixels", "16"]

# (file, command-line settings, model)
FILES = [
    ("gb2312.bin", ["gb2312-bin"] + UNIFONT, lambda: model.gb2312_binary((10, 10, 26, 26))),
    ("ascii.txt", ["ascii-text"] + UNIFONT + ["--width", "8", "--height", "8", "--left", "11",
                                             "--top", "12"],
     lambda: model.ascii_text((11, 12, 19, 20))),
    ("ascii.bin", ["ascii-bin"] + UNIFONT + ["--width", "24", "--left", "8", "--top", "9"],
     lambda: model.ascii_binary((8, 9, 32, 25))),
    ("8x8.txt", ["ascii8x8-text"], model.ascii_8x8_text),
]

# (text, command-line settings, region, reverse)
CODES = [
    ("汉字Ag", UNIFONT, (10, 10, 26, 26), False),
    ("Ω°", UNIFONT + ["--width", "12", "--height", "24", "--left", "12", "--reverse"],
     (12, 10, 24, 34), True),
]


def main(cli, folder):
    os.makedirs(folder, exist_ok=True)
    failures = 0
    for name, settings, want in FILES:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            os.remove(path)
        result = subprocess.run([cli, "fontlib", settings[0], path] + settings[1:],
                                capture_output=True)
        with open(path, "rb") as source:
            actual = source.read()
        if result.returncode or result.stdout or result.stderr or actual != want():
            print(f"fontlib {settings[0]} ({name}) differs from the model")
            failures += 1
        leftovers = set(os.listdir(folder)) - {entry[0] for entry in FILES}
        if leftovers:
            print("left behind:", sorted(leftovers))
            failures += 1
    for text, settings, region, reverse_bits in CODES:
        result = subprocess.run([cli, "glyph", text] + settings, capture_output=True)
        # As the command line prints a tool's text: line feeds only, no blanks at line ends.
        lines = model.code_text(text, region, reverse_bits).replace("\r\n", "\n").split("\n")
        want = ("\n".join(line.rstrip(" ") for line in lines).rstrip("\n") + "\n").encode()
        if result.returncode or result.stderr or result.stdout != want:
            print(f"glyph {text!r} differs from the model:\n{result.stdout!r}\n{want!r}")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
