#!/usr/bin/env python3
"""Independent model of the timer delay calculator, for checking expected texts.

Usage: timer_model.py WIDTH CLOCK PRESCALER_INDEX VALUE TIME UNIT_INDEX
prints the outcome: the result text or the message as a JSON string, or "nothing".
Without arguments it reads one JSON array of those six values a line from standard input
and prints one outcome a line. timer_console.py builds the console script from it.
"""
import json
import math
import re
import sys

WS = " \t\n\v\f\r"


def strtod(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", text)
    if not m:
        return 0.0
    return float(m.group(1))  # inf beyond the range, as strtod gives HUGE_VAL


def strtol32(text):
    m = re.match(r"[ \t\n\v\f\r]*([+-]?\d+)", text)
    if not m:
        return 0
    return max(-2**31, min(2**31 - 1, int(m.group(1))))


def compute(width, clock_text, pre, value_text, time_text, unit):
    rng = 256 if width == 0 else 65536
    clock_text = clock_text.strip(WS)
    if clock_text == "":
        return ("msg", "请输入时钟频率！")
    clock = strtod(clock_text)
    if clock <= 0 or math.isinf(clock):
        return ("msg", "请正确输入时钟频率！")
    fc = clock / (2 ** pre)
    value_text = value_text.strip(WS)
    v = strtol32(value_text)
    has_v = value_text != "" and v > 0
    time_text = time_text.strip(WS)
    has_t = time_text != ""
    t = 0.0
    if has_t:
        x = strtod(time_text)
        if not x > 0:
            return ("nothing", None)
        t = (x, x / 1000, x * 1000, 1000 / x)[unit]  # ms, us, s, Hz
    if has_v and has_t:
        T = v * 1000 / fc
        k = float(math.trunc(t / T)) if math.isfinite(t / T) else t / T
        a = lambda c: c * v * 1000 / fc
        if abs(a(k + 1) - t) < abs(a(k) - t):
            k += 1
        if v > rng:
            return ("msg", "溢出值超出了范围！")
        if 1000 / fc > t:
            return ("msg", "延时时间小于一个计数周期！")
        if not k <= 4294967295:
            return ("msg", "延时时间超出计算范围！")
        ak = a(k)
        return ("text", "溢出次数：%d\r\n实际延时：%f(ms)\r\n延时误差：%f(ms)\r\n\r\n"
                "计数频率:%f(Hz)\r\n计数周期：%f(ms)\r\n溢出频率:%f(Hz)\r\n溢出周期:%f(ms)\r\n"
                "\r\n-算法1" % (int(k), ak, abs(t - ak), fc, 1000 / fc, fc / v, T))
    if has_v:
        if v > rng:
            return ("msg", "溢出值超出了计数范围!")
        return ("text", "计数频率:%f(Hz)\r\n计数周期：%f(ms)\r\n溢出频率:%f(Hz)\r\n"
                "溢出周期:%f(ms)\r\n\r\n-算法2" % (fc, 1000 / fc, fc / v, v * 1000 / fc))
    if not has_t:
        return ("nothing", None)
    p = 1000 / fc
    if t < p:
        return ("msg", "延时时间小于一个计数周期！")
    if t <= 1000 * rng / fc:
        n = math.trunc(t / p)
        a = n * 1000 / fc
        return ("text", "溢出值：%d(0x%X)\r\n溢出次数：1\r\n实际延时：%f(ms)\r\n延时误差：%f(ms)\r\n\r\n"
                "计数频率：%f(Hz)\r\n计数周期：%f(ms)\r\n溢出频率：%f(Hz)\r\n溢出周期：%f(ms)\r\n"
                "\r\n-算法4" % (n, n, a, abs(t - a), fc, p, fc / n, a))
    q = t / p
    if not q < 4294967296:
        return ("msg", "延时时间超出计算范围！")
    N = math.trunc(q)
    best = None
    for d in range(10, rng):
        r = N % d
        if best is None or r <= best[0]:
            best = (r, d)
    d = best[1]
    c = N // d
    a = (c * d) / (fc / 1000)
    return ("text", "溢出值：%d(0x%X)\r\n溢出次数：%d\r\n实际延时：%f(ms)\r\n延时误差：%f(ms)\r\n\r\n"
            "计数频率：%f(Hz)\r\n计数周期：%f(ms)\r\n溢出频率：%f(Hz)\r\n溢出周期：%f(ms)\r\n"
            "\r\n-算法3" % (d, d, c, a, abs(t - a), fc, p, fc / d, d * 1000 / fc))


def show(outcome):
    kind, text = outcome
    if kind == "nothing":
        return "nothing"
    if kind == "msg":
        return "message " + json.dumps(text, ensure_ascii=False)
    return json.dumps(text, ensure_ascii=False)


if __name__ == "__main__":
    if len(sys.argv) == 7:
        a = sys.argv[1:]
        print(show(compute(int(a[0]), a[1], int(a[2]), a[3], a[4], int(a[5]))))
    else:
        for line in sys.stdin:
            case = json.loads(line)
            print(show(compute(*case)))
