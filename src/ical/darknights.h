#pragma once
// The dark-and-no-Moon intervals of months as calendar events.
//
// Under the standard rule (month/nights.h) the intervals are the months'
// D.a.n.M. intervals; under another they are the nights' pieces of that
// rule, joined where one ends at the instant the next begins.
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
#include "month/nights.h"

namespace ical {

struct DarkInterval {
    double begin = 0;  // instants, MJD UT
    double end = 0;
    // The same as local clock times (the table's rounded minutes), minutes
    // since 1970-01-01 00:00 of the local clock.
    long long localBegin = 0;
    long long localEnd = 0;
    // The days from the begin's to the end's, each in words: its twilight
    // (the rule's darkness horizon) and its Moon.
    std::vector<std::string> nights;
    // Running at the first instant of the month's span, still running at
    // its last: 00:00 of day 1 and 24:00 of the last day for the D.a.n.M.
    // intervals, the first and the last local noon of the nights for a
    // rule's.
    bool openAtStart = false;
    bool openAtEnd = false;
};

// "astronomical", "nautical" or "civil" for the darkness horizons
// Twilight, Nautical and Civil.
const char* DarknessName(month::Horizon darkness);

// The intervals of a rule within the nights of one month (from local noon
// of day 1 to local noon of the next month's day 1): the nights' pieces
// joined where one ends at the instant the next begins, local times on
// `clock` rounded to the minute; no nights' words.
std::vector<DarkInterval> NightIntervals(const std::vector<month::Night>& nights, const month::Clock& clock);

// The intervals of `rule` that begin in the month of `r` (for a rule's,
// after the first local noon of its nights), in time order, each followed
// to its end through the months after it (from `following`).
std::vector<DarkInterval> DarkIntervals(const month::Month& r, month::Months& following,
                                        const month::DarkRule& rule = {});

// The events' summary: "Dark, no Moon" under the standard rule, else the
// rule's darkness and Moon limit: "Dark (nautical), no Moon" for a limit
// of 0, "Dark (nautical), Moon at most 15%" above it.
std::string DarkSummary(const month::DarkRule& rule);

// One VEVENT per interval of `rule` of each month in `which` (from
// `months`, which also gives the months after them): times in UTC, the
// summary DarkSummary.
std::vector<Event> DarkNightEvents(const std::vector<month::YearMonth>& which, month::Months& months,
                                   const month::DarkRule& rule = {});

// The iCalendar text of DarkNightEvents with `stamp` as DTSTAMP.
std::string DarkNightsCalendar(const std::vector<month::YearMonth>& which, month::Months& months, UnixTime stamp,
                               const month::DarkRule& rule = {});

// Writes DarkNightsCalendar (stamped now) to `path` through a temporary file
// renamed on success.  False with `error` set when the file cannot be written.
bool WriteIcs(const std::vector<month::YearMonth>& which, month::Months& months, const std::string& path,
              std::string& error, const month::DarkRule& rule = {});

}  // namespace ical
