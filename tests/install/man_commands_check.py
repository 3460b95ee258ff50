#!/usr/bin/env python3
"""Every console command of README's table is described in quorkit-drive's man page.

usage: man_commands_check.py README.md quorkit-drive.1
"""
import re
import sys


def main():
    readme = open(sys.argv[1], encoding="utf-8").read()
    page = open(sys.argv[2], encoding="utf-8").read()
    section = readme.split("## The automation console", 1)[1].split("\n## ", 1)[0]
    commands = set()
    for row in re.findall(r"^\| (`.*?) \|", section, re.M):
        for cell in re.findall(r"`([^`]+)`", row):
            commands.add(cell.split()[0])
    if len(commands) < 20:
        print(f"only {len(commands)} commands found in the README's table")
        return 1
    # Command words as the page sets them: in .B/.BI macro lines, quotes and font escapes gone.
    described = set()
    for line in re.findall(r"^\.BI? (.*)$", page, re.M):
        words = re.sub(r'\\f[BIPR]|"', " ", line).replace("\\-", "-").split()
        described.update(words)
    missing = sorted(commands - described)
    if missing:
        print("not in the man page: " + " ".join(missing))
        return 1
    return 0


sys.exit(main())
