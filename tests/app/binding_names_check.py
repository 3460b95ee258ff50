#!/usr/bin/env python3
"""Bindings address their window, controls and menu commands by the generated ui:: names,
never by number. The typed verbs of winsys::DialogOf refuse numbers for writes and
notifications at compile time; this catches the rest (reads, which keep a number overload
for the console and the tests; template numbers; hand-copied ID constants).

Usage: binding_names_check.py FILE... (exit status 1 and one line per finding)
"""

import re
import sys

VERBS = (
    "GetText SetText IsChecked SetCheck Enable IsEnabled SetReadOnly IsReadOnly SetFocus "
    "ResetContent AddString SetCurSel GetCurSel GetItems SetRange SetPos GetPos InsertColumn "
    "DeleteAllItems InsertItem SetItemText GetItemText GetItemCount SetToolTip SetTextColour "
    "MoveControl ResizeControl ControlWidth SetControlPainter InvalidateControl OnClicked "
    "OnChange OnSelChange OnLButtonDown Attach EnableMenuCommand RunMenuCommand"
).split()
RULES = [
    (re.compile(r"\b(?:%s)\(\s*\d" % "|".join(VERBS)), "a control or command by number"),
    (re.compile(r"\bDialog(?:Of<[^>]*>)?\(\s*\d"), "a template by number"),
    (re.compile(r"\bcase\s+\d+\s*:"), "a menu command by number"),
    # Control IDs run from 1000, menu commands from 32768 (bitmap and timer numbers are not
    # names of the templates).
    (re.compile(r"\b(?:int|ControlId|CommandId)\b[^;=]*=\s*\{?\s*(?:1\d{3}|3[2-9]\d{3})\b"),
     "a hand-copied ID"),
    (re.compile(r"\{\s*(?:1\d{3}|3[2-9]\d{3})\s*,\s*(?:1\d{3}|3[2-9]\d{3})"), "a list of IDs"),
]


def main(paths):
    findings = 0
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                code = line.split("//", 1)[0]
                for rule, what in RULES:
                    if rule.search(code):
                        print(f"{path}:{number}: {what}: {line.strip()}")
                        findings += 1
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
