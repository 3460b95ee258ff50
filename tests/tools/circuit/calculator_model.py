#!/usr/bin/env python3
"""Reference model of the circuit calculators, written apart from the C++ code.

It reads a console script (the commands menu, window, set, click, select, get, caption,
checked, close) and prints what the console prints for it:

    calculator_model.py tests/console/circuit/rcdropper.drive

With --write it writes that output as FOLDER/NAME.out for each script NAME.drive; the console
tests do so into the build tree for the calculators' scripts, whose expected output is never
committed:

    calculator_model.py --write FOLDER tests/console/circuit/rcdropper.drive ...

It also prints single results for the GoogleTest tables:

    calculator_model.py ntc res 10000 3450 hex,ten     (options: hex, ten, int; "-" for none)
    calculator_model.py ntc adc 10000 3450 10000 1024 upper int

Python floats are IEEE doubles and "%f" rounds as printf does. Where Python raises
instead of following IEEE (division by zero, the logarithm of 0 or of a negative number),
the helpers below give the IEEE result; glibc prints a NaN with its sign bit as "-nan".
"""
import ctypes
import json
import math
import os
import re
import sys

LIBM = ctypes.CDLL("libm.so.6")
for _name in ("log", "exp", "sqrt"):
    getattr(LIBM, _name).restype = ctypes.c_double
    getattr(LIBM, _name).argtypes = [ctypes.c_double]

C_SPACE = " \t\n\v\f\r"
INF = float("inf")
DEFAULT_NAN = INF - INF  # the processor's default NaN (sign bit set on x86)


def c_number(text):
    """Leading decimal number of the text, 0 when there is none (no inf/nan/hex)."""
    m = re.match(r"[ \t\n\v\f\r]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)", text)
    return float(m.group(1)) if m else 0.0


def div(a, b):
    if b != 0 or b != b:
        return a / b
    if a != a:
        return a
    if a == 0:
        return DEFAULT_NAN
    return math.copysign(INF, a) * math.copysign(1.0, b)


def log(x):
    return LIBM.log(x)


def fmt(spec, x):
    """printf with one conversion, glibc's rendering of inf and nan."""
    if x != x:
        return re.sub(r"%\.?\d*f", "-nan" if math.copysign(1.0, x) < 0 else "nan", spec)
    if math.isinf(x):
        return re.sub(r"%\.?\d*f", "-inf" if x < 0 else "inf", spec)
    return spec % x


class Stop(Exception):
    pass


class Window:
    def __init__(self, model):
        self.model = model
        self.fields = dict(model.INITIAL)
        self.checks = dict(getattr(model, "CHECKS", {}))
        self.selection = dict(getattr(model, "SELECTION", {}))
        self.out = None

    def message(self, text, title="提示"):
        self.out.append("message " + json.dumps({"title": title, "text": text},
                                                ensure_ascii=False))
        raise Stop


# ---- RC dropper (template 159) ----------------------------------------------------------
class Dropper:
    TEMPLATE, COMMAND, CAPTION = 159, 32799, "阻容降压计算器"
    INITIAL = {1001: "", 1002: "", 1003: "", 1005: ""}

    @staticmethod
    def click(w, cid):
        if cid != 1:
            return
        c_text = w.fields[1001].strip(C_SPACE)
        if c_text == "":
            w.message("请输入电容值!")
        c = c_number(c_text)
        if c <= 0:
            w.message("请正确输入电容值!")
        vo = c_number(w.fields[1002].strip(C_SPACE))
        if vo < 0 or vo > 100:
            w.message("请正确输入电压值!")
        xc = div(1000, c * 314)
        i = div(220 - vo, xc)
        p = div(i * vo, 1000)
        w.fields[1003] = fmt("%.2f", i)
        w.fields[1005] = fmt("%.2f", p)


# ---- resistor power (template 163) ------------------------------------------------------
class Power:
    TEMPLATE, COMMAND, CAPTION = 163, 32807, "电阻功率计算器"
    INITIAL = {1001: "", 1002: "", 1003: "", 1005: ""}

    @staticmethod
    def click(w, cid):
        if cid != 1:
            return
        t = {k: w.fields[k].strip(C_SPACE) for k in (1001, 1002, 1003, 1005)}
        V, I, R, P = (c_number(t[k]) for k in (1001, 1002, 1003, 1005))
        g = {k: t[k] != "" for k in t}
        err = lambda text: w.message(text, "计算错误")
        if not g[1005] and g[1001] and g[1003]:
            if not R > 0:
                err("通过电压和电阻计算功率和电流时，发现电阻值异常！")
            res = {1002: div(V, R), 1005: div(V * V, R)}
        elif not g[1005] and g[1001] and g[1002]:
            if I == 0:
                err("通过电压和电流计算功率和电阻时，发现电流值异常！")
            res = {1003: div(V, I), 1005: V * I}
        elif not g[1005] and g[1002] and g[1003]:
            if not R > 0:
                err("通过电阻和电流计算功率和电压时，发现电阻值异常！")
            res = {1001: I * R, 1005: I * I * R}
        elif g[1005] and g[1002]:
            if not P > 0:
                err("通过功率和电流计算电压和电阻时，发现功率值异常！")
            if I == 0:
                err("通过功率和电流计算电压和电阻时，发现电流值异常！")
            v = div(P, I)
            res = {1001: v, 1003: div(v, I)}
        elif g[1005] and g[1001]:
            if not P > 0:
                err("通过功率和电压计算电流和电阻时，发现功率值异常！")
            if V == 0:
                err("通过功率和电压计算电流和电阻时，发现电压值异常！")
            i = div(P, V)
            res = {1002: i, 1003: div(V, i)}
        elif g[1005] and g[1003]:
            if not P > 0:
                err("通过功率和电阻计算电流和电压时，发现功率值异常！")
            if not R > 0:
                err("通过功率和电阻计算电流和电压时，发现电阻值异常！")
            s = LIBM.sqrt(div(P, R))
            res = {1001: R * s, 1002: s}
        else:
            err("请至少给出两个参数!")
        for k, v in res.items():
            w.fields[k] = fmt("%f", v)


