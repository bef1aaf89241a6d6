#!/usr/bin/env python3
# Whole-database check of the UT offsets of named zones:
#     zone_offsets.py PROGRAM
# PROGRAM (zone_offsets.cpp) reads zone names and prints, for each year
# 1970-2100, the offsets it uses at 00:00 and 12:00 local clock time on the
# 1st and 15th of each month.  The same offsets come here from Python's
# zoneinfo, an independent reader of the same zone files (TZDIR or
# /usr/share/zoneinfo), for every zone of zone1970.tab.  A local time that
# occurs twice is its first instant (the offset before the switch), a
# skipped one the switch instant (the offset after it): the larger of the
# two fold offsets either way.
import os, subprocess, sys
from datetime import datetime
from zoneinfo import ZoneInfo, reset_tzpath

root = os.environ.get("TZDIR") or "/usr/share/zoneinfo"
reset_tzpath([root])
with open(os.path.join(root, "zone1970.tab"), encoding="utf-8") as f:
    names = [l.split("\t")[2].strip() for l in f if l.strip() and not l.startswith("#")]
got = subprocess.run([sys.argv[1]], input="\n".join(names) + "\n", capture_output=True, text=True).stdout.splitlines()
want = [" ".join([n, str(y)] + [str(int(max(ZoneInfo(n).utcoffset(datetime(y, m, d, h, fold=f)) for f in (0, 1))
                                        .total_seconds())) for m in range(1, 13) for d in (1, 15) for h in (0, 12)])
        for n in names for y in range(1970, 2101)]
bad = [f"program:  {g}\nzoneinfo: {w}" for g, w in zip(got + [""] * len(want), want) if g != w]
print("\n".join(bad[:10]), f"\n{len(names)} zones, 1970-2100: {len(bad)} zone-years differ")
sys.exit(1 if bad else 0)
