#!/usr/bin/env python3
"""Independent model of the character code generator, on Python's own codecs.

Writes the console script charcode.drive and the output this model expects of it:
    python3 tests/tools/mcu/charcode_model.py charcode.drive charcode.out
The console tests run it into the build tree as mcu/charcode before they run the script; its
output is never committed.
"""
import json
import sys

LIMIT = 1023


def gbk_char(ch):
    # Code page 936 as the desktop has it maps the euro sign to 0x80; Python's gbk lacks it.
    if ch == "\u20ac":
        return b"\x80"
    try:
        return ch.encode("gbk")
    except UnicodeEncodeError:
        return b"?"


def codes(text, unicode, comma, prefix):
    kept = []
    size = 0
    for ch in text:
        b = gbk_char(ch)
        if size + len(b) > LIMIT:
            break
        size += len(b)
        kept.append(ch if b != b"?" else "?")
    if unicode:
        data = "".join(kept).encode("utf-16-be")
    else:
        data = b"".join(gbk_char(ch) for ch in kept)
    sep = "," if comma else " "
    pre = "0x" if prefix else ""
    return sep.join(pre + "%.2X" % b for b in data)


CASES = [
    ("the examples", "中A"),
    ("blanks are part of the text", " a b "),
    ("full-width punctuation, digits", "Hello，世界！123"),
    ("characters GBK lacks become ?; the euro sign is 0x80", "€©😀Ω"),
    ("an empty input empties the result", ""),
    ("1100 bytes are cut to 1023", "a" * 1100),
    ("1 + 600 double-byte characters: exactly 1023 bytes", "a" + "中" * 600),
    ("600 double-byte characters: cut after the 511th, never inside one", "中" * 600),
    ("1022 single bytes and a double-byte character: the last one goes", "b" * 1022 + "码"),
]

OPTIONS = [(False, False, False), (False, True, True), (True, False, False), (True, True, True)]


def main(drive_path, out_path):
    drive = open(drive_path, "w", encoding="utf-8")
    out = open(out_path, "w", encoding="utf-8")
    j = lambda s: json.dumps(s, ensure_ascii=False)
    drive.write("# Character code generator: GBK bytes and UTF-16 code units with every option;\n"
                "# expected texts from tests/tools/mcu/charcode_model.py.\n")
    drive.write("menu 32787\ncaption\nchecked 1044\nchecked 1045\nchecked 1046\nchecked 1047\nget 1002\nget 1001\n")
    out.write(j("字符码生成器") + "\n1\n0\n0\n0\n\"\"\n\"\"\n")
    state = [False, False, False]  # unicode, comma, prefix
    result = ""
    for comment, text in CASES:
        drive.write("\n# " + comment + "\nset 1002 " + j(text) + "\n")
        for unicode, comma, prefix in OPTIONS:
            if unicode != state[0]:
                drive.write("click %d\n" % (1045 if unicode else 1044))
            if comma != state[1]:
                drive.write("click 1046\n")
            if prefix != state[2]:
                drive.write("click 1047\n")
            state = [unicode, comma, prefix]
            drive.write("click 1000\nget 1001\n")
            result = codes(text, unicode, comma, prefix)
            out.write(j(result) + "\n")
    drive.write("\n# the window keeps its state while hidden\nclose\nmenu 32787\n"
                "checked 1044\nchecked 1045\nchecked 1046\nchecked 1047\nget 1001\n")
    out.write("0\n1\n1\n1\n" + j(result) + "\n")
    drive.write("set 1002 \"Z\"\nclick 1044\nclick 1000\nget 1001\n")
    out.write(j(codes("Z", False, True, True)) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
