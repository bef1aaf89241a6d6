#!/usr/bin/python3
"""The printed page as the program writes it (--pdf), read back with
poppler's pdftotext and pdftoppm -gray:

- a clock switch of a named zone is marked beside its day;
- the ink saver's page is at most half as dark as the normal one.
Usage: printed_pages.py ALMUCAN WORKDIR
"""
import os
import subprocess
import sys

ALMUCAN, WORK = sys.argv[1], sys.argv[2]
failures = []
cfg = os.path.join(WORK, "cfg")
os.makedirs(cfg, exist_ok=True)
with open(os.path.join(cfg, "Almucan.INI"), "wb") as f:
    f.write(b"Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n")


def pdf(name, *args):
    out = os.path.join(WORK, name + ".pdf")
    subprocess.run([ALMUCAN, "--settings-dir", cfg, "--pdf", out, *args], check=True)
    return out


def words(path):
    return subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout.split()


def darkness(path):
    png = subprocess.run(["pdftoppm", "-r", "50", "-gray", path], capture_output=True, check=True).stdout
    pixels = png.split(b"\n", 3)[3]  # P5 header: magic, size, maximum
    return sum(255 - b for b in pixels) / len(pixels) / 255


normal = pdf("normal", "--month", "202412")
# Vienna puts its clocks forward on 29 March 2026: "+1" beside the day.
switch = words(pdf("switch", "--month", "202603", "--zone", "Europe/Vienna"))
if "+1" not in switch[switch.index("29") + 1:switch.index("29") + 4]:
    failures.append(f"no switch mark after day 29: {switch[switch.index('29'):switch.index('29') + 4]}")
ratio = darkness(pdf("ink", "--month", "202412", "--ink-saver")) / darkness(normal)
if ratio > 0.5:
    failures.append(f"the ink saver's page is {ratio:.2f} of the normal page's darkness")
print("\n".join(failures) or f"switch mark; the ink saver {ratio:.2f} of the darkness")
sys.exit(1 if failures else 0)
