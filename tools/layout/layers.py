#!/usr/bin/env python3
"""Checks that no layer includes a higher one.

The layers and their order are read from the README's section "How the
layers fit together" (each entry "- `src/NAME/`", lowest first; app/ is the
top).  Every `#include "NAME/..."` in src/LAYER/ and in tests/LAYER/ must
name LAYER itself or a layer listed before it.  Prints each violation as
file:line and exits 1 when there is one.

Usage: tools/layout/layers.py [ROOT]
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
readme = (ROOT / "README.md").read_text(encoding="utf-8")
section = readme.split("## How the layers fit together", 1)[1].split("\n## ", 1)[0]
order = re.findall(r"^- `src/([a-z]+)/`", section, re.MULTILINE)
rank = {name: i for i, name in enumerate(order)}
rank["app"] = len(order)
if len(order) < 10:
    sys.exit(f"only {len(order)} layers found in the README's list: {order}")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/')
bad = []
for top in ("src", "tests", "app"):
    for path in sorted((ROOT / top).rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        parts = path.relative_to(ROOT).parts
        layer = "app" if top == "app" else parts[1]
        if layer not in rank:
            continue  # tests/support, tests/fuzz: not a layer
        for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if m and m.group(1) in rank and rank[m.group(1)] > rank[layer]:
                bad.append(f"{path.relative_to(ROOT)}:{n}: {layer} includes {m.group(1)}, a higher layer")
print("\n".join(bad) if bad else f"{len(order) + 1} layers, no include upward: " + " < ".join(order + ["app"]))
sys.exit(1 if bad else 0)
