#include "zone/zone.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <date/tz.h>
#include <stdexcept>

namespace zone {

namespace {

using std::chrono::seconds;
using date::sys_seconds;

constexpr double kMjdOf1970 = 40587;  // MJD of 1970-01-01

const date::time_zone* find(std::string_view name) {
    // "localtime" is the machine's own zone: results would depend on it.
    if (name.empty() || name == "localtime") return nullptr;
    try {
        return date::locate_zone(name);
    } catch (const std::exception&) {
        return nullptr;
    }
}

date::year yearOf(sys_seconds t) {
    return date::year_month_day{date::floor<date::days>(t)}.year();
}

// The system's zoneinfo files list the switches up to 2037 and leave the
// later ones to a rule text that date/tz does not read, so past the last
// listed switch a zone would keep its last offset for ever.  Such a year is
// read from a year of 2010..2037 that has the same calendar (weekday of
// 1 January and leap year or not): the yearly rules repeat there.
std::optional<date::days> proxyShift(const date::time_zone* z, sys_seconds t) {
    const date::year y = yearOf(t);
    if (y <= date::year{2037}) return std::nullopt;
    date::sys_info i = z->get_info(t);
    if (i.end < date::sys_seconds{date::sys_days{date::year{32000} / 1 / 1}}) return std::nullopt;
    const date::sys_days jan1{y / 1 / 1};
    const date::weekday wd{jan1};
    for (int p = 2037; p >= 2010; --p) {
        const date::year py{p};
        const date::sys_days pj{py / 1 / 1};
        if (date::weekday{pj} == wd && py.is_leap() == y.is_leap()) return pj - jan1;
    }
    return std::nullopt;
}

// get_info with the rules repeated past the last listed switch; begin and
// end of a repeated period are moved back into the asked year.
date::sys_info infoAt(const date::time_zone* z, sys_seconds t) {
    if (auto shift = proxyShift(z, t)) {
        date::sys_info i = z->get_info(t + *shift);
        i.begin -= *shift;
        i.end -= *shift;
        // A period that reaches past the end of the proxy year is cut at
        // the asked year's end, where the next year's proxy takes over.
        const sys_seconds nextYear{date::sys_days{(yearOf(t) + date::years{1}) / 1 / 1}};
        i.end = std::min(i.end, nextYear);
        const sys_seconds thisYear{date::sys_days{yearOf(t) / 1 / 1}};
        i.begin = std::max(i.begin, thisYear);
        return i;
    }
    return z->get_info(t);
}

// The first instant at which the local clock reads `local` (seconds of
// the local clock since 1970): the earlier of two, or the switch instant
// when the clock skips it.
sys_seconds toSys(const date::time_zone* z, seconds local) {
    const sys_seconds asUtc{local};
    const seconds day{86400};
    std::optional<sys_seconds> best;
    for (seconds probe : {-day, seconds{0}, day}) {
        const seconds off = infoAt(z, asUtc + probe).offset;
        const sys_seconds u = asUtc - off;
        if (infoAt(z, u).offset == off && (!best || u < *best)) best = u;
    }
    if (best) return *best;
    // Skipped: read with the offset before the gap, the instant lies past
    // the switch, which is where the day (or the hour) starts.
    return infoAt(z, asUtc - infoAt(z, asUtc - day).offset).begin;
}

double hoursOf(seconds s) { return static_cast<double>(s.count()) / 3600.0; }

}  // namespace

bool Known(std::string_view name) { return find(name) != nullptr; }

std::vector<std::string> Names() {
    std::vector<std::string> names;
    try {
        // "localtime" is the system's link to its own zone, not a zone name.
        for (const date::time_zone& z : date::get_tzdb().zones)
            if (z.name() != "localtime") names.push_back(std::string(z.name()));
    } catch (const std::exception&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<MonthClocks> ClocksOfMonth(std::string_view name, int year, int month) {
    const date::time_zone* z = find(name);
    if (!z) return std::nullopt;
    MonthClocks clocks;
    const date::sys_days first{date::year{year} / date::month{static_cast<unsigned>(month)} / 1};
    sys_seconds start = toSys(z, first.time_since_epoch());
    for (int d = 1; d <= 31; ++d) {
        const seconds midnight = (first + date::days{d - 1}).time_since_epoch();
        const sys_seconds next = toSys(z, midnight + seconds{86400});
        date::sys_info info = infoAt(z, start);
        DayClock& c = clocks[static_cast<std::size_t>(d)];
        c.offsetHours = hoursOf(info.offset);
        c.startMjd = static_cast<double>(start.time_since_epoch().count()) / 86400.0 + kMjdOf1970;
        c.startClock = hoursOf(start.time_since_epoch() + info.offset - midnight);
        c.lengthHours = hoursOf(next - start);
        while (info.end < next) {
            date::sys_info after = infoAt(z, info.end);
            // Periods split at a year's end without a change are no switch.
            if (after.offset != info.offset && c.switches < 2) {
                auto k = static_cast<std::size_t>(c.switches++);
                c.switchAt[k] = hoursOf(info.end - start);
                c.shiftHours[k] = hoursOf(after.offset - info.offset);
            }
            info = after;
        }
        c.plain = c.switches == 0 && c.startClock == 0;
        start = next;
    }
    return clocks;
}

std::optional<double> StandardOffsetHours(std::string_view name, int year) {
    const date::time_zone* z = find(name);
    if (!z) return std::nullopt;
    const date::year y{year};
    const seconds jan = infoAt(z, sys_seconds{date::sys_days{y / 1 / 1}}).offset;
    const seconds jul = infoAt(z, sys_seconds{date::sys_days{y / 7 / 1}}).offset;
    return hoursOf(std::min(jan, jul));
}

std::optional<SummerTime> SummerTimeOf(std::string_view name, int year, int month) {
    const date::time_zone* z = find(name);
    const std::optional<double> standard = StandardOffsetHours(name, year);
    if (!z || !standard) return std::nullopt;
    const auto summer = [&](const date::sys_info& i) { return hoursOf(i.offset) > *standard; };
    const date::year_month first{date::year{year}, date::month{static_cast<unsigned>(month)}};
    // The month's local days lie within a day of its UTC days.
    sys_seconds t{date::sys_days{first / 1} - date::days{1}};
    const sys_seconds last{date::sys_days{(first + date::months{1}) / 1} + date::days{1}};
    date::sys_info i = infoAt(z, t);
    for (int n = 0; !summer(i) && i.end < last && n < 16; ++n) i = infoAt(z, i.end);
    if (!summer(i)) return std::nullopt;
    // Periods cut at a year's end, or rules that change without ending
    // summer time, are joined.
    sys_seconds from = i.begin, until = i.end;
    seconds fromOffset = i.offset;
    for (int n = 0; n < 16; ++n) {
        const date::sys_info before = infoAt(z, from - seconds{1});
        if (!summer(before) || before.begin >= from) break;
        from = before.begin;
        fromOffset = before.offset;
    }
    for (int n = 0; n < 16; ++n) {
        const date::sys_info after = infoAt(z, until);
        if (!summer(after) || after.end <= until) break;
        until = after.end;
    }
    // The switches' days on the local clock: the first with the summer
    // offset, the last with the offset that follows it.
    const date::year_month_day a{date::floor<date::days>(from + fromOffset)};
    const date::year_month_day b{date::floor<date::days>(until + infoAt(z, until).offset - seconds{1})};
    SummerTime st;
    st.fromYear = static_cast<int>(a.year());
    st.fromMonth = static_cast<int>(static_cast<unsigned>(a.month()));
    st.fromDay = static_cast<int>(static_cast<unsigned>(a.day()));
    st.untilYear = static_cast<int>(b.year());
    st.untilMonth = static_cast<int>(static_cast<unsigned>(b.month()));
    st.untilDay = static_cast<int>(static_cast<unsigned>(b.day()));
    // Summer time outside the month (it ended the day before it, say).
    const int firstDay = year * 10000 + month * 100 + 1;
    const int lastDay = year * 10000 + month * 100 + 31;
    if (st.fromYear * 10000 + st.fromMonth * 100 + st.fromDay > lastDay ||
        st.untilYear * 10000 + st.untilMonth * 100 + st.untilDay < firstDay)
        return std::nullopt;
    return st;
}

std::optional<double> SettingsHours(std::string_view name) {
    const auto now = date::floor<date::days>(std::chrono::system_clock::now());
    auto h = StandardOffsetHours(name, static_cast<int>(date::year_month_day{now}.year()));
    if (!h) return std::nullopt;
    return std::clamp(std::round(*h), -12.0, 12.0);
}

std::optional<double> OffsetHoursAt(std::string_view name, double mjdUt) {
    const date::time_zone* z = find(name);
    if (!z) return std::nullopt;
    const auto s = static_cast<long long>(std::floor((mjdUt - kMjdOf1970) * 86400.0));
    return hoursOf(infoAt(z, sys_seconds{seconds{s}}).offset);
}

std::optional<long long> LocalToUtcMinutes(std::string_view name, long long localMinutes) {
    const date::time_zone* z = find(name);
    if (!z) return std::nullopt;
    return toSys(z, seconds{localMinutes * 60}).time_since_epoch().count() / 60;
}

}  // namespace zone
