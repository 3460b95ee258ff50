#!/usr/bin/env python3
"""quorkit-cli --json beyond its keys: glyph's numbers agree with its text and the matrix
size; a file name that is not UTF-8 still gives valid JSON (U+FFFD for the stray byte).

json_check.py CLI WORKDIR"""
import json
import os
import re
import subprocess
import sys

cli, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
failures = []
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def run_json(*args):
    result = subprocess.run([cli, *args, "--json"], capture_output=True, env=env)
    if result.returncode != 0:
        failures.append(f"{args}: status {result.returncode}: {result.stderr!r}")
        return None
    return json.loads(result.stdout)


for text, width, height, reverse in (("A字", 8, 16, []), ("g", 12, 24, ["--reverse"]),
                                     ("汉", 16, 8, [])):
    got = run_json("glyph", text, "--width", str(width), "--height", str(height), *reverse)
    if got is None:
        continue
    per_character = height // 8 * width
    text_bytes = [int(b, 16) for line in got["text"].split("\n") if not line.startswith("//")
                  for b in re.findall(r"0x([0-9A-F]{2}),", line)]
    characters = got["characters"]
    if (got["width"], got["height"]) != (width, height):
        failures.append(f"{text}: size {got['width']}x{got['height']}")
    if [c["character"] for c in characters] != list(text):
        failures.append(f"{text}: characters {[c['character'] for c in characters]}")
    if any(len(c["bytes"]) != per_character for c in characters):
        failures.append(f"{text}: not {per_character} bytes a character")
    if sum((c["bytes"] for c in characters), []) != got["bytes"] or got["bytes"] != text_bytes:
        failures.append(f"{text}: bytes {got['bytes']} differ from the text's {text_bytes}")
    for c in characters:
        code = c["character"].encode("gbk")
        if c["code"] != list(code + b"\0")[:2]:
            failures.append(f"{text}: code {c['code']} of {c['character']}")

name = os.path.join(work.encode(), b"lib\xff.txt")
got = run_json("fontlib", "ascii8x8-text", name.decode("utf-8", "surrogateescape"))
if got is not None:
    wanted = os.path.join(work, "lib\ufffd.txt")
    if got["path"] != wanted or got["size"] != os.path.getsize(name):
        failures.append(f"fontlib: {got} (wanted path {wanted!r})")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
