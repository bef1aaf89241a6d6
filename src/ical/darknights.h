#pragma once
// The dark-and-no-Moon intervals of months as calendar events.
//
// Each interval belongs to the month in which it begins: one still open at
// the end of the month is followed through the next months' models to its
// end and written whole, and one already running at 00:00 of day 1 is left
// to the month before, whose export holds it whole.  So consecutive monthly
// exports and a year export hold every interval once, with the same UID.
#include <string>
#include <vector>

#include "ical/icalendar.h"
#include "month/monthcalc.h"
#include "month/months.h"

namespace ical {

struct DarkInterval {
    double begin = 0;  // instants, MJD UT
    double end = 0;
    // The same as local clock times (the table's rounded minutes), minutes
    // since 1970-01-01 00:00 of the local clock.
    long long localBegin = 0;
    long long localEnd = 0;
    // The days from the begin's to the end's, each in words: its twilight
    // and its Moon.
    std::vector<std::string> nights;
};

// The intervals that begin in the month of `r`, in time order, each
// followed to its end through the months after it (from `following`).
std::vector<DarkInterval> DarkIntervals(const month::Month& r, month::Months& following);

// One VEVENT per interval of each month in `which` (from `months`, which
// also gives the months after them): times in UTC, summary "Dark, no Moon".
std::vector<Event> DarkNightEvents(const std::vector<month::YearMonth>& which, month::Months& months);

// The iCalendar text of DarkNightEvents with `stamp` as DTSTAMP.
std::string DarkNightsCalendar(const std::vector<month::YearMonth>& which, month::Months& months, UnixTime stamp);

// Writes DarkNightsCalendar (stamped now) to `path` through a temporary file
// renamed on success.  False with `error` set when the file cannot be written.
bool WriteIcs(const std::vector<month::YearMonth>& which, month::Months& months, const std::string& path,
              std::string& error);

}  // namespace ical
