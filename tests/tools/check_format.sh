#!/usr/bin/env bash
# Fails when a C++ source of the tree does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
find app mainwindow shell listpane scrollbar drawing process storage store resources tests bench fuzz \
     -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
