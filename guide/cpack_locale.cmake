# Read by cpack before it packs. The zip names its entries in UTF-8 (and
# marks them so, for Windows' own unzip), which cpack can only do from a
# UTF-8 locale: under C or POSIX it cannot add "はじめにお読みください.txt"
# at all.
set(ENV{LC_ALL} C.UTF-8)
