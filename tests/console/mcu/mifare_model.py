#!/usr/bin/env python3
"""Writes the Mifare access-bits scripts (mifare.drive, mifare_all.drive) and the output an
independent model of the card's data-sheet rules expects of them (the .out files).

The model builds the sector trailer bit by bit: byte 6 holds /C2_3 /C2_2 /C2_1 /C2_0
/C1_3 /C1_2 /C1_1 /C1_0, byte 7 C1_3 C1_2 C1_1 C1_0 /C3_3 /C3_2 /C3_1 /C3_0, byte 8
C3_3 C3_2 C3_1 C3_0 C2_3 C2_2 C2_1 C2_0 (bit 7 first), and reads the access rights from the
data sheet's tables keyed by "C1 C2 C3".

    mifare_model.py [FOLDER]
writes them into FOLDER (by default the current one). The console tests run it into the
build tree before they run the scripts; its output is never committed.
"""

import json
import os
import sys

LISTS = [1040, 1041, 1042, 1038]
COUNT_MESSAGE = "输入错误，请输入4个用两位16进制字符表示的数值并用空格隔开"
CHECK_MESSAGE = "输入码校验错误!"

# Data blocks: read, write, increment, decrement/transfer/restore.
DATA = {
    "000": ("KEYA|B", "KEYA|B", "KEYA|B", "KEYA|B"),
    "010": ("KEYA|B", "Never", "Never", "Never"),
    "100": ("KEYA|B", "KEYB", "Never", "Never"),
    "110": ("KEYA|B", "KEYB", "KEYB", "KEYA|B"),
    "001": ("KEYA|B", "Never", "Never", "KEYA|B"),
    "011": ("KEYB", "KEYB", "Never", "Never"),
    "101": ("KEYB", "Never", "Never", "Never"),
    "111": ("Never", "Never", "Never", "Never"),
}
# Sector trailer: key A read/write, access bits read/write, key B read/write.
TRAILER = {
    "000": ("Never", "KEYA", "KEYA", "Never", "KEYA", "KEYA"),
    "010": ("Never", "Never", "KEYA", "Never", "KEYA", "Never"),
    "100": ("Never", "KEYB", "KEYA|B", "Never", "Never", "KEYB"),
    "110": ("Never", "Never", "KEYA|B", "Never", "Never", "Never"),
    "001": ("Never", "KEYA", "KEYA", "KEYA", "KEYA", "KEYA"),
    "011": ("Never", "KEYB", "KEYA|B", "KEYB", "Never", "KEYB"),
    "101": ("Never", "Never", "KEYA|B", "KEYB", "Never", "Never"),
    "111": ("Never", "Never", "KEYA|B", "Never", "Never", "Never"),
}


def bits(condition):
    return "%d%d%d" % ((condition >> 2) & 1, (condition >> 1) & 1, condition & 1)


def item(condition):
    b = bits(condition)
    return "%d (%s,%s,%s)" % (condition, b[0], b[1], b[2])


def trailer_bytes(conditions):
    c = [[int(bits(x)[i]) for x in conditions] for i in range(3)]  # c[0][k] is C1 of block k
    order6 = [(1, 3, 1), (1, 2, 1), (1, 1, 1), (1, 0, 1), (0, 3, 1), (0, 2, 1), (0, 1, 1), (0, 0, 1)]
    order7 = [(0, 3, 0), (0, 2, 0), (0, 1, 0), (0, 0, 0), (2, 3, 1), (2, 2, 1), (2, 1, 1), (2, 0, 1)]
    order8 = [(2, 3, 0), (2, 2, 0), (2, 1, 0), (2, 0, 0), (1, 3, 0), (1, 2, 0), (1, 1, 0), (1, 0, 0)]
    out = []
    for order in (order6, order7, order8):
        value = 0
        for which, block, inverted in order:  # bit 7 first
            value = value * 2 + (c[which][block] ^ inverted)
        out.append(value)
    return out


def parse(text):
    """The hex byte reader: upper case, adjacent digit pairs, at most 10 bytes."""
    text = text.upper()
    if len(text) < 2:
        return []
    out, i = [], 0
    while i < len(text) and len(out) < 10:
        if text[i] in "0123456789ABCDEF" and i + 1 < len(text) and text[i + 1] in "0123456789ABCDEF":
            out.append(int(text[i:i + 2], 16))
            i += 2
        else:
            i += 1
    return out


def decode(text):
    data = parse(text)
    if len(data) != 4:
        return COUNT_MESSAGE
    found = TRAILERS.get(tuple(data[:3]))
    return list(found) if found else CHECK_MESSAGE


def all_conditions():
    for n in range(4096):
        yield [n & 7, (n >> 3) & 7, (n >> 6) & 7, (n >> 9) & 7]


TRAILERS = {tuple(trailer_bytes(c)): tuple(c) for c in all_conditions()}


def table(conditions):
    rows = [["Block%d" % k] + list(DATA[bits(conditions[k])]) for k in range(3)]
    t = TRAILER[bits(conditions[3])]
    rows.append(["KeyA", t[0], t[1], "-", "-"])
    rows.append(["Access Bits", t[2], t[3], "-", "-"])
    rows.append(["KeyB", t[4], t[5], "-", "-"])
    return rows


def js(text):
    return json.dumps(text, ensure_ascii=False)


