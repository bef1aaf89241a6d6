#!/usr/bin/python3
"""The printed page as the program writes it (--pdf), read back with
poppler's pdftotext -bbox and pdftoppm -gray:

- the hour labels never touch or overlap, at every print font size from 6
  to 14 pt on A4 and Letter, portrait and landscape, and "24" is there;
- the graph's key is on the page, its words in order;
- a clock switch of a named zone is marked beside its day;
- the ink saver's page is at most half as dark as the normal one.
Usage: printed_pages.py ALMUCAN WORKDIR
"""
import os
import re
import subprocess
import sys

ALMUCAN, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)
failures = []


def pdf(name, size=10, *args):
    cfg = os.path.join(WORK, f"cfg-{size}")
    os.makedirs(cfg, exist_ok=True)
    with open(os.path.join(cfg, "Almucan.INI"), "wb") as f:
        f.write(("\r\n".join(["Almucan V0.9", " 16.33", " 48.25", " 1", " 0", " 0", " 0", " 0",
                               "DejaVu Sans", f" {size}"]) + "\r\n").encode())
    out = os.path.join(WORK, name + ".pdf")
    subprocess.run([ALMUCAN, "--settings-dir", cfg, "--pdf", out, *args], check=True)
    return out


def words(path):
    box = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True, text=True, check=True).stdout
    return [(float(x0), float(y0), float(x1), float(y1), w) for x0, y0, x1, y1, w in
            re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', box)]


def darkness(path):
    png = subprocess.run(["pdftoppm", "-r", "50", "-gray", path], capture_output=True, check=True).stdout
    pixels = png.split(b"\n", 3)[3]  # P5 header: magic, size, maximum
    return sum(255 - b for b in pixels) / len(pixels) / 255


for paper in ("a4", "letter"):
    for orient in ([], ["--landscape"]):
        for size in range(6, 15):
            name = f"{paper}{'-l' if orient else ''}-{size}"
            ws = words(pdf(name, size, "--month", "202406", "--paper", paper, *orient))
            # The hour labels: the numbers on the line of the sub-headings.
            top = next((y0 for x0, y0, x1, y1, w in ws if w == "Beg."), None)
            labels = sorted((x0, x1, w) for x0, y0, x1, y1, w in ws if top is not None and abs(y0 - top) < 0.5
                            and w.isdigit())
            if top is None or [w for _, _, w in labels][:1] != ["0"] or labels[-1][2] != "24":
                failures.append(f"{name}: hour labels {[w for _, _, w in labels]}")
            for (a0, a1, a), (b0, b1, b) in zip(labels, labels[1:]):
                if b0 - a1 < 0.5:
                    failures.append(f"{name}: '{a}' ends at {a1:.1f}, '{b}' begins at {b0:.1f}")

normal = pdf("normal", 10, "--month", "202412")
text = [w for *_, w in words(normal)]
key = text.index("Graph:") if "Graph:" in text else -1
if text[key:key + 6] != ["Graph:", "night", "twilight", "day", "Moon", "up"]:
    failures.append(f"key: {text[key:key + 6]}")
# Vienna puts its clocks forward on 29 March 2026: "+1" beside the day.
switch = [w for *_, w in words(pdf("switch", 10, "--month", "202603", "--zone", "Europe/Vienna"))]
if "+1" not in switch[switch.index("29") + 1:switch.index("29") + 4]:
    failures.append(f"no switch mark after day 29: {switch[switch.index('29'):switch.index('29') + 4]}")
ratio = darkness(pdf("ink", 10, "--month", "202412", "--ink-saver")) / darkness(normal)
if ratio > 0.5:
    failures.append(f"the ink saver's page is {ratio:.2f} of the normal page's darkness")
print("\n".join(failures) or f"labels clear at every size; key, switch mark; ink saver {ratio:.2f} of the darkness")
sys.exit(1 if failures else 0)
