#!/usr/bin/env python3
"""Deliberate faults for checking that the test suite catches them.

Usage: tools/mutants/mutants.py BUILD_DIR [NAME ...]
Applies each fault to the source tree in turn, rebuilds BUILD_DIR, runs
ctest and prints the tests that fail; the source is restored after each.
"""
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

# name: (file, original text, faulty text)
MUTANTS = {
    "moon-term-sign": ("src/astro/sunmoon.cpp",
                       "dL = dL + 769 * std::sin(2 * l);",
                       "dL = dL - 769 * std::sin(2 * l);"),
    "moon-horizon-ulp": ("src/month/monthcalc.cpp",
                         "astro::SinDeg(static_cast<double>(8.0f / 60.0f))",
                         "astro::SinDeg(static_cast<double>(std::nextafter(8.0f / 60.0f, 1.0f)))"),
    "key-sort-by-time-only": ("src/month/format.cpp",
                              "std::sort(keys.begin(), keys.end());",
                              "std::stable_sort(keys.begin(), keys.end(), [](const std::string& a, "
                              "const std::string& b) { return a.compare(0, 6, b, 0, 6) < 0; });"),
    "settings-save-in-place": ("src/settings/settingsfile.cpp",
                               "fileio::ReplaceFile(s.settingsPath, SettingsFileText(s)).empty()",
                               "[&] { std::FILE* f = std::fopen(s.settingsPath.c_str(), \"wb\"); if (!f) return false;"
                               " std::string t = SettingsFileText(s); bool ok = std::fwrite(t.data(), 1, t.size(), f)"
                               " == t.size(); return std::fclose(f) == 0 && ok; }()"),
    "quad-roots-swapped": ("src/astro/altitude.cpp",
                           "z1 = xe - dx;\n        z2 = xe + dx;",
                           "z1 = xe + dx;\n        z2 = xe - dx;"),
    "danm-each-crossing-a-step": ("src/month/monthcalc.cpp",
                                  "for (; i < steps.size() && steps[i].c->minute <= minute; ++i) {",
                                  "for (std::size_t n = 0; i < steps.size() && steps[i].c->minute <= minute && n < 1;"
                                  " ++i, ++n) {"),
    "danm-minute-backwards": ("src/month/monthcalc.cpp",
                              "a.c->minute < b.c->minute : a.c->mjd < b.c->mjd",
                              "a.c->minute < b.c->minute : a.c->mjd > b.c->mjd"),
    "cells-keep-the-last": ("src/month/monthcalc.cpp",
                            "if (cellRise >= 0 && cellSet >= 0) cellsDone = true;",
                            "if (cellRise >= 0 && cellSet >= 0) cellsDone = false;"),
    "ink-saver-solid-night": ("src/render/graph.cpp",
                              "s.hatchNight = true;",
                              "s.hatchNight = false;"),
    "input-error-text": ("src/month/monthcalc.cpp",
                         'reporter.error("Input error.");',
                         'reporter.error("Input error");'),
}


def run(build, names):
    for name in names:
        path, old, new = MUTANTS[name]
        f = ROOT / path
        original = f.read_text()
        if original.count(old) != 1:
            print(f"{name}: the original text is not found once in {path}")
            continue
        try:
            f.write_text(original.replace(old, new))
            b = subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True, text=True)
            if b.returncode != 0:
                print(f"{name}: does not build")
                continue
            t = subprocess.run(["ctest", "--test-dir", build, "-j2", "--timeout", "300"],
                               capture_output=True, text=True, env={**__import__("os").environ,
                                                                     "QT_QPA_PLATFORM": "offscreen"})
            failed = [line.split(" - ", 1)[1].split(" (")[0].strip()
                      for line in t.stdout.splitlines() if " - " in line and "(" in line
                      and line.strip()[0].isdigit()]
            print(f"{name}: {len(failed)} failing: {', '.join(failed) if failed else 'NONE'}", flush=True)
        finally:
            f.write_text(original)
    subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True)


if __name__ == "__main__":
    run(sys.argv[1], sys.argv[2:] or list(MUTANTS))
