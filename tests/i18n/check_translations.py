#!/usr/bin/env python3
"""Fails when a text of the interface has no finished English translation.

usage: check_translations.py LUPDATE SOURCE_DIR WORK_DIR

Extracts every text again (the templates' and menus' texts written out by
scripts/template_texts.py, the sources through lupdate) into a copy of
res/translations/quorkit_en.ts and then requires of every message: a translation that is
finished and not empty, no message left over from a text that is gone, and the same printf
conversions in the same order as the source (formats are translated before they are
filled in, so a conversion that differs would read the wrong argument).
"""
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

CONVERSION = re.compile(r"%[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn%]")
CJK = re.compile(r"[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")


def full(element):
    if element is None:
        return None
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            text += chr(int(value[1:], 16) if value.startswith("x") else int(value))
        text += child.tail or ""
    return text


def lupdate_options(source_dir):
    """The options and inputs update_translations uses, from res/translations/CMakeLists.txt."""
    with open(os.path.join(source_dir, "res/translations/CMakeLists.txt"), encoding="utf-8") as f:
        cmake = f.read()
    options = re.search(r"set\(QUORKIT_LUPDATE_OPTIONS (.*?)\n\s*CACHE", cmake, re.S).group(1)
    sources = re.search(r"set\(QUORKIT_LUPDATE_SOURCES (.*?) CACHE", cmake).group(1)
    return options.split(), sources.split()


def main(lupdate, source_dir, work_dir):
    os.makedirs(work_dir, exist_ok=True)
    texts = os.path.join(work_dir, "template_texts.cpp")
    subprocess.run([sys.executable, os.path.join(source_dir, "scripts/template_texts.py"), texts,
                    "res/dialogs", "res/menus"], cwd=source_dir, check=True)
    ts = os.path.join(work_dir, "quorkit_en.ts")
    shutil.copyfile(os.path.join(source_dir, "res/translations/quorkit_en.ts"), ts)
    options, sources = lupdate_options(source_dir)
    run = subprocess.run([lupdate] + options + sources + [texts, "-ts", ts], cwd=source_dir,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if run.returncode != 0:
        print(run.stdout.decode("utf-8", "replace"))
        return 1
    problems = []
    count = 0
    for context in ET.parse(ts).getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            count += 1
            source = full(message.find("source"))
            translation = message.find("translation")
            english = full(translation)
            kind = translation.get("type")
            where = "%s: %r" % (name, source)
            if kind in ("vanished", "obsolete"):
                problems.append("no longer in the sources (run update_translations): " + where)
            elif kind == "unfinished" or not english:
                problems.append("no English translation: " + where)
            elif CONVERSION.findall(source) != CONVERSION.findall(english):
                problems.append("conversions %s in the source, %s in the translation: %s" % (
                    CONVERSION.findall(source), CONVERSION.findall(english), where))
            elif CJK.search(english):
                problems.append("Chinese left in the translation: " + where)
    for problem in problems:
        print(problem)
    print("%d texts, %d problems" % (count, len(problems)))
    return 1 if problems or count == 0 else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
