#!/usr/bin/env python3
"""Typed names for the dialog templates and menus in res/ (run by the build).

Writes one header per file into OUT/ui/: res/dialogs/modbus.json gives ui/modbus.h with
namespace ui::modbus (the template and one constant per control), res/menus/main_menu.json
gives ui/main_menu.h with namespace ui::main_menu (one k-constant per command). The file's
name is the template's name; the number inside stays the template's ID.

Refuses (exit status 1, one line per fault) what would make a name wrong or ambiguous: a
control or menu entry with an ID but no name or a name but no ID, a name that is not a
lower_snake_case C++ identifier, a name used twice in one file, two files of one number,
a dialog and a menu of one name. A header whose text is unchanged is not rewritten, so the
bindings recompile only when a name or number changed.

Usage: ui_names.py OUT --dialogs FILE... --menus FILE...
"""

import json
import os
import re
import sys

NAME = re.compile(r"^[a-z][a-z0-9]*(_[a-z0-9]+)*$")
CXX_KEYWORDS = set(
    """alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t
    char16_t char32_t class compl concept const consteval constexpr constinit const_cast
    continue co_await co_return co_yield decltype default delete do double dynamic_cast else
    enum explicit export extern false float for friend goto if inline int long mutable
    namespace new noexcept not not_eq nullptr operator or or_eq private protected public
    register reinterpret_cast requires return short signed sizeof static static_assert
    static_cast struct switch template this thread_local throw true try typedef typeid
    typename union unsigned using virtual void volatile wchar_t while xor xor_eq""".split()
)


class Faults(list):
    def add(self, path, text):
        self.append(f"{path}: {text}")


def check_name(faults, path, name, what):
    if not isinstance(name, str) or not NAME.match(name) or name in CXX_KEYWORDS:
        faults.add(path, f'{what}: "{name}" is not a lower_snake_case name usable in C++')
        return False
    return True


def take_name(faults, path, seen, name, number, kind):
    """Records `name` for `number` in `seen` unless it is unusable or taken."""
    one, two = kind
    if not check_name(faults, path, name, f"{one} {number}"):
        return False
    if name in seen:
        faults.add(path, f'{two} {seen[name]} and {number} are both named "{name}"')
        return False
    seen[name] = number
    return True


def stem(path):
    return os.path.splitext(os.path.basename(path))[0]


def camel(name):
    return "k" + "".join(part[:1].upper() + part[1:] for part in name.split("_"))


def header(path, namespace, lines):
    rel = os.path.relpath(path, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    return (
        f"// Generated from {rel} by scripts/ui_names.py; edit the template, not this file.\n"
        "#pragma once\n\n"
        '#include "winsys/Ids.h"\n\n'
        f"namespace ui::{namespace} {{\n\n" + "".join(line + "\n" for line in lines) +
        f"\n}}  // namespace ui::{namespace}\n"
    )


def dialog_header(faults, path, data):
    name = stem(path)
    number = data.get("id")
    lines = [
        f"// Template {number}: {data.get('caption', '')}",
        "struct Window {",
        f"  static constexpr winsys::TemplateId kTemplate{{{number}}};",
        "};",
        "inline constexpr winsys::TemplateId kTemplate = Window::kTemplate;",
        "using Control = winsys::ControlId<Window>;",
        "",
    ]
    seen = {}
    for row, control in enumerate(data.get("controls", []), 1):
        has_id, has_name = "id" in control, "name" in control
        if has_id != has_name:
            faults.add(path, f"control at row {row}: an ID needs a name and a name an ID")
            continue
        if not has_id:
            continue
        cname, cid = control["name"], control["id"]
        if not take_name(faults, path, seen, cname, cid, ("control", "controls")):
            continue
        text = control.get("text", "")
        note = f"  // {control.get('kind')}" + (f" \"{text}\"" if text and "\n" not in text else "")
        lines.append(f"inline constexpr Control {cname}{{{cid}}};{note}")
    return header(path, name, lines)


def menu_header(faults, path, data):
    lines = [f"// Menu {data.get('id')}"]
    seen = {}
    for popup in data.get("popups", []):
        lines.append(f"// {popup.get('text', '')}")
        for item in popup.get("items", []):
            iname, iid = item.get("name"), item.get("id")
            if iname is None or iid is None:
                faults.add(path, f'entry "{item.get("text")}": needs an ID and a name')
                continue
            if not take_name(faults, path, seen, iname, iid, ("entry", "entries")):
                continue
            lines.append(
                f"inline constexpr winsys::CommandId {camel(iname)}{{{iid}}};  // {item.get('text', '')}"
            )
    return header(path, stem(path), lines)


def main(argv):
    out = argv[1]
    groups = {"--dialogs": [], "--menus": []}
    current = None
    for arg in argv[2:]:
        if arg in groups:
            current = groups[arg]
        elif current is None:
            sys.exit(__doc__)
        else:
            current.append(arg)
    faults = Faults()
    outputs = {}
    names = {}
    for kind, make in (("--dialogs", dialog_header), ("--menus", menu_header)):
        numbers = {}
        for path in sorted(groups[kind]):
            name = stem(path)
            try:
                with open(path, encoding="utf-8") as f:
                    data = json.load(f)
            except (OSError, ValueError) as error:
                faults.add(path, f"not readable JSON: {error}")
                continue
            if not isinstance(data, dict) or not isinstance(data.get("id"), int):
                faults.add(path, 'needs an object with a numeric "id"')
                continue
            if not check_name(faults, path, name, "file name"):
                continue
            if name in names:
                faults.add(path, f"the name {name} is taken by {names[name]}")
                continue
            if data["id"] in numbers:
                faults.add(path, f"number {data['id']} is taken by {numbers[data['id']]}")
                continue
            names[name] = path
            numbers[data["id"]] = path
            outputs[os.path.join(out, "ui", name + ".h")] = make(faults, path, data)
    if faults:
        for fault in faults:
            print(fault, file=sys.stderr)
        return 1
    os.makedirs(os.path.join(out, "ui"), exist_ok=True)
    for path, text in outputs.items():
        try:
            with open(path, encoding="utf-8") as f:
                if f.read() == text:
                    continue
        except OSError:
            pass
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
