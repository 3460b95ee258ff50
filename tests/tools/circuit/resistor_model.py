#!/usr/bin/env python3
"""Reference model of the resistor tools, written apart from the C++ code.

It prints the result texts of the resistor selector, the divider calculator and the
parallel calculator for the cases given on the command line, as C++ string literals, so
that the GoogleTest tables and the console scripts can take them over unchanged.

    resistor_model.py ratio E12 2
    resistor_model.py divider E24 12 3.3
    resistor_model.py series E96 4990
    resistor_model.py parallel E96 1234
    resistor_model.py nearest E96 4500
    resistor_model.py choice 1000 2000 3.3
    resistor_model.py solve "5" "" "10000" "10000"     (U, Ux, R1, R2)
    resistor_model.py par "100" "100" "" ""

Python floats are IEEE doubles and "%f" rounds as printf does, so the texts match to
the last digit.
"""
import math
import re
import sys

E12 = "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2"
E24 = ("1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 "
       "3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1")
E96 = ("1.00 1.02 1.05 1.07 1.10 1.13 1.15 1.18 1.21 1.24 1.27 1.30 1.33 1.37 1.40 1.43 "
       "1.47 1.50 1.54 1.58 1.62 1.65 1.69 1.74 1.78 1.82 1.87 1.91 1.96 2.00 2.05 2.10 "
       "2.15 2.21 2.26 2.32 2.37 2.43 2.49 2.55 2.61 2.67 2.74 2.80 2.87 2.94 3.01 3.09 "
       "3.16 3.24 3.32 3.40 3.48 3.57 3.65 3.74 3.83 3.92 4.02 4.12 4.22 4.32 4.42 4.53 "
       "4.64 4.75 4.87 4.99 5.11 5.23 5.36 5.49 5.62 5.76 5.90 6.04 6.19 6.34 6.49 6.65 "
       "6.81 6.98 7.15 7.32 7.50 7.68 7.87 8.06 8.25 8.45 8.66 8.87 9.09 9.31 9.53 9.76")
TABLES = {name: [float(v) for v in text.split()]
          for name, text in (("E12", E12), ("E24", E24), ("E96", E96))}
assert [len(TABLES[n]) for n in ("E12", "E24", "E96")] == [12, 24, 96]


def scaled(m, k):
    v = m
    for _ in range(k):
        v = v * 10
    return v


# C isspace and isdigit: Python's own \s, \d and str.strip() also take Unicode spaces and digits.
C_SPACE = " \t\n\v\f\r"


def c_number(text):
    """Leading decimal number of the text, 0 when there is none (no inf/nan/hex)."""
    m = re.match(r"[ \t\n\v\f\r]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)", text)
    return float(m.group(1)) if m else 0.0


class Ranked:
    def __init__(self):
        # (r1 index, r2 index, r1 exponent, r2 exponent, error)
        self.slots = [(0, 0, 0, 0, 1000000.0)] * 10

    def offer(self, j, i, k, m, value, target):
        d = abs(value - target)
        if not d < self.slots[9][4]:
            return
        pos = next(n for n in range(10) if self.slots[n][4] > d)
        self.slots.insert(pos, (j, i, k, m, d))
        del self.slots[10]


def ratio_pairs(t, x):
    swap = x < 1
    if swap:
        x = float("inf") if x == 0 else 1 / x
    ranked = Ranked()
    for i in range(len(t)):
        for j in range(len(t)):
            v = t[j]
            for k in range(7):
                ranked.offer(j, i, k, 0, v / t[i], x)
                v = v * 10
    pairs = [(scaled(t[j], k), t[i]) for (j, i, k, m, e) in ranked.slots]
    return [(b, a) for (a, b) in pairs] if swap else pairs


def pair_search(t, x, combine):
    ranked = Ranked()
    for i in range(len(t)):
        for m in range(7):
            a = scaled(t[i], m)
            for j in range(len(t)):
                for k in range(7):
                    b = scaled(t[j], k)
                    ranked.offer(j, i, k, m, combine(a, b), x)
    return [(scaled(t[j], k), scaled(t[i], m)) for (j, i, k, m, e) in ranked.slots]


def ratio_text(series, text):
    if text.strip(C_SPACE) == "":
        return None
    x = c_number(text.strip(C_SPACE))
    out = ""
    for n, (r1, r2) in enumerate(ratio_pairs(TABLES[series], x)):
        out += "方案%d: R1=%f  R2=%f\r\n误差:%f\r\n\r\n" % (n + 1, r1, r2, abs(x - r1 / r2))
    return out


def divider_text(series, u_text, ux_text):
    u, ux = c_number(u_text), c_number(ux_text)
    if u < ux or ux == 0:
        return None
    out = ""
    for n, (r1, r2) in enumerate(ratio_pairs(TABLES[series], (u - ux) / ux)):
        v1 = u * r2 / (r1 + r2)
        u2 = ux * (r1 + r2) / r2
        out += ("方案%d: R1=%f  R2=%f\r\n 电压:%f(V)/%f(V)或\r\n      %f(V)/%f(V)\r\n"
                " 误差:%f(V)/%f(V)\r\n\r\n") % (n + 1, r1, r2, v1, u, ux, u2, abs(ux - v1),
                                                abs(u - u2))
    return out


