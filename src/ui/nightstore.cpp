// The window's store of calculated months and of the nights its Nights page and year chart show.
#include "ui/nightstore.h"

#include <iterator>

#include "calendar/calendar.h"

namespace ui {

namespace {

int KeyOf(month::YearMonth ym) { return ym.year * 12 + ym.month - 1; }

bool SamePlace(const month::Place& a, const month::Place& b) {
    return a.longitude == b.longitude && a.latitude == b.latitude && a.clock.fixedHours == b.clock.fixedHours &&
           a.clock.summerTime == b.clock.summerTime && a.clock.zoneName == b.clock.zoneName && a.name == b.name;
}

bool SameRule(const month::DarkRule& a, const month::DarkRule& b) {
    return a.darkness == b.darkness && a.moonMaxPercent == b.moonMaxPercent;
}

}  // namespace

month::DarkRule DarkRuleOf(const settings::Settings& s) {
    month::DarkRule rule;
    switch (s.darkness) {
        case settings::Darkness::Astronomical:
            rule.darkness = month::Horizon::Twilight;
            break;
        case settings::Darkness::Nautical:
            rule.darkness = month::Horizon::Nautical;
            break;
        case settings::Darkness::Civil:
            rule.darkness = month::Horizon::Civil;
            break;
    }
    rule.moonMaxPercent = s.moonMaxPercent;
    return rule;
}

const month::Month& NightStore::keep(const month::Month& m) {
    if (!months_ || !SamePlace(months_->place(), m.place)) {
        months_.emplace(m.place);
        held_.clear();
        month_ = {};
        year_ = {};
    }
    if (held_.insert(KeyOf(m.ym)).second) return months_->keep(m);
    return months_->at(m.ym);
}

const month::Month& NightStore::at(month::YearMonth ym) {
    held_.insert(KeyOf(ym));
    return months_->at(ym);
}

std::vector<month::Night> NightStore::nightsOf(month::YearMonth first, int count, const month::DarkRule& rule) {
    std::vector<month::Night> nights;
    for (int i = 0; i < count; ++i) {
        const month::YearMonth ym = calendar::ShiftedMonth(first, i);
        const month::Month& cur = at(ym);
        std::vector<month::Night> part = month::Nights(cur, at(calendar::ShiftedMonth(ym, 1)), rule);
        nights.insert(nights.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    }
    return nights;
}

const std::vector<month::Night>& NightStore::monthNights(month::YearMonth ym, const month::DarkRule& rule) {
    if (month_.key != KeyOf(ym) || !SameRule(month_.rule, rule)) month_ = {KeyOf(ym), rule, nightsOf(ym, 1, rule)};
    return month_.nights;
}

const std::vector<month::Night>& NightStore::yearNights(int year, const month::DarkRule& rule) {
    if (year_.key != year || !SameRule(year_.rule, rule)) year_ = {year, rule, nightsOf({year, 1}, 12, rule)};
    return year_.nights;
}

}  // namespace ui
