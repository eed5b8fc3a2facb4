#!/usr/bin/env python3
"""Fails when a source of the portable library has a non-ASCII byte inside a
string or character literal.

Portable code is also built by clang (the fuzz targets), which cannot turn
UTF-8 literals into cp932; such text is written as byte escapes instead,
e.g. "\\x81\\xA0" for the marker of an unchecked item. Comments may hold any
text.

Usage: check_portable_literals.py SOURCE...   (each SOURCE's header is checked too)
"""
import os
import sys


def literal_offences(data):
    """Yields (line, text) for each literal holding a byte >= 0x80."""
    i, n, line = 0, len(data), 1
    while i < n:
        c = data[i]
        if c == 0x0A:
            line += 1
            i += 1
        elif data.startswith(b'//', i):
            while i < n and data[i] != 0x0A:
                i += 1
        elif data.startswith(b'/*', i):
            end = data.find(b'*/', i + 2)
            end = n if end < 0 else end + 2
            line += data.count(b'\n', i, end)
            i = end
        elif c in (0x22, 0x27):  # " or '
            # A raw string R"(...)" is treated like an ordinary one here; the
            # project does not use them with non-ASCII text.
            start, start_line = i, line
            i += 1
            while i < n and data[i] != c and data[i] != 0x0A:
                i += 2 if data[i] == 0x5C else 1
            i += 1
            text = data[start:i]
            if any(b >= 0x80 for b in text):
                yield start_line, text.decode('utf-8', 'replace')
        else:
            i += 1


def main(paths):
    bad = 0
    files = []
    for path in paths:
        files.append(path)
        header = os.path.splitext(path)[0] + '.h'
        if os.path.exists(header):
            files.append(header)
    for path in files:
        with open(path, 'rb') as f:
            data = f.read()
        for line, text in literal_offences(data):
            print(f'{path}:{line}: non-ASCII literal {text} (write it as \\x escapes)')
            bad += 1
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