class Window:
    def __init__(self):
        self.conditions = [0, 0, 0, 1]
        self.text = "FF 07 80 69"
        self.error = ""
        self.manual = False
        self.script, self.out = [], []

    def line(self, command, *expected):
        self.script.append(command)
        self.out.extend(expected)

    def comment(self, text):
        self.script += ["", "# " + text]

    def select(self, block, condition):
        assert not self.manual
        self.conditions[block] = condition
        free = parse(self.text)[3]
        self.text = "%02X %02X %02X %02X" % tuple(trailer_bytes(self.conditions) + [free])
        self.line("select %d %d" % (LISTS[block], condition))

    def set(self, text):
        assert self.manual
        self.text = text
        self.line("set 1043 " + js(text))

    def press(self):
        self.line("click 1044")
        if not self.manual:
            self.manual = True
            return
        result = decode(self.text)
        if isinstance(result, str):
            self.error = result
            return
        self.conditions = result
        self.error = ""
        self.manual = False

    def show_fields(self):
        self.line("get 1043", js(self.text))
        self.line("get 1044", js("确定" if self.manual else "手动输入"))
        self.line("get 1045", js(self.error))

    def show_lists(self):
        for block in range(4):
            self.line("get %d" % LISTS[block], js(item(self.conditions[block])))
            self.line("enabled %d" % LISTS[block], "0" if self.manual else "1")

    def show_table(self, rows=range(6)):
        expected = table(self.conditions)
        for row in rows:
            for column in range(5):
                self.line("cell 1046 %d %d" % (row, column), js(expected[row][column]))

    def show_all(self):
        self.show_fields()
        self.show_lists()
        self.show_table()


def main_script():
    w = Window()
    w.script.append("# Mifare access bits: start, list changes, manual input, hiding.")
    w.line("menu 32824")
    w.line("caption", js("标准IC卡MF1 IC S50卡存取码配置器"))
    for block in range(4):
        w.line("items %d" % LISTS[block], json.dumps([item(c) for c in range(8)]))
    w.show_all()

    w.comment("Edge cases of the list side")
    w.select(3, 3)
    w.show_fields()
    w.show_table([3, 4, 5])
    for block in range(3):
        w.select(block, 4)
    w.show_fields()
    w.show_table()
    for block in range(4):
        w.select(block, 7)
    w.show_fields()
    for block in range(4):
        w.select(block, 0)
    w.show_fields()

    w.comment("Every condition of every block, with its table rows")
    for block in range(4):
        for condition in list(range(8)) + [0 if block < 3 else 1]:
            w.select(block, condition)
            w.line("get 1043", js(w.text))
            w.show_table([block] if block < 3 else [3, 4, 5])

    w.comment("Manual input: lower case and missing blanks are accepted")
    w.press()
    w.show_fields()
    w.show_lists()
    w.set("ff0780 69")
    w.press()
    w.show_all()
    w.comment("The typed text stays until the next list change, which keeps byte 9")
    w.select(0, 6)
    w.show_fields()

    w.comment("Three bytes, five bytes: the first message; lists, table and button stay")
    w.select(0, 2)
    w.select(1, 5)
    w.select(3, 6)
    w.press()
    w.set("FF 07 80")
    w.press()
    w.show_all()
    w.set("FF 07 80 69 00")
    w.press()
    w.show_all()
    w.comment("A broken check replaces the message; still in manual mode")
    w.set("FF 07 81 69")
    w.press()
    w.show_all()
    for text in ["", "F", "FF 07 80 6", "GG 07 80 69", "FF-07-80-69-0A-0B-0C-0D-0E-0F-10",
                 "FF 17 80 69", "EF 07 80 69"]:
        w.set(text)
        w.press()
        w.show_fields()
    w.comment("Hidden in manual mode: mode, text and message survive")
    w.line("close")
    w.line("menu 32824")
    w.show_all()
    w.comment("Byte 9 is free")
    w.set("FF 07 80 68")
    w.press()
    w.show_all()
    w.select(2, 3)
    w.show_fields()
    w.comment("Other accepted spellings")
    for text in ["FFF 07 80 a5", "78,77,88,00", "  00f0ff12  ", "ff 0f 00 69 0", "FF 07 80 69 1"]:
        w.press()
        w.set(text)
        w.press()
        w.show_fields()
        w.show_lists()
        w.show_table()
    w.comment("Hidden in normal mode: selections and texts survive")
    w.select(1, 1)
    w.line("close")
    w.line("menu 32824")
    w.show_all()
    return w


def all_script():
    w = Window()
    w.script.append("# Mifare access bits: every one of the 4096 condition sets, both ways.")
    w.line("menu 32824")
    w.comment("Encode: one list changes at a time (a Gray walk over the four lists)")
    previous = None
    for n in range(4096):
        gray = n ^ (n >> 1)  # adjacent codes differ in one bit, so in one list
        target = [gray & 7, (gray >> 3) & 7, (gray >> 6) & 7, (gray >> 9) & 7]
        for block in range(4):
            if previous is None or previous[block] != target[block]:
                if w.conditions[block] != target[block]:
                    w.select(block, target[block])
        if w.conditions == target:
            w.line("get 1043", js(w.text))
        previous = target
    w.comment("Decode: each trailer typed by hand selects its conditions")
    for conditions in all_conditions():
        w.press()
        w.set("%02X %02X %02X %02X" % tuple(trailer_bytes(conditions) + [conditions[0] * 9]))
        w.press()
        w.line("get 1044", js("手动输入"))
        for block in range(4):
            w.line("get %d" % LISTS[block], js(item(conditions[block])))
    return w


def write(w, name):
    with open(name + ".drive", "w", encoding="utf-8") as f:
        f.write("\n".join(w.script) + "\n")
    with open(name + ".out", "w", encoding="utf-8") as f:
        f.write("\n".join(w.out) + "\n")


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    write(main_script(), os.path.join(folder, "mifare"))
    write(all_script(), os.path.join(folder, "mifare_all"))
