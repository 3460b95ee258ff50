#!/usr/bin/env python3
"""quorkit-drive's man page and README's command table describe the same console commands,
form for form ("select ID INDEX"); the console's own table is held to README's by
tests/app/console_commands_test.cpp.

usage: man_commands_check.py README.md quorkit-drive.1
"""
import re
import sys


def readme_forms(readme):
    """The command forms of the first column of the console's table."""
    section = readme.split("## The automation console", 1)[1].split("\n## ", 1)[0]
    forms = set()
    for cell in re.findall(r"^\| (`.*?) \|", section, re.M):
        forms.update(re.findall(r"`([^`]+)`", cell))
    return forms


def man_forms(page):
    """The command forms of the heads (.B/.BI after .TP) of the COMMANDS section."""
    section = page.split("\n.SH COMMANDS\n", 1)[1].split("\n.SH ", 1)[0]
    forms = set()
    for head in re.findall(r"^\.TP\n\.BI? (.*)$", section, re.M):
        # The macro's arguments run together as roff sets them; "\fR, \fP" separates forms.
        text = "".join(a or b for a, b in re.findall(r'"([^"]*)"|(\S+)', head))
        text = text.replace("\\-", "-")
        for form in text.split("\\fR, \\fP"):
            forms.add(" ".join(re.sub(r"\\f[BIPR]", "", form).split()))
    return forms


def main():
    readme = readme_forms(open(sys.argv[1], encoding="utf-8").read())
    page = man_forms(open(sys.argv[2], encoding="utf-8").read())
    if len({form.split()[0] for form in readme}) < 20:
        print(f"only {len(readme)} command forms found in the README's table")
        return 1
    status = 0
    for what, forms in (("not in the man page", readme - page), ("not in the README", page - readme)):
        if forms:
            print(f"{what}: " + ", ".join(sorted(forms)))
            status = 1
    return status


sys.exit(main())
