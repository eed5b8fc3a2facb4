#!/usr/bin/env python3
"""Fails when a product file includes a folder above its own floor, or when
its name hides whether it is window code.

The floors are read from tests/tools/floors.txt, top to bottom. A file may
include its own folder and the folders below it. Every top-level folder that
holds C++ sources must be a floor, except those that are not the product
(tests, benchmarks, fuzz targets, the build).

Window code is named *_win.h / *_win.cpp: a file that includes <windows.h>
or another *_win.h bears the suffix, and each folder's CMakeLists.txt gives
tessel_win only such files and tessel_portable none."""
import os
import re
import sys

NOT_PRODUCT = {"tests", "bench", "fuzz", "build", "cmake", "scripts"}
SOURCE = (".h", ".hpp", ".cpp", ".cc", ".c", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')
WINDOW_INCLUDE = re.compile(r'^\s*#\s*include\s+(<windows(x)?\.h>|"[^"]*_win\.h")')
TARGET_SOURCES = re.compile(r"target_sources\((tessel_\w+)\s+PRIVATE([^)]*)\)", re.S)


def is_window_name(name):
    return os.path.splitext(name)[0].endswith("_win")


def name_problems(folder):
    problems = []
    for dirpath, _, files in os.walk(folder):
        for name in sorted(files):
            path = os.path.join(dirpath, name)
            if name.endswith((".h", ".cpp")) and not is_window_name(name):
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        if WINDOW_INCLUDE.match(line):
                            problems.append(f"{path}:{number}: window code in a file not named *_win")
                            break
    lists = os.path.join(folder, "CMakeLists.txt")
    if os.path.exists(lists):
        for library, sources in TARGET_SOURCES.findall(open(lists, encoding="utf-8").read()):
            for source in sources.split():
                if source.endswith(".cpp") and is_window_name(source) != (library == "tessel_win"):
                    problems.append(f"{lists}: {source} in {library}")
    return problems


def read_floors(path):
    floors = []
    for line in open(path, encoding="utf-8"):
        name = line.split("#")[0].strip()
        if name:
            floors.append(name)
    return floors


def has_sources(folder):
    return any(f.endswith(SOURCE) for _, _, files in os.walk(folder) for f in files)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    os.chdir(root)
    floors = read_floors("tests/tools/floors.txt")
    level = {name: i for i, name in enumerate(floors)}
    problems = []
    for folder in sorted(os.listdir(".")):
        if (os.path.isdir(folder) and not folder.startswith(".") and folder not in NOT_PRODUCT
                and folder not in level and has_sources(folder)):
            problems.append(f"{folder}/: a product folder on no floor of floors.txt")
    for folder in floors:
        if not os.path.isdir(folder):
            problems.append(f"{folder}/: in floors.txt but not in the tree")
            continue
        problems.extend(name_problems(folder))
        for dirpath, _, files in os.walk(folder):
            for name in sorted(files):
                if not name.endswith(SOURCE):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        target = match.group(1) if match else None
                        if target in level and level[target] < level[folder]:
                            problems.append(f"{path}:{number}: {folder} includes {target}, a floor above")
    for problem in problems:
        print(problem)
    if problems:
        print(f"check_floors: {len(problems)} problem(s)")
        return 1
    print(f"check_floors: {len(floors)} floors, every include points down or sideways, "
          "window code named *_win")
    return 0


if __name__ == "__main__":
    sys.exit(main())
