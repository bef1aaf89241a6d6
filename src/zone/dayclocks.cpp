// Local clocks of named zones: a month's day clocks, summer time, offsets, local time to UTC.
#include "zone/zone.h"
#include "zone/clock.h"
#include "zone/tzfile.h"

#include "calendar/calendar.h"
#include "text/strings.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <date/date.h>

namespace zone {

namespace {

using date::sys_seconds;
using std::chrono::seconds;

using calendar::kMjdOf1970;

double hoursOf(seconds s) { return static_cast<double>(s.count()) / 3600.0; }

}  // namespace

std::optional<MonthClocks> ClocksOfMonth(std::string_view name, int year, int month) {
    const std::shared_ptr<const ZoneFile> z = FindZoneFile(name);
    if (!z) return std::nullopt;
    MonthClocks clocks;
    const date::sys_days first{date::year{year} / date::month{static_cast<unsigned>(month)} / 1};
    // Most months keep one offset from before their first day to after the
    // 32nd: every day is then a plain day of that offset.
    const Period whole = PeriodAt(*z, sys_seconds{first - date::days{2}});
    if (whole.end > sys_seconds{first + date::days{34}}) {
        for (int d = 1; d <= 31; ++d) {
            const seconds midnight = (first + date::days{d - 1}).time_since_epoch();
            DayClock& c = clocks[static_cast<std::size_t>(d)];
            c.offsetHours = hoursOf(whole.offset);
            c.startMjd = static_cast<double>((midnight - whole.offset).count()) / 86400.0 + kMjdOf1970;
        }
        return clocks;
    }
    Lookup info{*z};
    sys_seconds start = FirstInstant(info, first.time_since_epoch());
    for (int d = 1; d <= 31; ++d) {
        const seconds midnight = (first + date::days{d - 1}).time_since_epoch();
        const sys_seconds next = FirstInstant(info, midnight + seconds{86400});
        Period period = info(start);
        DayClock& c = clocks[static_cast<std::size_t>(d)];
        c.offsetHours = hoursOf(period.offset);
        c.startMjd = static_cast<double>(start.time_since_epoch().count()) / 86400.0 + kMjdOf1970;
        c.startClock = hoursOf(start.time_since_epoch() + period.offset - midnight);
        c.lengthHours = hoursOf(next - start);
        double clockAtEnd = c.startClock + c.lengthHours;
        // A switch at the next day's first instant belongs to this day when
        // its clock would otherwise end short of 24:00 (a switch at 23:00 to
        // the next midnight: a day of 23 hours whose clock ends at 24:00).
        while (period.end < next || (period.end == next && clockAtEnd < 24 && c.Exists())) {
            Period after = info(period.end);
            // Periods that meet without a change of offset are no switch.
            if (after.offset != period.offset && c.switches < 2) {
                auto k = static_cast<std::size_t>(c.switches++);
                c.switchAt[k] = hoursOf(period.end - start);
                c.shiftHours[k] = hoursOf(after.offset - period.offset);
                clockAtEnd += c.shiftHours[k];
            }
            period = after;
        }
        c.plain = c.switches == 0 && c.startClock == 0 && c.lengthHours == 24;
        start = next;
    }
    return clocks;
}

std::optional<double> StandardOffsetHours(std::string_view name, int year) {
    const std::shared_ptr<const ZoneFile> z = FindZoneFile(name);
    if (!z) return std::nullopt;
    const date::year y{year};
    const seconds jan = PeriodAt(*z, sys_seconds{date::sys_days{y / 1 / 1}}).offset;
    const seconds jul = PeriodAt(*z, sys_seconds{date::sys_days{y / 7 / 1}}).offset;
    return hoursOf(std::min(jan, jul));
}

std::optional<SummerTime> SummerTimeOf(std::string_view name, int year, int month) {
    const std::shared_ptr<const ZoneFile> z = FindZoneFile(name);
    const std::optional<double> standard = StandardOffsetHours(name, year);
    if (!z || !standard) return std::nullopt;
    const auto summer = [&](const Period& i) { return hoursOf(i.offset) > *standard; };
    const date::year_month first{date::year{year}, date::month{static_cast<unsigned>(month)}};
    // The month's local days lie within a day of its UTC days.
    sys_seconds t{date::sys_days{first / 1} - date::days{1}};
    const sys_seconds last{date::sys_days{(first + date::months{1}) / 1} + date::days{1}};
    Period i = PeriodAt(*z, t);
    for (int n = 0; !summer(i) && i.end < last && n < 16; ++n) i = PeriodAt(*z, i.end);
    if (!summer(i)) return std::nullopt;
    // Periods cut at a year's end, or rules that change without ending
    // summer time, are joined.
    sys_seconds from = i.begin, until = i.end;
    seconds fromOffset = i.offset;
    for (int n = 0; n < 16; ++n) {
        const Period before = PeriodAt(*z, from - seconds{1});
        if (!summer(before) || before.begin >= from) break;
        from = before.begin;
        fromOffset = before.offset;
    }
    for (int n = 0; n < 16; ++n) {
        const Period after = PeriodAt(*z, until);
        if (!summer(after) || after.end <= until) break;
        until = after.end;
    }
    // The switches' days on the local clock: the first with the summer
    // offset, the last with the offset that follows it.
    const date::year_month_day a{date::floor<date::days>(from + fromOffset)};
    const date::year_month_day b{date::floor<date::days>(until + PeriodAt(*z, until).offset - seconds{1})};
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
    const std::shared_ptr<const ZoneFile> z = FindZoneFile(name);
    if (!z) return std::nullopt;
    const auto s = static_cast<long long>(std::floor((mjdUt - kMjdOf1970) * 86400.0));
    return hoursOf(PeriodAt(*z, sys_seconds{seconds{s}}).offset);
}

std::optional<long long> LocalToUtcMinutes(std::string_view name, long long localMinutes) {
    const std::shared_ptr<const ZoneFile> z = FindZoneFile(name);
    if (!z) return std::nullopt;
    Lookup info{*z};
    return FirstInstant(info, seconds{localMinutes * 60}).time_since_epoch().count() / 60;
}

double Clock::offsetAt(double mjdUt) const {
    if (named())
        if (auto h = OffsetHoursAt(zoneName, mjdUt)) return *h;
    return fixedOffsetHours();
}

Place InForce(const Place& stored, bool summerTime) {
    Place p = stored;
    // Only whether the file reads matters here: no closest names are sought.
    if (p.clock.named() && !FindZoneFile(p.clock.zoneName)) p.clock.zoneName.clear();
    p.clock.summerTime = summerTime && !p.clock.named();
    p.name = text::validUtf8(p.name);
    return p;
}

}  // namespace zone
