#!/usr/bin/env python3
"""Lists the files over MAX_FILE lines and the functions over MAX_FUNCTION
lines in src/ and app/ (a function: from a line that opens a body at
column 0 or inside a namespace, to its closing brace at the same indent).

Usage: tools/layout/sizes.py [ROOT]; exit 1 when any is over.
"""
import pathlib
import re
import sys

MAX_FILE, MAX_FUNCTION = 450, 60
ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
# A function definition's first line: a name and its parameters, then the
# body's brace at the line's end (constructors' initialiser lists included).
HEAD = re.compile(r"^(\s*)[A-Za-z_~].*\)\s*(const)?\s*(noexcept)?\s*(override)?\s*(->\s*[\w:<>]+\s*)?\{\s*$")
over = []
for path in sorted(list(ROOT.glob("src/**/*.cpp")) + list(ROOT.glob("src/**/*.h")) + list(ROOT.glob("app/**/*.cpp"))):
    lines = path.read_text(encoding="utf-8").splitlines()
    rel = path.relative_to(ROOT)
    if len(lines) > MAX_FILE:
        over.append(f"{rel}: {len(lines)} lines")
    i = 0
    while i < len(lines):
        m = HEAD.match(lines[i])
        prev = next((l.strip() for l in reversed(lines[:i]) if l.strip()), "")
        continuation = prev and not prev.startswith(("//", "#", "template")) and prev[-1] not in ";{}:"
        assignment = "=" in lines[i].split("(")[0]
        if m and not continuation and not assignment and \
                not re.match(r"^\s*(if|for|while|switch|else|do|namespace|struct|class|enum|return)\b", lines[i]):
            indent = m.group(1)
            for j in range(i + 1, len(lines)):
                if lines[j] == indent + "}" or lines[j].startswith(indent + "};") or lines[j].startswith(indent + "} "):
                    if j - i + 1 > MAX_FUNCTION:
                        over.append(f"{rel}:{i + 1}: function of {j - i + 1} lines: {lines[i].strip()[:70]}")
                    break
        i += 1
for o in over:
    print(o)
sys.exit(1 if over else 0)
