// The window's store of calculated months and of the nights its Nights page and year chart show.
#include "ui/nightstore.h"

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

month::Ephemeris EphemerisOf(const settings::Settings& s) {
    return s.ephemeris == settings::Ephemeris::Precise ? month::Ephemeris::Precise : month::Ephemeris::Standard;
}

const month::Month& NightStore::keep(const month::Month& m) {
    if (!months_ || !SamePlace(months_->place(), m.place) || months_->ephemeris() != m.ephemeris) {
        months_.emplace(m.place, m.ephemeris);
        month_ = {};
        year_ = {};
    }
    // A month held already stays: the nights kept point into it.
    return months_->has(m.ym) ? months_->at(m.ym) : months_->keep(m);
}

const month::Month& NightStore::at(month::YearMonth ym) { return months_->at(ym); }

const std::vector<month::Night>& NightStore::monthNights(month::YearMonth ym, const month::DarkRule& rule) {
    if (month_.key != KeyOf(ym) || !SameRule(month_.rule, rule))
        month_ = {KeyOf(ym), rule, month::NightsOf(*months_, ym, 1, rule)};
    return month_.nights;
}

const std::vector<month::Night>& NightStore::yearNights(int year, const month::DarkRule& rule) {
    if (year_.key != year || !SameRule(year_.rule, rule))
        year_ = {year, rule, month::NightsOf(*months_, {year, 1}, 12, rule)};
    return year_.nights;
}

}  // namespace ui
