#pragma once
// The dark-and-no-Moon intervals of month tables as calendar events.
//
// An interval is read from the D.a.n.M. columns (7 begin, 8 end, "hhmm"
// local clock times) of the day rows; one that begins in the evening ends
// in a later row.  Each interval belongs to the month in which it begins:
// one still open at the end of the month is followed through the next
// months' tables to its end and written whole, and one already running at
// 00:00 of day 1 ("0000" in the begin cell of day 1) is left to the month
// before, whose export holds it whole.  So consecutive monthly exports and
// a year export hold every interval once, with the same UID.
//
// A cell keeps only the last begin (end) of its day, so at high latitudes a
// day with two openings or closings loses one in the table; such an
// interval, whose begin or end the table no longer shows, is not written
// (10 and 6 rows in 45,622 random month rows; 1,500 months, latitudes up
// to 89 degrees).
#include <string>
#include <vector>

#include "ical/icalendar.h"
#include "month/monthcalc.h"

namespace ical {

// The texts of one day row that describe its night.
struct NightRow {
    month::YearMonth ym;
    int day = 0;
    std::string moonRise, moonSet, twilightBegin, twilightEnd;  // columns 1, 2, 5, 6
};

struct DarkInterval {
    // Local clock times as minutes since 1970-01-01 00:00 of the local clock.
    long long begin = 0;
    long long end = 0;
    std::vector<NightRow> rows;  // the day rows from the begin row to the end row
};

// Where the place and clock of the month tables are needed again (the
// months before and after are calculated with them).
struct Place {
    month::Location location;
    bool summerTime = false;
    // Fixed time zone in minutes east of UTC, summer hour included (a zone
    // named in location.zoneName converts each time with its day's offset).
    long long zoneMinutes() const;
};

// The intervals that begin in the month of `r`, in time order.
std::vector<DarkInterval> DarkIntervals(const month::MonthResult& r, const Place& place);

// The Moon's illuminated fraction (0 new .. 1 full) at an instant (MJD, UT),
// from the geocentric elongation of the Moon from the Sun.
double IlluminatedFraction(double mjdUt);

// One VEVENT per interval of every month in `months` (months computed for
// `place`): times in UTC, summary "Dark, no Moon".
std::vector<Event> DarkNightEvents(const std::vector<month::MonthResult>& months,
                                   const Place& place);

// The iCalendar text of DarkNightEvents with `stamp` as DTSTAMP.
std::string DarkNightsCalendar(const std::vector<month::MonthResult>& months, const Place& place,
                               UnixTime stamp);

// Writes DarkNightsCalendar (stamped now) to `path` through a temporary file
// renamed on success.  False with `error` set when the file cannot be written.
bool WriteIcs(const std::vector<month::MonthResult>& months, const month::Location& location,
              bool summerTime, const std::string& path, std::string& error);

}  // namespace ical
