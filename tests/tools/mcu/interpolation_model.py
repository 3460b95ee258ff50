#!/usr/bin/env python3
"""Independent model of the linear interpolation calculator.

Writes the console script interpolation.drive and the output this model expects of it:
    python3 tests/tools/mcu/interpolation_model.py interpolation.drive interpolation.out
The console tests run it into the build tree as mcu/interpolation before they run the script; its
output is never committed.
"""
import json
import math
import re
import sys

WS = " \t\n\v\f\r"
ERROR = 'message {"title": "提示", "text": "输入有误!"}'


def strtod(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", text)
    if not m:
        return 0.0
    return float(m.group(1))  # Python gives inf beyond the range, as strtod does


def field(text):
    t = text.strip(WS)
    return (t != "", strtod(t))


def interpolate(fields):
    """fields: X1 Y1 X2 Y2 x y texts; returns ("y"|"x", text) or None for the message."""
    (g1, x1), (g2, y1), (g3, x2), (g4, y2), (gx, x), (gy, y) = map(field, fields)
    if not (g1 and g2 and g3 and g4):
        return None
    try:
        if gx:
            if x2 == x1:
                return None
            target, value = "y", y1 + (y2 - y1) / (x2 - x1) * (x - x1)
        elif gy:
            if y2 == y1:
                return None
            target, value = "x", x1 + (x2 - x1) / (y2 - y1) * (y - y1)
        else:
            return None
    except OverflowError:
        return None
    if not math.isfinite(value):
        return None
    return target, "%f" % value


# (comment, X1, Y1, X2, Y2, x, y); "keep" leaves a field as it is.
CASES = [
    ("y from x", "0", "0", "100", "3.3", "25", ""),
    ("x from y once x is cleared", "keep", "keep", "keep", "keep", "", "1"),
    ("with both filled, y is computed from x again", "keep", "keep", "keep", "keep", "keep", "2"),
    ("outside the segment: extrapolated", "10", "5", "20", "25", "30", ""),
    (None, "10", "5", "20", "25", "", "-15"),
    ("points in either order, negative values, exponents", "100", "3.3", "0", "0", "-2.5e1", ""),
    (None, "4", "20", "20", "4", "", "12"),
    ("blanks around numbers, text after them", " 1 ", "\t2", "3V", "4mA", " 2.5 ", ""),
    ("a vertical line still answers x from y", "5", "0", "5", "10", "", "7"),
    ("a horizontal line still answers y from x", "0", "7", "10", "7", "3", ""),
    ("X2 empty", "0", "0", "", "3.3", "25", ""),
    ("Y1 empty", "0", " ", "100", "3.3", "25", ""),
    ("X1 = X2 with x given", "5", "0", "5.0", "10", "1", ""),
    ("Y1 = Y2 with only y given", "0", "7", "10", "7", "", "7"),
    ("neither x nor y", "0", "0", "100", "3.3", "", ""),
    ("numbers beyond the double range", "0", "0", "1e-300", "1e300", "1", ""),
    (None, "0", "0", "1e999", "1", "1", ""),
    ("text without a number reads as 0", "a", "b", "c", "d", "e", ""),
    ("x from y once more before hiding", "0", "0", "100", "3.3", "", "1"),
]

IDS = [1001, 1002, 1003, 1005, 1006, 1007]


def main(drive_path, out_path):
    drive = open(drive_path, "w", encoding="utf-8")
    out = open(out_path, "w", encoding="utf-8")
    j = lambda s: json.dumps(s, ensure_ascii=False)
    drive.write("# Linear interpolation calculator: y from x, x from y, every message;\n"
                "# expected texts from tests/tools/mcu/interpolation_model.py.\n")
    drive.write("menu 32795\ncaption\n" + "".join("get %d\n" % i for i in IDS))
    state = ["0", "0", "", "", "", ""]
    out.write(j("线性中间值计算器") + "\n" + "".join(j(s) + "\n" for s in state))
    for comment, *values in CASES:
        drive.write("\n" + ("# " + comment + "\n" if comment else ""))
        for i, v in zip(IDS, values):
            if v != "keep":
                drive.write("set %d %s\n" % (i, j(v)))
        for k, v in enumerate(values):
            if v != "keep":
                state[k] = v
        drive.write("click 1000\n" + "".join("get %d\n" % i for i in IDS))
        result = interpolate(state)
        if result is None:
            out.write(ERROR + "\n")
        else:
            state[5 if result[0] == "y" else 4] = result[1]
        out.write("".join(j(s) + "\n" for s in state))
    drive.write("\n# the window keeps its state while hidden\nclose\nmenu 32795\n"
                + "".join("get %d\n" % i for i in IDS))
    out.write("".join(j(s) + "\n" for s in state))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
