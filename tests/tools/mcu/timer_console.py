"""Writes the console script of the timer delay calculator and the output timer_model.py
expects of it:
    python3 tests/tools/mcu/timer_console.py timer.drive timer.out
The console tests run it into the build tree as mcu/timer before they run the script; its
output is never committed."""
import json, os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import timer_model as m
# (comment, width, clock, prescaler, value, time, unit)
cases = [
 ("time 1 ms: several overflows", 0, "8000000", 0, "", "1", 0),
 ("time 0.02 ms: one overflow", 0, "8000000", 0, "", "0.02", 0),
 ("overflow value and time", 0, "8000000", 0, "250", "1", 0),
 ("overflow value alone", 0, "8000000", 0, "250", "", 0),
 ("overflow value 0, negative or text counts as absent", 0, "8000000", 0, "0", "0.02", 0),
 (None, 0, "8000000", 0, "-5", "1", 0),
 (None, 0, "8000000", 0, "abc", "0.02", 0),
 ("exactly the longest single overflow", 0, "8000000", 0, "", "0.032", 0),
 ("shorter than one count", 0, "8000000", 0, "", "0.0001", 0),
 ("Hz: 1000 Hz is 1 ms", 0, "8000000", 0, "", "1000", 3),
 ("us and s", 0, "8000000", 0, "", "20", 1),
 (None, 0, "12000000", 3, "", "0.5", 2),
 ("16 bits: the search runs up to 65535", 1, "11059200", 0, "", "50", 0),
 (None, 1, "16000000", 6, "", "1", 2),
 (None, 1, "8000000", 10, "", "3600", 2),
 ("overflow count 0 below half an overflow", 0, "8000000", 0, "250", "0.01", 0),
 ("rounding up to the nearer count", 0, "8000000", 0, "200", "0.1", 0),
 ("a long delay at a high clock stays exact: 1 s at 8 MHz", 0, "8000000", 0, "250", "1", 2),
 (None, 0, "8000000", 0, "10", "3000", 2),
 ("counts beyond 32 bits are refused", 0, "8000000", 0, "", "600", 2),
 (None, 0, "8000000", 0, "10", "10000", 2),
 (None, 0, "8000000", 0, "", "1e-12", 3),
 ("overflow value equal to the range is accepted", 0, "8000000", 0, "256", "", 0),
 (None, 1, "8000000", 0, "65536", "5", 0),
 ("overflow value above the range", 0, "8000000", 0, "257", "1", 0),
 (None, 0, "8000000", 0, "257", "", 0),
 (None, 1, "8000000", 0, "65537", "", 0),
 ("time shorter than one count with an overflow value", 0, "8000000", 3, "100", "0.0005", 0),
 ("clock empty, zero, text, negative", 0, "  ", 0, "", "1", 0),
 (None, 0, "0", 0, "", "1", 0),
 (None, 0, "MHz", 0, "", "1", 0),
 (None, 0, "-8000000", 0, "", "1", 0),
 ("time 0, negative or text: nothing happens", 0, "8000000", 0, "250", "0", 0),
 (None, 0, "8000000", 0, "", "-1", 0),
 (None, 0, "8000000", 0, "", "ms", 0),
 ("neither value nor time: nothing happens", 0, "8000000", 0, "0", "", 0),
 ("blanks around the numbers, trailing text", 0, " 4e6 ", 1, " 100x ", " 2.5us ", 0),
 (None, 0, "1.8432E6", 2, "", "9600", 3),
]
if __name__ == "__main__":
    drive = open(sys.argv[1], "w", encoding="utf-8")
    out = open(sys.argv[2], "w", encoding="utf-8")
    drive.write("# Timer delay calculator: the worked examples, every message, the silent stops,\n"
                "# then clocks, prescalers and units whose texts come from\n"
                "# tests/tools/mcu/timer_model.py.\n")
    drive.write("menu 32801\ncaption\nitems 1043\nitems 1012\nitems 1013\nget 1043\nget 1012\nget 1013\nget 1001\nget 1002\nget 1003\nget 1005\n")
    items = lambda l: json.dumps(l, ensure_ascii=False)
    out.write('"定时器延时计算器"\n' + items(["8位", "16位"]) + "\n" + items(["不分频"] + ["%d分频" % (1 << i) for i in range(1, 11)]) + "\n" + items(["ms", "us", "s", "Hz"]) + "\n")
    note = "说明：\r\n[溢出值]和[溢出时间]中任意一个\r\n可不填，也可两个都填！"
    out.write('"8位"\n"不分频"\n"ms"\n"8000000"\n""\n""\n' + json.dumps(note, ensure_ascii=False) + "\n")
    current = note
    for comment, w, clock, pre, v, t, unit in cases:
        drive.write("\n")
        if comment:
            drive.write("# " + comment + "\n")
        for cmd in (f"select 1043 {w}", "set 1001 " + json.dumps(clock), f"select 1012 {pre}",
                    "set 1002 " + json.dumps(v), "set 1003 " + json.dumps(t), f"select 1013 {unit}",
                    "click 1", "get 1005"):
            drive.write(cmd + "\n")
        kind, text = m.compute(w, clock, pre, v, t, unit)
        if kind == "msg":
            out.write('message {"title": "提示", "text": ' + json.dumps(text, ensure_ascii=False) + "}\n")
        elif kind == "text":
            current = text
        out.write(json.dumps(current, ensure_ascii=False) + "\n")
    # state kept while hidden
    drive.write("\n# the window keeps its state while hidden\n"
                "set 1003 \"1\"\nclick 1\nget 1005\nclose\nmenu 32801\nget 1043\nget 1001\nget 1012\nget 1002\nget 1003\nget 1013\nget 1005\n")
    last = cases[-1]
    kind, text = m.compute(last[1], last[2], last[3], last[4], "1", last[6])
    if kind == "text":
        current = text
    out.write(json.dumps(current, ensure_ascii=False) + "\n")
    for s in ["8位", last[2], "4分频", last[4], "1", "Hz", current]:
        out.write(json.dumps(s, ensure_ascii=False) + "\n")
