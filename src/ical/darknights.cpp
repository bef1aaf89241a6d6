#include "ical/darknights.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

#include "astro/calendar.h"
#include "report/reporter.h"
#include "astro/sunmoon.h"
#include "fileio/filewrite.h"
#include "text/valuerule.h"
#include "zone/zone.h"

namespace ical {

namespace {

constexpr long long kMjdOf1970 = 40587;  // MJD of 1970-01-01
// Months an interval is followed into before it is given up (the longest
// dark and moonless stretch, in the polar night, lasts about two weeks).
constexpr int kMaxFollowMonths = 3;

long long localDay(const month::YearMonth& ym, int day) {
    return std::llround(astro::mjd(ym.year, ym.month, day, 0)) - kMjdOf1970;
}

// "hhmm" from "0000" to "2400" as minutes of the day; anything else -1.
int cellMinutes(const std::string& s) {
    if (s.size() != 4) return -1;
    for (char c : s)
        if (c < '0' || c > '9') return -1;
    int h = (s[0] - '0') * 10 + (s[1] - '0');
    int m = (s[2] - '0') * 10 + (s[3] - '0');
    if (m > 59 || h * 60 + m > 24 * 60) return -1;
    return h * 60 + m;
}

month::YearMonth shifted(month::YearMonth ym, int by) {
    int i = ym.year * 12 + (ym.month - 1) + by;
    return {i / 12, i % 12 + 1};
}

std::optional<month::MonthResult> calculate(const month::YearMonth& ym, const Place& place) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d", ym.year, ym.month);
    report::SilentReporter quiet;
    return month::CalculateMonth(text, place.summerTime, place.location, quiet);
}

// The walk over the D.a.n.M. cells, row by row.  A cell keeps only the last
// begin (end) of its day, so a row with both cells is read in the order the
// scan can have written them: while an interval is open an end before the
// begin closes it and the begin opens the next; an end at the minute of the
// begin closes and reopens it at once (it goes on).  An end after the begin
// while open means the open interval's own end was overwritten: it is
// dropped, being unknown; an end before the begin while closed belongs to an
// interval whose begin was overwritten: the end is passed over.
class Walk {
public:
    bool open = false;
    // The open interval is not to be written: it began before the exported
    // month, or after the interval being followed into a later month.
    bool foreign = false;
    bool following = false;
    std::vector<DarkInterval> done;

    void row(const month::MonthResult& r, int d) {
        const auto& cells = r.tab[static_cast<std::size_t>(d)];
        const long long day0 = localDay(r.ym, d) * 1440;
        int b = cellMinutes(cells[7]);  // -1: no begin
        int e = cellMinutes(cells[8]);  // -1: no end
        if (d == 1 && open) {
            // The next month's table opens an interval running at 00:00 of
            // day 1 with "0000", which a later begin of the day overwrites;
            // an end before that begin (or "0000" itself) shows it was open.
            // Otherwise the interval ended at midnight.
            if (b == 0)
                b = -1;
            else if (!(e >= 0 && e < b))
                close(day0);
        }
        NightRow night{r.ym, d, cells[1], cells[2], cells[5], cells[6]};
        if (open) cur_.rows.push_back(night);
        if (b >= 0 && e >= 0) {
            if (open) {
                if (e < b) {
                    close(day0 + e);
                    start(day0 + b, night);
                } else if (e > b) {
                    open = false;
                    start(day0 + b, night);
                    close(day0 + e);
                }
            } else if (b < e) {
                start(day0 + b, night);
                close(day0 + e);
            } else if (e < b) {
                start(day0 + b, night);
            }
        } else if (b >= 0) {
            if (!open) start(day0 + b, night);
        } else if (e >= 0) {
            if (open) close(day0 + e);
        }
    }

private:
    DarkInterval cur_;

    void start(long long t, const NightRow& night) {
        cur_ = DarkInterval{};
        cur_.begin = t;
        cur_.rows.push_back(night);
        open = true;
        foreign = following;
    }
    void close(long long t) {
        if (open && !foreign && t > cur_.begin) {
            cur_.end = t;
            done.push_back(cur_);
        }
        open = false;
        foreign = false;
    }
};

std::string signedZone(long long minutes) {
    char buf[32];
    long long a = minutes < 0 ? -minutes : minutes;
    if (a % 60 == 0)
        std::snprintf(buf, sizeof buf, "UTC%c%lld", minutes < 0 ? '-' : '+', a / 60);
    else
        std::snprintf(buf, sizeof buf, "UTC%c%lld:%02lld", minutes < 0 ? '-' : '+', a / 60, a % 60);
    return buf;
}

// "Sat 1 Jun 2024" of a local day count from 1970-01-01.
std::string dayText(long long days) {
    std::time_t t = static_cast<std::time_t>(days * 86400);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return text::dayText(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday);
}

std::string clockText(long long localMinutes) {
    long long days = localMinutes >= 0 ? localMinutes / 1440 : -((-localMinutes + 1439) / 1440);
    long long m = localMinutes - days * 1440;
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s %02lld:%02lld", dayText(days).c_str(), m / 60, m % 60);
    return buf;
}

std::string cellClock(const std::string& cell) {
    int m = cellMinutes(cell);
    if (m >= 0) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d:%02d", m / 60, m % 60);
        return buf;
    }
    return "none";
}

// One object's cells in words: its day mark, or its two events.
struct CellWords {
    const char* upMark;
    const char* upText;
    const char* downMark;
    const char* downText;
    const char* first;   // "twilight begins", "Moon rises"
    const char* second;  // "ends", "sets"
};

