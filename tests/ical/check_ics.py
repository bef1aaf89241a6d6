#!/usr/bin/python3
# Runs the program ($ALMUCAN) for dark-night iCalendar files, reads them with
# Python's icalendar (an independent RFC 5545 parser) and checks every event
# against the month models the program writes as JSON (read by Python's
# json) for the months around them:
# - the raw file: CR LF line ends, no physical line over 75 octets, UTF-8;
# - each event: SUMMARY, GEO, LOCATION, DTSTAMP, a unique UID, the
#   illuminated fraction, times in UTC;
# - the events are exactly the intervals that begin in the exported months
#   (not those running at 00:00 of day 1), to the minute, an interval still
#   open at a month's end followed to its end through the next months;
# - no two events overlap.
# A year and a month are each checked against the same models, so a year's
# events are those of its months written one by one; the UID is made of the
# begin and the place (ical_test.cpp: DarkIntervals.NamedZoneGivesEachDayItsOwnOffset).
# Usage: check_ics.py workdir
import datetime as dt
import json
import os
import re
import subprocess
import sys

import icalendar

WORK = sys.argv[1]
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
failures = []
utc = lambda text: dt.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=dt.timezone.utc)


def run(when, lon, lat, zone, summer):
    # The calendar of `when` (yyyymm or yyyy), the JSON of the month before
    # it to three after it (1900-2100) and a year's JSON as "year".
    args = ["--settings-dir", os.path.join(WORK, "cfg"), f"--lon={lon}", f"--lat={lat}", f"--tz={zone}"]
    args += ["--summer-time"] * summer
    prog = lambda *a: subprocess.run([os.environ["ALMUCAN"], *a, *args], check=True, capture_output=True).stdout
    kind = "--month" if len(when) == 6 else "--year"
    models = {"year": json.loads(prog(kind, when, "--json"))} if kind == "--year" else {}
    first, last = (int(when[4:]),) * 2 if kind == "--month" else (1, 12)
    for i in range(int(when[:4]) * 12 + first - 2, int(when[:4]) * 12 + last + 3):
        if 1900 <= i // 12 <= 2100:
            models[(i // 12, i % 12 + 1)] = json.loads(prog("--month", f"{i // 12:04d}{i % 12 + 1:02d}", "--json"))
    return prog(kind, when, "--ics", "-"), models


def check_json(fail, models):
    # The months' JSON: a day for every date; a year is its twelve months.
    year = models.pop("year", None)
    if year is not None and year != [models[(int(year[0]["month"][:4]), m)] for m in range(1, 13)]:
        fail("--year --json is not its twelve months")
    for (y, mo), m in models.items():
        dates = [dt.date.fromisoformat(d["date"]) for d in m["days"]]
        if dates != [dt.date(y, mo, 1) + dt.timedelta(days=i) for i in range(len(dates))] \
                or (dates[-1] + dt.timedelta(days=1)).month == mo:
            fail(f"{y}-{mo}: days {dates[0]}..{dates[-1]}")


def expected(models, exported):
    # (begin, end) of the intervals that begin in the exported months, each
    # followed through the months after to its end (None: past 2100).
    out = []
    for ym in exported:
        for iv in models[ym]["intervals"]:
            if iv["openAtStart"]:
                continue
            end, cur, last = utc(iv["end"]), ym, iv
            while last["openAtEnd"]:
                cur = (cur[0] + cur[1] // 12, cur[1] % 12 + 1)
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


def check_case(name, when, lon, lat, zone, summer):
    fail = lambda text: failures.append(f"{name}: {text}")
    raw, models = run(when, lon, lat, zone, summer)
    lines = raw.split(b"\r\n")
    if lines[-1] or any(b"\n" in l or b"\r" in l or len(l) > 75 for l in lines):
        fail("not CR LF lines of at most 75 octets")
    raw.decode("utf-8")
    check_json(fail, models)
    cal = icalendar.Calendar.from_ical(raw)
    if str(cal.get("VERSION")) != "2.0" or not str(cal.get("PRODID")):
        fail("VERSION or PRODID missing")
    exported = [(int(when[:4]), m) for m in ([int(when[4:])] if len(when) == 6 else range(1, 13))]
    events = {}
    for ev in cal.walk("VEVENT"):
        uid, start, end, geo = str(ev["UID"]), ev["DTSTART"].dt, ev["DTEND"].dt, ev["GEO"]
        illuminated = re.search(r"Moon illuminated at the start: (\d+)%", str(ev["DESCRIPTION"]))
        if uid in events or {start.utcoffset(), end.utcoffset()} != {dt.timedelta(0)} or not start < end \
                or str(ev["SUMMARY"]) != "Dark, no Moon" or "DTSTAMP" not in ev \
                or abs(geo.latitude - lat) > 1e-6 or abs(geo.longitude - lon) > 1e-6 \
                or "\u00b0" not in str(ev["LOCATION"]) or not illuminated or int(illuminated.group(1)) > 100:
            fail(f"event {uid}: {ev.to_ical()}")
        events[uid] = (start, end)
    # The events are the model's intervals, to the minute (the model's
    # instants are given to the second, the calendar's to the minute).
    got, want = sorted(events.values()), expected(models, exported)
    near = lambda a, b: b is None or abs(a - b) <= dt.timedelta(seconds=31)
    if len(got) != len(want) or not all(near(g[0], w[0]) and near(g[1], w[1]) for g, w in zip(got, want)):
        bad = [(g, w) for g, w in zip(got, want) if not (near(g[0], w[0]) and near(g[1], w[1]))]
        fail(f"{len(got)} events, {len(want)} intervals; first difference {bad[:1]}")
    # No two events overlap: an interval over a month's end is written once.
    if any(b[0] < a[1] for a, b in zip(got, got[1:])):
        fail("events overlap")
    return events


results = {case[0]: check_case(*case) for case in CASES}
counts = ", ".join(f"{k} {len(v)}" for k, v in results.items())
print("\n".join(failures[:40]) or "all events match the intervals", f"\nevents: {counts}")
sys.exit(1 if failures else 0)
