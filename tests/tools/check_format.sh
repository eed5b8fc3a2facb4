#!/usr/bin/env bash
# Fails when a C++ source of the tree does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
find app store storage mainwindow listpane scrollbar resources tests bench fuzz \
     -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
