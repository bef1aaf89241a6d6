#!/usr/bin/python3
"""Reads the program's dark-night iCalendar files (written through
almucan_export.sh) with Python's icalendar (an independent RFC 5545 parser)
and checks every event against the month models the program writes as
JSON (read by Python's json) beside them:

- the raw file: CR LF line ends, no physical line over 75 octets, UTF-8;
- each event: SUMMARY, GEO, LOCATION, DTSTAMP, a unique UID, the
  illuminated fraction, times in UTC;
- the events are exactly the intervals that begin in the exported months
  (not those running at 00:00 of day 1), to the minute, an interval still
  open at a month's end followed to its end through the next months;
- no two events overlap;
- a year written at once and its twelve months written one by one give the
  same events with the same UIDs.
Usage: check_ics.py almucan_export.sh workdir [case ...]
(the named cases only)
"""
import datetime as dt
import json
import os
import re
import subprocess
import sys

import icalendar

TOOL, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)

# (name, yyyymm|yyyy, lon, lat, zone, summer)
CASES = [
    ("vienna-2024", "2024", 16.33, 48.25, 1, 0),
    ("vienna-summer", "202406", 16.33, 48.25, 1, 1),
    ("london-june", "202406", 0, 51.5, 0, 0),
    ("tromso-dec", "202412", 18.96, 69.65, 1, 0),
    ("longyearbyen-2025", "2025", 15.65, 78.22, 1, 0),
    ("santiago", "202501", -70.67, -33.45, -4, 0),
    ("fiji-dateline", "202403", 179.5, -16.5, 12, 0),
    ("aleutians-dateline", "202411", -179.5, 51.9, -12, 0),
    ("south-pole-winter", "202406", 0, -89.9, 0, 0),
    ("december-2100", "210012", 16.33, 48.25, 1, 0),
]

if len(sys.argv) > 3:
    CASES = [c for c in CASES if c[0] in sys.argv[3:]]
    if len(CASES) != len(sys.argv) - 3:
        sys.exit(f"unknown case among {sys.argv[3:]}")

failures = []


def fail(case, text):
    failures.append(f"{case}: {text}")


def run(name, when, lon, lat, zone, summer):
    ics = os.path.join(WORK, name + ".ics")
    jdir = os.path.join(WORK, name + ".json")
    subprocess.run([TOOL, when, str(lon), str(lat), str(zone), str(summer), ics, jdir], check=True)
    with open(ics, "rb") as f:
        raw = f.read()
    models = {}
    for fn in os.listdir(jdir):
        with open(os.path.join(jdir, fn), encoding="utf-8") as f:
            models[(int(fn[:4]), int(fn[4:6]))] = json.load(f)
    return raw, models


def utc(text):
    return dt.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=dt.timezone.utc)


def next_month(ym):
    return (ym[0] + ym[1] // 12, ym[1] % 12 + 1)


def expected(models, exported):
    """(begin, end) instants of the intervals that begin in the exported
    months, each followed through the months after to its end."""
    out = []
    for ym in exported:
        for iv in models[ym]["intervals"]:
            if iv["openAtStart"]:
                continue
            end, cur, last = utc(iv["end"]), ym, iv
            while last["openAtEnd"]:
                cur = next_month(cur)
                if cur not in models:  # past 2100: any end is taken
                    end = None
                    break
                first = models[cur]["intervals"][:1]
                if not first or not first[0]["openAtStart"]:
                    break
                last = first[0]
                end = utc(last["end"])
            # Kept when its begin and end fall on different minutes.
            minute = lambda t: int(t.timestamp() // 60 + (t.timestamp() % 60 >= 30))
            if end is None or minute(end) > minute(utc(iv["begin"])):
                out.append((utc(iv["begin"]), end))
    return out


def check_raw(case, raw):
    if not raw.endswith(b"\r\n"):
        fail(case, "file does not end with CR LF")
    for i, line in enumerate(raw.split(b"\r\n")[:-1]):
        if b"\n" in line or b"\r" in line:
            fail(case, f"bare line break in line {i + 1}")
        if len(line) > 75:
            fail(case, f"line {i + 1} has {len(line)} octets")
    raw.decode("utf-8")


def check_case(name, when, lon, lat, zone, summer):
    raw, models = run(name, when, lon, lat, zone, summer)
    check_raw(name, raw)
    cal = icalendar.Calendar.from_ical(raw)
    if str(cal.get("VERSION")) != "2.0" or not str(cal.get("PRODID")):
        fail(name, "VERSION or PRODID missing")
    year = int(when[:4])
    exported = [(year, int(when[4:]))] if len(when) == 6 else [(year, m) for m in range(1, 13)]
    events = {}
    for ev in cal.walk("VEVENT"):
        uid = str(ev["UID"])
        if uid in events:
            fail(name, f"UID {uid} twice")
        start, end = ev["DTSTART"].dt, ev["DTEND"].dt
        if start.utcoffset() != dt.timedelta(0) or end.utcoffset() != dt.timedelta(0):
            fail(name, f"{uid}: not UTC")
        events[uid] = (start, end)
        if not start < end:
            fail(name, f"{uid}: DTEND not after DTSTART")
        if str(ev["SUMMARY"]) != "Dark, no Moon" or "DTSTAMP" not in ev:
            fail(name, f"{uid}: SUMMARY or DTSTAMP")
        geo = ev["GEO"]
        if abs(geo.latitude - lat) > 1e-6 or abs(geo.longitude - lon) > 1e-6:
            fail(name, f"{uid}: GEO {geo.latitude};{geo.longitude}")
        if "\u00b0" not in str(ev["LOCATION"]):
            fail(name, f"{uid}: LOCATION {ev['LOCATION']}")
        m = re.search(r"Moon illuminated at the start: (\d+)%", str(ev["DESCRIPTION"]))
        if not m or not 0 <= int(m.group(1)) <= 100:
            fail(name, f"{uid}: no illuminated fraction")
    # The events are the model's intervals, to the minute (the model's
    # instants are given to the second, the calendar's to the minute).
    got = sorted(events.values())
    want = expected(models, exported)
    near = lambda a, b: b is None or abs(a - b) <= dt.timedelta(seconds=31)
    if len(got) != len(want) or not all(near(g[0], w[0]) and near(g[1], w[1]) for g, w in zip(got, want)):
        bad = next((g, w) for g, w in zip(got + [None] * len(want), want + [None] * len(got))
                   if g is None or w is None or not (near(g[0], w[0]) and near(g[1], w[1])))
        fail(name, f"{len(got)} events, {len(want)} intervals; first difference {bad}")
    # No two events overlap: an interval over a month's end is written once.
    for a, b in zip(got, got[1:]):
        if b[0] < a[1]:
            fail(name, f"events {a} and {b} overlap")
    return events


results = {}
for case in CASES:
    results[case[0]] = check_case(*case)

# The same events with the same UIDs, whether the year or its months are written.
for name, when, lon, lat, zone, summer in CASES:
    if len(when) != 4:
        continue
    union = {}
    for m in range(1, 13):
        union.update(check_case(f"{name}-{m:02d}", f"{when}{m:02d}", lon, lat, zone, summer))
    if union != results[name]:
        fail(name, f"the year has {len(results[name])} events, its months {len(union)} "
                   f"({len(set(union) ^ set(results[name]))} differ)")

counts = ", ".join(f"{k} {len(v)}" for k, v in results.items())
if failures:
    print("\n".join(failures[:40]))
    print(f"{len(failures)} failures; events: {counts}")
    sys.exit(1)
print(f"all events match the intervals; events: {counts}")