# ---- linear supply (template 164) -------------------------------------------------------
class Linear:
    TEMPLATE, COMMAND, CAPTION = 164, 32809, "线性电源计算器"
    INITIAL = {1001: "7", 1002: "10", 1003: "12", 1005: "0.5", 1008: ""}

    @staticmethod
    def click(w, cid):
        if cid != 1:
            return
        up, down = c_number(w.fields[1001]), c_number(w.fields[1002])
        if up < 0 or down < 0 or down >= 100:
            w.message("输入电压波动范围输入异常!", "计算错误")
        vt = c_number(w.fields[1003])
        if vt <= 0:
            w.message("输入变压器电压异常!", "计算错误")
        mmax = 220 + div(220 * up, 100)
        mmin = 220 - div(220 * down, 100)
        text = "初级输入电压范围(V):\r\n" + fmt("%.1f", mmax) + " - " + fmt("%.1f", mmin)
        text += "\r\n\r\n"
        vmax = vt + div(vt * up, 100)
        vmin = vt - div(vt * down, 100)
        s2 = LIBM.sqrt(2.0)
        text += "次级峰值(直流空载)电压范围(V):\r\n%s - %s\r\n\r\n" % (
            fmt("%.2f", s2 * vmax), fmt("%.2f", s2 * vmin))
        dmax, dmin = 1.2 * vmax, 1.2 * vmin
        text += "直流额定负载电压范围(V):\r\n%s - %s\r\n\r\n" % (fmt("%.2f", dmax), fmt("%.2f", dmin))
        i = c_number(w.fields[1005])
        if i > 0:
            rl = div(dmin, i)
            c = div(144, 0.67 * 50 * rl) * 1000
            text += "滤波电容 > %s (uF)\r\n" % fmt("%.0f", c)
        w.fields[1008] = text


# ---- capacitor delay (template 150) -----------------------------------------------------
class Cap:
    TEMPLATE, COMMAND, CAPTION = 150, 32784, "电容延时计算器"
    INITIAL = {1001: "", 1002: "", 1003: "", 1005: "", 1006: "", 1007: ""}
    CHECKS = {1044: True, 1045: False}

    @staticmethod
    def click(w, cid):
        if cid in (1044, 1045):
            w.checks[1044], w.checks[1045] = cid == 1044, cid == 1045
            return
        if cid != 1000:
            return
        n = {k: c_number(w.fields[k].strip(C_SPACE)) for k in (1001, 1002, 1003, 1005, 1006, 1007)}
        ve, vx1, vx2, r = n[1001], n[1002], n[1003], n[1005]
        c = div(n[1006], 1000000)
        t = div(n[1007], 1000)
        if w.checks[1044]:
            if not (vx2 != 0 and vx1 != 0 and vx1 >= vx2):
                w.message("请输入正确的电压值!")
            lf = log(div(vx1, vx2))
        else:
            if not (vx2 >= vx1 and ve >= vx2 and ve >= vx1):
                w.message("请输入正确的电压值!")
            lf = log(1 - div(vx1, ve)) - log(1 - div(vx2, ve))
        if r != 0 and c != 0:
            w.fields[1007] = fmt("%f", r * c * lf * 1000)
        elif r != 0 and t != 0:
            w.fields[1006] = fmt("%f", div(t, r * lf) * 1000000)
        elif c != 0 and t != 0:
            w.fields[1005] = fmt("%f", div(t, c * lf))
        else:
            w.message("输入参数有误！")


# ---- NTC tables (template 169) ----------------------------------------------------------
HELP = ("NTC阻值计算公式:\r\nRt = R *EXP(B*(1/T1-1/T2))\r\n公式中：\r\n"
        "Rt 是热敏电阻在T1温度下的阻值；\r\nR是热敏电阻在T2常温下的标称阻值；\r\n"
        "B值是热敏电阻的重要参数；\r\nEXP是e的n次方；\r\n"
        "T1和T2指的是K度即开尔文温度，K度=273.15(绝对温度)+摄氏度；")


