// The months of one place calculated once, and intervals carried on into
// the month after.
#include "month/months.h"

#include <iterator>

#include "calendar/calendar.h"
#include "month/monthcalc.h"

namespace month {

namespace {

// The map's key of a month: months since year 0.
int keyOf(YearMonth ym) { return ym.year * 12 + ym.month - 1; }

}  // namespace

const Month& Months::at(YearMonth ym) {
    const int key = keyOf(ym);
    auto it = months_.find(key);
    if (it == months_.end()) it = months_.emplace(key, CalculateMonth(ym, place_, ephemeris_)).first;
    return it->second;
}

const Month& Months::keep(Month m) {
    const int key = keyOf(m.ym);
    return months_.insert_or_assign(key, std::move(m)).first->second;
}

bool Months::has(YearMonth ym) const { return months_.count(keyOf(ym)) != 0; }

std::vector<Night> NightsOf(Months& months, YearMonth first, int count, const DarkRule& rule) {
    std::vector<Night> nights;
    for (int i = 0; i < count; ++i) {
        const YearMonth ym = calendar::ShiftedMonth(first, i);
        const Month& cur = months.at(ym);
        std::vector<Night> part = Nights(cur, months.at(calendar::ShiftedMonth(ym, 1)), rule);
        nights.insert(nights.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    }
    return nights;
}

bool JoinContinuation(Interval& open, const Month& next) {
    if (next.intervals.empty() || !next.intervals.front().openAtStart) return false;
    const Interval& cont = next.intervals.front();
    open.end = cont.end;
    open.endDay = cont.endDay;
    open.endHhmm = cont.endHhmm;
    open.openAtEnd = cont.openAtEnd;
    return true;
}

}  // namespace month
