#!/usr/bin/env python3
"""Checks that every include of the launcher's sources points down its floors:

    main.cpp -> core/ -> locate/, system/ -> ui/layouts/ -> ui/model/ -> base/

A file may include headers of its own folder and of any floor below its own, never one above it nor
one beside it (locate/ and system/ do not include each other). resource.h (res/) counts as base.
Prints every back-edge and exits 1 when there is one. Usage: check-includes.py <src folder>
"""
import pathlib
import re
import sys

FLOORS = {"base": 0, "res": 0, "ui/model": 1, "ui/layouts": 2, "locate": 3, "system": 3, "core": 4, "main": 5}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path: str) -> str:
    if path in ("main.cpp", "resource.h"):
        return "main" if path == "main.cpp" else "res"
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "ui" else parts[0]


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    errors = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp", ".c"):
            continue
        name = file.relative_to(src).as_posix()
        own = folder_of(name)
        if own not in FLOORS:
            errors.append(f"{name}: not in any floor")
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = folder_of(included)
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
