#!/usr/bin/env python3
"""Runs one console script and compares its output with the expected file.

    run_script.py [--lang zh|en|locale] DRIVE SCRIPT EXPECTED WORKDIR

The interface language is given, Chinese unless --lang says otherwise, so that the scripts'
outputs do not depend on the locale of whoever runs them; "locale" leaves the choice to the
environment. In English every line of output must be free of Chinese characters as well.

A script whose expected output holds an "error" line must end with status 2, others with 0.

A script with a NAME.files beside it works with files: it runs in a fresh folder
WORKDIR/GROUP.NAME.run holding `src` (a link to the script's folder, for input files) and an
empty `out`; afterwards every file below `out` is listed as "PATH SIZE SHA256", sorted, and
the listing must equal NAME.files (lines starting with # are comments).

On a difference only the first differing lines are printed, with a little context: some
outputs run to hundreds of kilobytes. The whole output is kept in WORKDIR/GROUP.NAME.actual.
"""
import difflib
import hashlib
import os
import re
import shutil
import subprocess
import sys

CONTEXT = 3  # lines shown before and after the first difference
SPAN = 12  # lines of each side compared around it
LIMIT = 40  # lines of excerpt at most


def lines_of(text):
    """Lines split at "\\n" alone, so that their numbers are the ones an editor shows."""
    return re.findall(r"[^\n]*\n|[^\n]+$", text)


def excerpt(expected, actual, expected_name, actual_name):
    """A unified-diff-like view of the first place where the two texts part."""
    want, got = lines_of(expected), lines_of(actual)
    first = 0
    while first < len(want) and first < len(got) and want[first] == got[first]:
        first += 1
    start = max(0, first - CONTEXT)
    lines = ["first difference at line %d (expected %d lines, got %d)"
             % (first + 1, len(want), len(got)),
             "--- " + expected_name, "+++ " + actual_name]
    diff = difflib.unified_diff(want[start:first + SPAN], got[start:first + SPAN],
                                lineterm="", n=CONTEXT)
    for line in list(diff)[2:]:
        if line.startswith("@@"):
            # Hunk positions are relative to the excerpt; give them in whole-file lines.
            line = re.sub(r"([-+])(\d+)", lambda m: m.group(1) + str(int(m.group(2)) + start),
                          line)
        lines.append(line.rstrip("\n").rstrip("\r") + ("\\r" if line.endswith("\r\n") else ""))
        if not line.startswith("@@") and not line.endswith("\n"):
            lines.append("\\ No newline at end of file")
    if len(lines) > LIMIT:
        lines = lines[:LIMIT] + ["... (excerpt cut at %d lines)" % LIMIT]
    return "\n".join(lines)


def listing(folder):
    paths = sorted(os.path.relpath(os.path.join(root, name), folder)
                   for root, _, files in os.walk(os.path.join(folder, "out")) for name in files)
    rows = []
    for path in paths:
        with open(os.path.join(folder, path), "rb") as source:
            data = source.read()
        rows.append("%s %d %s\n" % (path, len(data), hashlib.sha256(data).hexdigest()))
    return "".join(rows)


CHINESE = re.compile("[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")


def main(drive, script, expected_path, workdir, language="zh"):
    script_dir, script_file = os.path.split(script)
    name = "%s.%s" % (os.path.basename(script_dir), os.path.splitext(script_file)[0])
    files_path = os.path.splitext(script)[0] + ".files"
    rundir = workdir
    if os.path.exists(files_path):
        rundir = os.path.join(workdir, name + ".run")
        shutil.rmtree(rundir, ignore_errors=True)
        os.makedirs(os.path.join(rundir, "out"))
        os.symlink(script_dir, os.path.join(rundir, "src"))

    # The banner download asks a port on this machine where nothing listens, and keeps its
    # folder in the build tree: no script reaches beyond 127.0.0.1 or into the user's files.
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(workdir, "data-home"))
    chosen = [] if language == "locale" else ["--lang", language]
    run = subprocess.run([drive] + chosen + ["--banner-server", "127.0.0.1:1", script],
                         cwd=rundir, env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    errors = run.stderr.decode("utf-8", "replace")
    with open(expected_path, "rb") as source:
        expected = source.read()
    if run.stdout != expected:
        kept = os.path.join(workdir, name + ".actual")
        with open(kept, "wb") as sink:
            sink.write(run.stdout)
        print("output differs from " + expected_path)
        print(excerpt(expected.decode("utf-8", "replace"), run.stdout.decode("utf-8", "replace"),
                      expected_path, kept))
        print("--- stderr\n" + errors[-4000:], end="")
        return 1
    if language == "en":
        chinese = [line for line in run.stdout.decode("utf-8", "replace").split("\n")
                   if CHINESE.search(line)]
        if chinese:
            print("Chinese in the English interface:\n" + "\n".join(chinese[:20]))
            return 1
    wanted = 2 if re.search(rb"(^|\n)error ", expected) else 0
    if run.returncode != wanted:
        print("exit status %d, expected %d\n%s" % (run.returncode, wanted, errors), end="")
        return 1

    if os.path.exists(files_path):
        with open(files_path, encoding="utf-8") as source:
            wanted_listing = "".join(line if line.endswith("\n") else line + "\n"
                                     for line in source
                                     if not line.startswith("#") and line.strip("\r\n"))
        written = listing(rundir)
        if written != wanted_listing:
            print("files written differ from " + files_path)
            print(excerpt(wanted_listing, written, files_path, "written"))
            return 1
    return 0


if __name__ == "__main__":
    arguments = sys.argv[1:]
    language = "zh"
    if arguments[:1] == ["--lang"] and len(arguments) > 1:
        language = arguments[1]
        arguments = arguments[2:]
    if len(arguments) != 4 or language not in ("zh", "en", "locale"):
        sys.exit(__doc__)
    sys.exit(main(*(os.path.abspath(arg) for arg in arguments), language=language))
