#!/usr/bin/env python3
"""Independent model of the heating calculator.

Writes the console script heating.drive and the output this model expects of it:
    python3 tests/tools/engineering/heating_model.py heating.drive heating.out
The console tests run it into the build tree as engineering/heating before they run the script; its
output is never committed.
"""
import json
import math
import re
import sys

WS = " \t\n\v\f\r"


def strtod(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", text)
    return float(m.group(1)) if m else 0.0


def val(text):
    return strtod(text.strip(WS))


def message(text, title):
    return "message " + json.dumps({"title": title, "text": text}, ensure_ascii=False)


NO_DATA = message("无有效数据!", "提示")
BAD_TEMPERATURE = message("温度输入错误!", "quorkit")


def whole(q):
    return "%d" % math.trunc(q)


def water(f):
    """f: dict of volume, start, end, J, kWh texts; returns (messages, f)."""
    v, s, e, j, k = (val(f[n]) for n in ("volume", "start", "end", "J", "kWh"))
    sg, eg = f["start"].strip(WS) != "", f["end"].strip(WS) != ""
    energy = k > 0 or j > 0

    def q_of():
        if k > 0:
            q = k * 3600000
            f["J"] = whole(q)
        else:
            q = j
            f["kWh"] = "%.6f" % (q / 3600000)
        return q

    if sg and eg and v > 0:
        if s >= e:
            return [BAD_TEMPERATURE]
        q = 4200 * v * (e - s)
        f["J"] = whole(q)
        f["kWh"] = "%.6f" % (q / 3600000)
        return []
    if sg and eg and energy:
        if e <= s:
            return [BAD_TEMPERATURE]
        q = q_of()
        f["volume"] = "%.3f" % (q / 4200 / (e - s))
        return []
    if sg and not eg and energy and v > 0:
        q = q_of()
        f["end"] = "%.1f" % (q / 4200 / v + s)
        return []
    return [NO_DATA]


def power(f):
    v, i, r, p = (val(f[n]) for n in ("V", "I", "R", "P"))
    out = None
    if v > 0 and i > 0:
        out = (("P", v * i), ("R", v / i))
    elif v > 0 and r > 0:
        out = (("P", v * v / r), ("I", v / r))
    elif i > 0 and r > 0:
        out = (("P", i * i * r), ("V", i * r))
    elif p > 0 and v > 0:
        out = (("I", p / v), ("R", v / (p / v)))
    elif p > 0 and i > 0:
        out = (("V", p / i), ("R", (p / i) / i))
    if out is None:
        return [NO_DATA]
    for name, x in out:
        f[name] = "%.3f" % x
    return []


def label(t):
    n = math.trunc(t * 1000)
    if t < 0:
        return ""
    hours, rest = divmod(n, 1000)
    return "" if rest == 0 else "%d小时%d分钟" % (hours, 60 * rest // 1000)


def energy(f):
    p, t, e = (val(f[n]) for n in ("P", "t", "E"))
    msgs = []
    if p > 0 and e > 0:
        t = e * 1000 / p
        f["t"] = "%.1f" % t
    elif p > 0 and t > 0:
        f["E"] = "%.3f" % (p * t / 1000)
    elif t > 0 and e > 0:
        f["P"] = "%.3f" % (1000 * e / t)
    else:
        msgs = [NO_DATA]
    f["label"] = label(t)
    return msgs


WATER = [("volume", 1001), ("start", 1002), ("end", 1003), ("J", 1005), ("kWh", 1006)]
ELECTRIC = [("V", 1007), ("I", 1008), ("R", 1010), ("P", 1011), ("t", 1012), ("label", 1047),
            ("E", 1013)]

# (comment, button, {field: text}); fields not named keep their text.
CASES = [
    ("water: energy from volume and temperatures", 1000,
     dict(volume="100", start="15", end="65", J="", kWh="")),
    ("water: volume from the energy in kWh", 1000,
     dict(volume="", start="15", end="65", J="", kWh="5.833333")),
    ("water: end temperature from volume, start and energy", 1000,
     dict(volume="100", start="15", end="", J="", kWh="1")),
    ("water: J alone gives kWh too", 1000,
     dict(volume="", start="10", end="20", J="42000", kWh="")),
    (None, 1000, dict(volume=" 2 ", start="20", end="", J="84000", kWh="0")),
    ("water: kWh wins over J", 1000, dict(volume="", start="0", end="100", J="1", kWh="0.42")),
    ("water: negative temperatures are fine, only their order counts", 1000,
     dict(volume="1", start="-20", end="-5", J="", kWh="")),
    ("water: 2^31 J and more are printed whole", 1000,
     dict(volume="100000", start="0", end="100", J="", kWh="")),
    (None, 1000, dict(volume="", start="0", end="100", J="", kWh="1000")),
    (None, 1000, dict(volume="", start="0", end="100", J="", kWh="596.5232355")),
    (None, 1000, dict(volume="", start="0", end="100", J="", kWh="596.52323556")),
    ("water: end not above start", 1000, dict(volume="100", start="65", end="15", J="", kWh="")),
    (None, 1000, dict(volume="", start="65", end="65", J="1000", kWh="")),
    ("water: a negative volume counts as missing", 1000,
     dict(volume="-1", start="15", end="65", J="", kWh="1")),
    ("water: nothing to compute", 1000, dict(volume="", start="", end="", J="", kWh="")),
    (None, 1000, dict(volume="100", start="15", end="", J="", kWh="")),
    (None, 1000, dict(volume="100", start="", end="65", J="", kWh="1")),
    (None, 1000, dict(volume="-5", start="15", end="65", J="-1", kWh="abc")),
    ("power from voltage and current", 1004, dict(V="220", I="5", R="", P="")),
    (None, 1004, dict(V="220", I="", R="44", P="")),
    (None, 1004, dict(V="", I="5", R="44", P="")),
    (None, 1004, dict(V="220", I="", R="", P="1100")),
    (None, 1004, dict(V="", I="5", R="", P="1100")),
    ("a negative voltage counts as missing", 1004, dict(V="-220", I="0.5", R="10", P="")),
    (None, 1004, dict(V="3.3", I="0.007", R="470", P="1")),
    ("power and resistance alone give nothing", 1004, dict(V="", I="", R="44", P="1100")),
    (None, 1004, dict(V="", I="", R="", P="")),
    ("energy from power and time", 1009, dict(P="2000", t="1.5", E="")),
    ("time from power and energy", 1009, dict(P="2000", t="", E="5")),
    ("a whole number of hours empties the label", 1009, dict(P="1000", t="", E="2")),
    ("power from time and energy; 0.1 h", 1009, dict(P="", t="0.1", E="0.2")),
    ("power and energy win over a typed time", 1009, dict(P="750", t="9", E="1")),
    ("nothing to compute: the label still follows the typed time", 1009,
     dict(P="", t="1.25", E="")),
    ("all empty: the label becomes empty", 1009, dict(P="", t="", E="")),
    (None, 1009, dict(P="", t="0.75", E="")),
    ("a negative time leaves the label empty", 1009, dict(P="", t="-1.5", E="")),
    (None, 1009, dict(P="", t="2.4", E="-3")),
    (None, 1009, dict(P="-100", t="-0.5", E="2")),
    ("long times", 1009, dict(P="1000", t="3000000.5", E="")),
]


def main(drive_path, out_path):
    drive = open(drive_path, "w", encoding="utf-8")
    out = open(out_path, "w", encoding="utf-8")
    j = lambda s: json.dumps(s, ensure_ascii=False)
    ids = WATER + ELECTRIC
    state = {name: "" for name, _ in ids}
    state["label"] = "-"
    drive.write("# Heating calculator: both panels, every case in its order, the messages with\n"
                "# their titles; expected texts from tests/tools/engineering/heating_model.py.\n")
    drive.write("menu 32826\ncaption\n" + "".join("get %d\n" % i for _, i in ids))
    out.write(j("电加热计算器") + "\n" + "".join(j(state[n]) + "\n" for n, _ in ids))
    for comment, button, fields in CASES:
        panel = WATER if button == 1000 else ELECTRIC
        drive.write("\n" + ("# " + comment + "\n" if comment else ""))
        for name, i in panel:
            if name in fields:
                drive.write("set %d %s\n" % (i, j(fields[name])))
                state[name] = fields[name]
        drive.write("click %d\n" % button + "".join("get %d\n" % i for _, i in panel))
        f = dict(state)
        msgs = {1000: water, 1004: power, 1009: energy}[button](f)
        state.update(f)
        out.write("".join(m + "\n" for m in msgs))
        out.write("".join(j(state[n]) + "\n" for n, _ in panel))
    drive.write("\n# the window keeps its state while hidden\nclose\nmenu 32826\n"
                + "".join("get %d\n" % i for _, i in ids))
    out.write("".join(j(state[n]) + "\n" for n, _ in ids))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