std::string cellWords(const std::string& a, const std::string& b, const CellWords& w) {
    if (a == w.upMark) return w.upText;
    if (a == w.downMark) return w.downText;
    return std::string(w.first) + " " + cellClock(a) + ", " + w.second + " " + cellClock(b);
}

std::string nightLine(const NightRow& n) {
    static const CellWords twilight{"a.b.", "never astronomically dark", "a.d.",
                                    "astronomically dark all day", "twilight begins", "ends"};
    static const CellWords moon{"a.h.", "Moon above the horizon all day", "b.h.",
                                "Moon below the horizon all day", "Moon rises", "sets"};
    return dayText(localDay(n.ym, n.day)) + ": " +
           cellWords(n.twilightBegin, n.twilightEnd, twilight) + "; " +
           cellWords(n.moonRise, n.moonSet, moon);
}

std::string placeText(const month::Location& loc) {
    return text::significant(std::fabs(loc.latitude), 4) + "\xC2\xB0 " + (loc.latitude < 0 ? 'S' : 'N') +
           ", " + text::significant(std::fabs(loc.longitude), 5) + "\xC2\xB0 " +
           (loc.longitude < 0 ? 'W' : 'E');
}

}  // namespace

long long Place::zoneMinutes() const {
    return std::llround((location.timeZone + (summerTime ? 1 : 0)) * 60);
}

std::vector<DarkInterval> DarkIntervals(const month::MonthResult& r, const Place& place) {
    Walk w;
    // An interval running into this month from the month before is that
    // month's: it starts the walk as a foreign open interval.
    if (auto prev = calculate(shifted(r.ym, -1), place)) {
        Walk p;
        for (int d = 1; d <= prev->dayRows; ++d) p.row(*prev, d);
        w.open = p.open;
        w.foreign = p.open;
    }
    for (int d = 1; d <= r.dayRows; ++d) w.row(r, d);
    // Follow the last interval into the next months to its end.
    w.following = true;
    for (int k = 1; k <= kMaxFollowMonths && w.open && !w.foreign; ++k) {
        auto next = calculate(shifted(r.ym, k), place);
        if (!next) break;  // past 2100: the end is not known, nothing written
        for (int d = 1; d <= next->dayRows && w.open; ++d) w.row(*next, d);
    }
    return w.done;
}

double IlluminatedFraction(double mjdUt) {
    double t = (mjdUt - 51544.5) / 36525;
    double raS = 0, decS = 0, raM = 0, decM = 0;
    astro::sun(t, raS, decS);
    astro::moon(t, raM, decM);
    // Elongation psi; seen from the Earth the phase angle is 180 - psi to
    // within 0.15 degrees (the Moon's distance against the Sun's).
    double cosPsi = astro::sn(decS) * astro::sn(decM) +
                    astro::cn(decS) * astro::cn(decM) * astro::cn(15 * (raS - raM));
    return (1 - cosPsi) / 2;
}

std::vector<Event> DarkNightEvents(const std::vector<month::MonthResult>& months,
                                   const Place& place) {
    std::vector<Event> events;
    const long long zone = place.zoneMinutes();
    const month::Location& loc = place.location;
    const std::string& zoneName = loc.zoneName;
    const bool named = zone::Known(zoneName);
    const std::string zoneText = named ? zoneName : signedZone(zone);
    const std::string geoId = text::fixed(std::fabs(loc.latitude), 4) + (loc.latitude < 0 ? 'S' : 'N') +
                              text::fixed(std::fabs(loc.longitude), 4) + (loc.longitude < 0 ? 'W' : 'E');
    for (const auto& r : months) {
        for (const DarkInterval& iv : DarkIntervals(r, place)) {
            Event e;
            // A named zone: each clock time with the offset of its own day
            // (the earlier instant of a clock time that occurs twice).
            if (named) {
                e.start = zone::LocalToUtcMinutes(zoneName, iv.begin).value_or(iv.begin - zone) * 60;
                e.end = zone::LocalToUtcMinutes(zoneName, iv.end).value_or(iv.end - zone) * 60;
            } else {
                e.start = (iv.begin - zone) * 60;
                e.end = (iv.end - zone) * 60;
            }
            e.uid = UtcDateTime(e.start) + "-" + geoId + "-dark@almucan";
            e.summary = "Dark, no Moon";
            double k = IlluminatedFraction(static_cast<double>(e.start) / 86400 + kMjdOf1970);
            const std::string pct = text::fixed(100 * k, 0) + "%";
            e.description = "Dark and no Moon from " + clockText(iv.begin) + " to " +
                            clockText(iv.end) + " (local time, " + zoneText + ").\n" +
                            "Moon illuminated at the start: " + pct + ".";
            for (const NightRow& n : iv.rows) e.description += "\n" + nightLine(n);
            e.location = placeText(loc);
            e.hasGeo = true;
            e.latitude = loc.latitude;
            e.longitude = loc.longitude;
            events.push_back(std::move(e));
        }
    }
    return events;
}

std::string DarkNightsCalendar(const std::vector<month::MonthResult>& months, const Place& place,
                               UnixTime stamp) {
    return CalendarText(DarkNightEvents(months, place), stamp, "-//Almucan//Almucan 0.9//EN");
}

bool WriteIcs(const std::vector<month::MonthResult>& months, const month::Location& location,
              bool summerTime, const std::string& path, std::string& error) {
    Place place{location, summerTime};
    std::string text = DarkNightsCalendar(months, place, static_cast<UnixTime>(std::time(nullptr)));
    std::string why = fileio::ReplaceFile(path, text);
    if (why.empty()) return true;
    error = "cannot write " + path + ": " + why;
    return false;
}

}  // namespace ical
