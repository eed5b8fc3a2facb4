#!/usr/bin/env bash
# Fails when a C++ source of the tree does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
# Every floor of floors.txt, and the code beside the product.
floors=$(sed -e 's/#.*//' tests/tools/floors.txt | xargs)
find $floors tests bench fuzz -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
