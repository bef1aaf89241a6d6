#pragma once
// Named time zones of the tz database: the system's zone files (TZif, in
// /usr/share/zoneinfo or the folder named by TZDIR), their listed switches
// and, past the last one, the file's rule for all later years (a POSIX TZ
// text, applied through date/ptz.h).  The local clock of each day of a
// month, checks of names and the conversion of local clock times to UTC.
// Qt-free.  The public face of the zone library: tzfile.cpp reads the
// files, zonenames.cpp knows the names, dayclocks.cpp works out the clocks.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zone {

// The local clock of one calendar day in a named zone.  The day runs from
// its first instant (local midnight, or the switch instant when midnight
// is skipped) to the first instant of the next day.
struct DayClock {
    double offsetHours = 0;  // UTC offset at the first instant, hours east
    // One offset for the whole day of 24 hours from 00:00: the day is
    // searched exactly as with a fixed zone of offsetHours.
    bool plain = true;
    double startMjd = 0;      // first instant, MJD in UT
    double startClock = 0;    // local clock at the first instant, hours (0 unless midnight is skipped)
    double lengthHours = 24;  // hours to the next day's first instant (0, 23, 24, 25, 47, ...)
    // Switches within the day: hours after the first instant, and how far
    // the clock moves there (hours, + forward).  A switch at the day's end
    // is listed when the clock reaches 24:00 only through it (23:00 set
    // forward to the next midnight).
    int switches = 0;
    std::array<double, 2> switchAt{};
    std::array<double, 2> shiftHours{};

    // False for a day the zone skipped entirely (its clock jumped from the
    // day before to the day after): no instant of it exists.
    bool Exists() const { return lengthHours > 0; }

    // Local clock hours of the instant `elapsed` hours after the first instant.
    double ClockAt(double elapsed) const {
        double c = startClock + elapsed;
        for (int i = 0; i < switches; ++i)
            if (elapsed >= switchAt[static_cast<std::size_t>(i)]) c += shiftHours[static_cast<std::size_t>(i)];
        return c;
    }
};
// Index 1..31 by day number (days past the month's end run on into the
// next month); entry 0 unused.
using MonthClocks = std::array<DayClock, 32>;

// The folder of the zone files: $TZDIR when set and not empty, else
// /usr/share/zoneinfo.
std::string ZoneinfoRoot();

// True when `name` names a zone file of the database ("Europe/Vienna"),
// whether or not the file can be read.
bool Known(std::string_view name);

// The names of the database's zones, sorted.
std::vector<std::string> Names();

// The names closest to `name`, a name the database does not know: those
// equal to it but for case and surrounding blanks; else those whose last
// part ("Berlin") is; else the fewest edits away (at most a quarter of
// the name, at least 2).  Sorted; empty when none is close.
std::vector<std::string> Closest(std::string_view name);

// Why a named zone cannot be used.
struct Error {
    enum class Kind { Unknown, Unreadable };
    Kind kind = Kind::Unknown;
    // "unknown time zone 'Berlin'; did you mean Europe/Berlin?" or
    // "The time zone Europe/Vienna cannot be read: the file is empty"
    std::string message;
};

// Nothing when `name` is a zone whose file reads (it is then kept for the
// rest of the run); else what is wrong.
std::optional<Error> Check(std::string_view name);

// The clocks of day numbers 1..31 of the month; empty for a name that
// Check refuses.  Computed once per month calculation.
std::optional<MonthClocks> ClocksOfMonth(std::string_view name, int year, int month);

// The zone's standard offset in `year` (the smaller of the offsets on 1
// January and 1 July), hours east; empty for a name that Check
// refuses.
std::optional<double> StandardOffsetHours(std::string_view name, int year);

// The standard offset of the current year rounded to whole hours (half
// away from zero) and held within -12..12: the time zone line of the
// settings file while a zone is named.
std::optional<double> SettingsHours(std::string_view name);

// The summer time that covers some of a month: the period in which the
// zone's offset is above its standard offset of that year
// (StandardOffsetHours), as the local dates of its first and last day.
struct SummerTime {
    int fromYear = 0, fromMonth = 0, fromDay = 0;
    int untilYear = 0, untilMonth = 0, untilDay = 0;
};
// Empty when the month has no summer time or the name is unknown.
std::optional<SummerTime> SummerTimeOf(std::string_view name, int year, int month);

// The zone's UTC offset at an instant (MJD UT), hours east; empty for an
// unknown name.
std::optional<double> OffsetHoursAt(std::string_view name, double mjdUt);

// UTC minutes since 1970 of a local clock time (minutes since 1970-01-01
// 00:00 of the local clock): the earlier instant of a clock time that
// occurs twice, the switch instant for one that is skipped.
std::optional<long long> LocalToUtcMinutes(std::string_view name, long long localMinutes);

}  // namespace zone
