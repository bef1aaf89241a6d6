#!/usr/bin/python3
"""Reads the program's dark-night iCalendar files (written through
almucan_export.sh) with Python's icalendar (an independent RFC 5545 parser)
and checks every event against the month tables written beside them:

- the raw file: CR LF line ends, no physical line over 75 octets, UTF-8;
- each event: DTSTART in local time is the D.a.n.M. begin cell of its day
  row, DTEND the end cell of a later (or the same) row, or 00:00 of day 1
  when the next month's table starts closed; no begin or end cell between;
  SUMMARY, GEO, LOCATION, DTSTAMP, a unique UID, the illuminated fraction;
- every begin cell of the exported months has its event, except "0000" on
  day 1 while the month before ends open (that interval is the month
  before's);
- no two events overlap;
- a year written at once and its twelve months written one by one give the
  same events with the same UIDs.
Usage: check_ics.py almucan_export.sh workdir [case ...]
(the named cases only)
"""
import datetime as dt
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
    tsv = os.path.join(WORK, name + ".tsv")
    subprocess.run([TOOL, when, str(lon), str(lat), str(zone), str(summer), ics, tsv], check=True)
    with open(ics, "rb") as f:
        raw = f.read()
    tables = {}
    cur = None
    with open(tsv, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("# "):
                cur = (int(line[2:6]), int(line[6:8]))
                tables[cur] = []
            elif not line.startswith("Day"):
                tables[cur].append(line.split("\t"))
    return raw, tables


def hhmm(cell):
    return cell if re.fullmatch(r"\d{4}", cell or "") else None


def check_raw(case, raw):
    if not raw.endswith(b"\r\n"):
        fail(case, "file does not end with CR LF")
    for i, line in enumerate(raw.split(b"\r\n")[:-1]):
        if b"\n" in line or b"\r" in line:
            fail(case, f"bare line break in line {i + 1}")
        if len(line) > 75:
            fail(case, f"line {i + 1} has {len(line)} octets")
    raw.decode("utf-8")


def rows_between(tables, a, b):
    """The (date, cells) of the rows after date a and before date b."""
    d = a + dt.timedelta(days=1)
    while d < b:
        yield d, tables[(d.year, d.month)][d.day - 1]
        d += dt.timedelta(days=1)


def ends_open(rows):
    """Whether a month's table leaves an interval open after its last day."""
    state = False
    for cells in rows:
        b, e = hhmm(cells[7]), hhmm(cells[8])
        if b and e:
            state = b > e if b != e else state
        elif b:
            state = True
        elif e:
            state = False
    return state


def check_case(name, when, lon, lat, zone, summer):
    raw, tables = run(name, when, lon, lat, zone, summer)
    check_raw(name, raw)
    cal = icalendar.Calendar.from_ical(raw)
    if str(cal.get("VERSION")) != "2.0" or not str(cal.get("PRODID")):
        fail(name, "VERSION or PRODID missing")
    offset = dt.timedelta(hours=zone + summer)
    year = int(when[:4])
    exported = [(year, int(when[4:]))] if len(when) == 6 else [(year, m) for m in range(1, 13)]
    events = {}
    begins = set()
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
        lb, le = start + offset, end + offset
        bday, eday = lb.date(), le.date()
        if (bday.year, bday.month) not in exported:
            fail(name, f"{uid}: begins {lb} outside the exported months")
            continue
        bcell = tables[(bday.year, bday.month)][bday.day - 1][7]
        if bcell != lb.strftime("%H%M"):
            fail(name, f"{uid}: begins {lb}, the cell reads '{bcell}'")
        begins.add((bday, bcell))
        ecell = tables[(eday.year, eday.month)][eday.day - 1][8]
        prev = eday - dt.timedelta(days=1)
        at_midnight = le.strftime("%H%M") == "0000"
        ok = ecell == le.strftime("%H%M")
        ok = ok or (at_midnight and tables[(prev.year, prev.month)][prev.day - 1][8] == "2400")
        # The next month's table starts closed: the interval ended at 00:00.
        b1, e1 = (hhmm(c) for c in tables[(eday.year, eday.month)][0][7:9])
        ok = ok or (at_midnight and eday.day == 1 and b1 != "0000" and not (e1 and b1 and e1 < b1))
        if not ok:
            fail(name, f"{uid}: ends {le}, the cell reads '{ecell}'")
        for d, cells in rows_between(tables, bday, eday):
            if cells[8] or (cells[7] and not (d.day == 1 and cells[7] == "0000")):
                fail(name, f"{uid}: row {d} inside the interval has cells {cells[7:9]}")
    # No two events overlap: an interval over a month's end is written once.
    spans = sorted(events.values())
    for a, b in zip(spans, spans[1:]):
        if b[0] < a[1]:
            fail(name, f"events {a} and {b} overlap")
    # Every begin cell of the exported months has its event.
    for (y, mo) in exported:
        prev = (y, mo - 1) if mo > 1 else (y - 1, 12)
        carried = prev in tables and ends_open(tables[prev])
        for day, cells in enumerate(tables[(y, mo)], start=1):
            b, e = hhmm(cells[7]), hhmm(cells[8])
            if cells[7] and not b or cells[8] and not e:
                fail(name, f"{y}-{mo}-{day}: D.a.n.M. cells {cells[7:9]} are not hhmm")
            if not b or (b == e) or (day == 1 and b == "0000" and carried):
                continue
            if (y, mo) == (2100, 12) and (dt.date(y, mo, day), b) not in begins:
                continue  # may run into 2101, past the last month that can be calculated
            if (dt.date(y, mo, day), b) not in begins:
                fail(name, f"{y}-{mo}-{day}: begin {b} has no event")
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
print(f"all events match their tables; events: {counts}")
