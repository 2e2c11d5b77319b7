#!/usr/bin/env python3
"""Checks that every include of the launcher's sources points down its floors:

    main.cpp -> core/ -> locate/, system/ -> ui/layouts/ -> ui/model/ -> base/ -> generated headers

A file may include headers of its own folder and of any floor below its own, never one above it nor
one beside it (locate/ and system/ do not include each other). resource.h (res/) counts as base. The
headers that CMake makes from the templates res/*.h.in into build/generated (version.h) are the floor
below base/: any file may include them, and they (their templates) include nothing of the floors above.
Prints every back-edge and exits 1 when there is one. Usage: check-includes.py <src folder>; the res/
folder beside it is read too.
"""
import pathlib
import re
import sys

FLOORS = {"generated": -1, "base": 0, "res": 0, "ui/model": 1, "ui/layouts": 2, "locate": 3, "system": 3,
          "core": 4, "main": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path: str, res_headers: set, generated: set) -> str:
    if path == "main.cpp":
        return "main"
    if path in generated:
        return "generated"
    if path in res_headers:
        return "res"
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "ui" else parts[0]


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    res = src.parent / "res"
    # Each file to check with the name it is included by: sources by their path below src/, res/'s
    # headers by their own name, a template by the name of the header made from it.
    files = [(f, f.relative_to(src).as_posix()) for f in sorted(src.rglob("*")) if f.suffix in (".h", ".cpp", ".c")]
    res_files = [(f, f.name) for f in sorted(res.glob("*.h"))]
    templates = [(f, f.name[: -len(".in")]) for f in sorted(res.glob("*.h.in"))]
    res_headers = {name for _, name in res_files}
    generated = {name for _, name in templates}
    errors = []
    for file, name in files + res_files + templates:
        own = folder_of(name, res_headers, generated)
        if own not in FLOORS:
            errors.append(f"{name}: not in any floor")
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = folder_of(included, res_headers, generated)
            if target not in FLOORS:
                errors.append(f"{name}: includes {included}, which is in no floor")
            elif target != own and FLOORS[target] >= FLOORS[own]:
                errors.append(f"{name}: includes {included} ({target}), not below {own}")
    for error in errors:
        print(error)
    print(f"include floors: {'FAILED' if errors else 'ok'}")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
