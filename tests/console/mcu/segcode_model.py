#!/usr/bin/env python3
"""Writes segcode.drive and the output an independent model expects of it (segcode.out).

    segcode_model.py [FOLDER]
writes them into FOLDER (by default the current one). The console tests run it into the
build tree before they run the script; its output is never committed.
"""

import json
import os
import sys

USAGE = ("使用方法：\r\n  1.段名下的一行组合框设置数码管段与数据位对应关系，按[常规码]按钮可生成显示"
         "0,1,2,3,4,5,6,7,8,9,A,b,C,d,E,F所需的显示码;"
         "\r\n  2.数码管图片上点击选择各段的显示状态，再按[自定义码]按钮生成自定义显示码;")
CLASH = {"title": "提示", "text": "不同的段不能选择同一个位，请检查！"}
NAMES = ["a", "b", "c", "d", "e", "f", "g", "dp"]
DIGITS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
          "abcdfg", "abcefg", "cdefg", "adef", "bcdeg", "adefg", "aefg"]
AREAS = {"a": (28, 12, 53, 15), "b": (54, 17, 57, 37), "c": (54, 46, 57, 67),
         "d": (28, 69, 53, 72), "e": (24, 46, 27, 67), "f": (24, 17, 27, 37),
         "g": (28, 40, 53, 43), "dp": (60, 72, 65, 77)}


class Model:
    def __init__(self):
        self.bits = list(range(8))
        self.invert = False
        self.lit = set()
        self.result = USAGE
        self.script, self.out = [], []

    def line(self, command, *expected):
        self.script.append(command)
        self.out.extend(expected)

    def comment(self, text):
        self.script += ["", "# " + text]

    def code(self, segments):
        value = 0
        for name in segments:
            value |= 1 << self.bits[NAMES.index(name)]
        return (~value & 0xFF) if self.invert else value

    def clash(self):
        return len(set(self.bits)) != 8

    def message(self):
        return "message " + json.dumps(CLASH, ensure_ascii=False)

    def standard(self):
        if self.clash():
            return self.line("click 1", self.message())
        self.result = ("//0,1,2,...,d,E,F的显示码\r\nunsigned char 变量名[ ]={" +
                       ",".join("0x%02x" % self.code(d) for d in DIGITS) + "};")
        self.line("click 1")

    def custom(self):
        if self.clash():
            return self.line("click 1000", self.message())
        value = 0
        for name in self.lit:
            value |= 1 << self.bits[NAMES.index(name)]
        value = (~value & 0xFF) if self.invert else value
        self.result = "#define  XX_XX  0x%02x" % value
        self.line("click 1000")

    def get_result(self):
        self.line("get 1001", json.dumps(self.result, ensure_ascii=False))

    def select(self, segment, bit):
        self.bits[segment] = bit
        self.line("select %d %d" % (1051 + segment, bit))

    def toggle_invert(self):
        self.invert = not self.invert
        self.line("click 1046")

    def click_at(self, x, y):
        for name in NAMES:  # first area that holds the point
            left, top, right, bottom = AREAS[name]
            if left <= x <= right and top <= y <= bottom:
                self.lit ^= {name}
                break
        self.line("clickat 1026 %d %d" % (x, y))

    def lit_check(self):
        self.custom()
        self.get_result()


def main(folder):
    m = Model()
    m.script.append("# Seven-segment codes: wiring, inversion, the picture's click areas, hiding.")
    m.line("menu 32789")
    m.line("caption", '"数码管显示码生成器"')
    m.get_result()
    m.line("items 1051", json.dumps([str(i) for i in range(8)]))
    for k in range(8):
        m.line("get %d" % (1051 + k), '"%d"' % k)
    m.line("checked 1046", "0")
    m.line("get 1", '"常规码"')
    m.line("get 1000", '"自定义码"')
    m.line("get 2", '"退 出"')

    m.comment("Standard table, plain and inverted")
    m.standard(); m.get_result()
    m.toggle_invert(); m.standard(); m.get_result()
    m.toggle_invert()

    m.comment("Custom code before any click")
    m.lit_check()
    m.toggle_invert(); m.lit_check(); m.toggle_invert()

    m.comment("A segment wiring turned round: a on bit 7 ... dp on bit 0")
    for k in range(8):
        m.select(k, 7 - k)
    m.standard(); m.get_result()
    m.toggle_invert(); m.standard(); m.get_result(); m.toggle_invert()

    m.comment("Two segments on one bit: both buttons refuse and leave the result")
    m.select(0, 0)  # a and dp on bit 0
    m.standard(); m.get_result()
    m.custom(); m.get_result()
    m.select(7, 7)  # a 0, dp 7, b..g reversed: g on 1 ... b on 6, all distinct
    m.standard(); m.get_result()
    for k in range(8):
        m.select(k, k)
    m.select(3, 5)  # d and f on bit 5
    m.standard(); m.custom(); m.get_result()
    m.select(3, 3)

    m.comment("Clicks: a, g, d, a leaves g and d; between segments nothing changes")
    m.click_at(40, 13); m.click_at(40, 41); m.click_at(40, 70); m.click_at(40, 14)
    m.lit_check()
    for x, y in [(40, 30), (55, 40), (26, 40), (58, 20), (40, 16), (59, 75), (0, 0), (83, 96)]:
        m.click_at(x, y)
    m.lit_check()
    m.comment("The decimal point")
    m.click_at(62, 75)
    m.lit_check()
    m.toggle_invert(); m.lit_check(); m.toggle_invert()

    m.comment("Every click area at its four corners (each toggles), and one pixel outside")
    for name in NAMES:
        left, top, right, bottom = AREAS[name]
        m.comment("segment " + name)
        for x, y in [(left, top), (right, top), (left, bottom), (right, bottom)]:
            m.click_at(x, y)
            m.lit_check()
        mid_x, mid_y = (left + right) // 2, (top + bottom) // 2
        for x, y in [(left - 1, mid_y), (right + 1, mid_y), (mid_x, top - 1), (mid_x, bottom + 1),
                     (left - 1, top - 1), (right + 1, bottom + 1)]:
            m.click_at(x, y)
            m.lit_check()

    m.comment("Custom code under another wiring")
    m.select(0, 6); m.select(6, 0)
    m.lit_check()

    m.comment("Hidden and shown again: wiring, inversion, pattern and text survive")
    m.toggle_invert()
    m.lit_check()
    m.line("close")
    m.line("menu 32789")
    m.get_result()
    for k in range(8):
        m.line("get %d" % (1051 + k), '"%d"' % m.bits[k])
    m.line("checked 1046", "1")
    m.lit_check()
    m.standard(); m.get_result()
    m.line("click 2")
    m.line("menu 32789")
    m.get_result()
    m.lit_check()

    with open(os.path.join(folder, "segcode.drive"), "w", encoding="utf-8") as f:
        f.write("\n".join(m.script) + "\n")
    with open(os.path.join(folder, "segcode.out"), "w", encoding="utf-8") as f:
        f.write("\n".join(m.out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
