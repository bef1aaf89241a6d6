#!/usr/bin/env python3
"""Expected rows of the days on which a named zone switches its clock.

Run once from the repository root with a built fixed-zone program:
    python3 tests/data/zone_switch_days.py build/app/almucan > tests/data/zone_switch_days.tsv

For each zone and month the switch day is found with Python's zoneinfo.
The program is run with the fixed zone in force at that day's local
midnight (--tz, --summer-time): its day starts at the same instant, so each
timed cell is a time after that instant.  zoneinfo turns the instant into
the zone's local clock time, which is the expected cell.  A cell the fixed
run cannot decide (an event past the end of a 23-hour day, or none found in
the first 24 of 25 hours) is written "*" and not checked.
"""
import subprocess
import sys
import tempfile
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

CASES = [  # zone, longitude, latitude, months
    ("Europe/Vienna", 16.33, 48.25, ["202603", "202610"]),
    ("America/New_York", -74.0, 40.71, ["202603", "202611"]),
    ("Australia/Sydney", 151.21, -33.87, ["202604", "202610"]),
]


def hours(td):
    return td.total_seconds() / 3600


def main(program):
    out = sys.stdout
    out.write("# zone\tlon\tlat\tmonth\tday\tstd_hours\tsummer_before\tsummer_after"
              "\tmoon_rise\tmoon_set\tsun_rise\tsun_set\ttw_begin\ttw_end\n")
    settings = tempfile.mkdtemp()
    for name, lon, lat, months in CASES:
        z = ZoneInfo(name)
        for month in months:
            y, m = int(month[:4]), int(month[4:])
            for d in range(1, 32):
                try:
                    day = datetime(y, m, d)
                except ValueError:
                    break
                start = day.replace(tzinfo=z)
                end = (day + timedelta(days=1)).replace(tzinfo=z)
                if start.utcoffset() != end.utcoffset():
                    break
            start_utc = start.astimezone(timezone.utc)
            length = hours(end.astimezone(timezone.utc) - start_utc)
            std = hours(start.utcoffset() - start.dst())
            before = start.dst() != timedelta(0)
            after = end.dst() != timedelta(0)
            args = [program, "--settings-dir", settings, "--month", month, "--lon", str(lon),
                    "--lat", str(lat), "--tz", str(int(std)), "--tsv"]
            if before:
                args.append("--summer-time")
            rows = subprocess.run(args, check=True, capture_output=True, text=True).stdout
            cells = rows.split("\n")[d].split("\t")[1:7]
            expected = []
            for cell in cells:
                if not (len(cell) == 4 and cell.isdigit()):
                    expected.append(cell if length == 24 else "*")
                    continue
                t = int(cell[:2]) + int(cell[2:]) / 60
                if t > length:
                    expected.append("*")
                    continue
                local = (start_utc + timedelta(hours=t)).astimezone(z)
                expected.append(local.strftime("%H%M"))
            if length > 24:
                # Not found in the first 24 hours: the last hour may hold it.
                expected = [e if e != "----" else "*" for e in expected]
            out.write("\t".join([name, str(lon), str(lat), month, str(d), str(int(std)),
                                 str(int(before)), str(int(after))] + expected) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