def rt(r25, b, t):
    return r25 * LIBM.exp(b * (div(1, t + 273.15) - div(1, 298.15)))


def entry(v, hexa, ten, integer):
    if ten:
        v = v * 10
    if hexa:
        if v != v or v >= 65535 or math.isinf(v):
            code = 0xFFFF
        else:
            code = int(v) % 65536  # int() truncates toward zero
        return "0x%04X," % code
    return fmt("%.0f," if integer else "%.2f,", v)


def table(header, value, hexa, ten, integer):
    text = header
    for n, t in enumerate(range(-40, 120)):
        text += entry(value(t), hexa, ten, integer)
        if n % 10 == 9:
            text += "//%d℃ ~ %d℃\r\n" % (t - 9, t)
    return text


def res_table(r25, b, hexa, ten, integer):
    return table("//-40℃ ~ 119℃对应阻值(Ω):\r\n", lambda t: rt(r25, b, t), hexa, ten, integer)


def adc_table(r25, b, rd, fs, upper, hexa, ten, integer):
    def value(t):
        r = rt(r25, b, t)
        share = div(fs * r, r + rd)
        return share if upper else fs - share
    return table("//-40℃ ~ 119℃对应AD值:\r\n", value, hexa, ten, integer)


class Ntc:
    TEMPLATE, COMMAND, CAPTION = 169, 32818, "NTC阻值表生成器"
    INITIAL = {1001: "10000", 1002: "3450", 1005: "10000", 1003: HELP}
    CHECKS = {1044: True, 1045: False, 1046: False, 1047: False, 1031: False}
    SELECTION = {1043: 0}
    ITEMS = {1043: ["10位", "12位"]}

    @staticmethod
    def click(w, cid):
        if cid in (1044, 1045):
            w.checks[1044], w.checks[1045] = cid == 1044, cid == 1045
            return
        if cid in (1046, 1047, 1031):
            w.checks[cid] = not w.checks[cid]
            return
        opts = (w.checks[1046], w.checks[1047], w.checks[1031])
        r25, b = c_number(w.fields[1001]), c_number(w.fields[1002])
        if cid == 1:
            if r25 < 10 or b < 10:
                w.message("输入值范围超限!", "错误")
            w.fields[1003] = res_table(r25, b, *opts)
        elif cid == 1000:
            rd = c_number(w.fields[1005])
            if r25 < 10 or b < 10 or rd < 10:
                w.message("输入值范围超限!", "错误")
            fs = 1024 if w.selection[1043] == 0 else 4096
            w.fields[1003] = adc_table(r25, b, rd, fs, w.checks[1044], *opts)


MODELS = [Dropper, Power, Linear, Cap, Ntc]


def drive(path, sink):
    out = []
    windows = {}
    current = None
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        word, _, rest = line.partition(" ")
        if word == "menu":
            model = next(m for m in MODELS if m.COMMAND == int(rest))
            current = windows.setdefault(model.TEMPLATE, Window(model))
        elif word == "window":
            current = None if rest == "main" else windows[int(rest)]
        elif word == "caption":
            out.append(json.dumps(current.model.CAPTION, ensure_ascii=False))
        elif word == "set":
            cid, _, text = rest.partition(" ")
            current.fields[int(cid)] = json.loads(text)
        elif word == "select":
            cid, _, index = rest.partition(" ")
            current.selection[int(cid)] = int(index)
        elif word == "click":
            cid = int(rest)
            if cid == 2:
                continue  # hides the window; what it holds stays
            current.out = out
            try:
                current.model.click(current, cid)
            except Stop:
                pass
        elif word == "get":
            cid = int(rest)
            if cid in current.selection:
                text = current.model.ITEMS[cid][current.selection[cid]]
            else:
                text = current.fields[cid]
            out.append(json.dumps(text, ensure_ascii=False))
        elif word == "items":
            out.append(json.dumps(current.model.ITEMS[int(rest)], ensure_ascii=False))
        elif word == "checked":
            out.append("1" if current.checks[int(rest)] else "0")
        elif word == "close":
            pass
        else:
            raise SystemExit("model does not know: " + line)
    sink.write("".join(s + "\n" for s in out))


def main(argv):
    if argv[1] == "ntc":
        kind, args = argv[2], argv[3:]
        opts = args[-1].split(",")  # "-" for none
        flags = ("hex" in opts, "ten" in opts, "int" in opts)
        if kind == "res":
            text = res_table(float(args[0]), float(args[1]), *flags)
        else:
            text = adc_table(float(args[0]), float(args[1]), float(args[2]), float(args[3]),
                             args[4] == "upper", *flags)
        sys.stdout.write(text.replace("\r\n", "\\r\\n\n"))
    elif argv[1] == "--write":
        for path in argv[3:]:
            name = os.path.splitext(os.path.basename(path))[0]
            with open(os.path.join(argv[2], name + ".out"), "w", encoding="utf-8") as sink:
                drive(path, sink)
    else:
        drive(argv[1], sys.stdout)


if __name__ == "__main__":
    main(sys.argv)