def series_text(series, text):
    x = c_number(text)
    out = ""
    for n, (r1, r2) in enumerate(pair_search(TABLES[series], x, lambda a, b: a + b)):
        s = r1 + r2
        out += "方案%d: R1=%f  R2=%f\r\n        等效值:%f  误差:%f\r\n\r\n" % (n, r1, r2, s, abs(x - s))
    return out


def parallel_text(series, text):
    x = c_number(text)
    out = ""
    for n, (r1, r2) in enumerate(pair_search(TABLES[series], x, lambda a, b: a * b / (a + b))):
        p = r1 * r2 / (r1 + r2)
        out += "方案%d: R1=%f  R2=%f\r\n        等效值:%f  误差:%f\r\n\r\n" % (n, r1, r2, p, abs(x - p))
    return out


def nearest_text(series, text):
    if text == "":
        return None
    x = c_number(text)
    entries = [0.0] * 5
    for mant in TABLES[series]:
        v = mant
        for _ in range(7):
            d = abs(x - v)
            pos = next((n for n in range(5) if abs(entries[n] - x) > d), None)
            if pos is not None:
                entries.insert(pos, v)
                del entries[5]
            v = v * 10
    return "".join("%d.电阻型号：%f\r\n  误差:%f\r\n\r\n" % (n + 1, e, abs(x - e))
                   for n, e in enumerate(entries))


def choice_text(min_text, max_text, u_text):
    lo, hi = c_number(min_text), c_number(max_text)
    if not (lo < hi and hi > 0 and lo > 0) or math.isinf(hi):
        return "非法输入!"
    best_r, best_g = 1, None
    for r in range(1, 10000000):
        fr = float(r)
        g = hi / (fr + hi) - lo / (fr + lo)
        if best_g is None or g > best_g:
            best_r, best_g = r, g
    u = c_number(u_text)
    umin = u * lo / (best_r + lo)
    umax = u * hi / (best_r + hi)
    return "R1=%d(Ω) 时Ux变化范围最大\r\nUx电压范围:%f(V) ~ %f (V)\r\nUx变化量(V):%f" % (
        best_r, umin, umax, umax - umin)


def solve_text(u_text, ux_text, r1_text, r2_text):
    """(field name, field text, result text or None) or None."""
    texts = [s.strip(C_SPACE) for s in (u_text, ux_text, r1_text, r2_text)]
    if sum(1 for s in texts if s == "") != 1:
        return None
    u, ux, r1, r2 = (c_number(s) for s in texts)
    if texts[0] == "":
        if r2 == 0:
            return None
        u = ux * (r1 + r2) / r2
        name, value = "U", u
    elif texts[1] == "":
        if r1 + r2 == 0:
            return None
        ux = u * r2 / (r1 + r2)
        name, value = "Ux", ux
    elif texts[2] == "":
        if ux == 0 or u <= ux:
            return None
        r1 = r2 * (u - ux) / ux
        name, value = "R1", r1
    else:
        if ux == 0 or u <= ux:
            return None
        r2 = r1 * ux / (u - ux)
        name, value = "R2", r2
    if r1 + r2 == 0:
        return (name, "%f" % value, None)
    i = u / (r1 + r2)
    return (name, "%f" % value,
            "R1功率: %f(W)\r\nR2功率: %f(W) \r\n电流I  : %f(A)\r\n" % (r1 * i * i, r2 * i * i, i))


def par_text(*texts):
    present = [c_number(s.strip(C_SPACE)) for s in texts if s.strip(C_SPACE) != ""]
    if not present:
        return None
    if 0 in present:
        return "并联等效电阻：\r\n%f(Ω)" % 0.0
    s = 0.0
    for r in present:
        s += 1 / r
    if s == 0 or s != s:
        return "输入错误!"
    return "并联等效电阻：\r\n%f(Ω)" % (1 / s)


def literal(text):
    if text is None:
        return "std::nullopt"
    body = text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r").replace("\n", "\\n")
    # One source line per output line keeps the tables readable.
    lines = body.split("\\r\\n")
    out = "\n".join('"%s\\r\\n"' % line for line in lines[:-1])
    if lines[-1] or not out:
        out += ("\n" if out else "") + '"%s"' % lines[-1]
    return out


def main(argv):
    kind, args = argv[1], argv[2:]
    fn = {"ratio": ratio_text, "divider": divider_text, "series": series_text,
          "parallel": parallel_text, "nearest": nearest_text, "choice": choice_text,
          "solve": solve_text, "par": par_text}[kind]
    result = fn(*args)
    if kind == "solve" and result is not None:
        print(result[0], literal(result[1]), literal(result[2]))
    else:
        print(literal(result))


if __name__ == "__main__":
    main(sys.argv)
