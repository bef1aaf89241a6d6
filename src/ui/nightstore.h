#pragma once
// The months of the place shown, each calculated once, and the nights the
// window's Nights page and year chart show, kept while the place and the
// dark rule stay the same.
#include <optional>
#include <vector>

#include "month/months.h"
#include "month/nights.h"
#include "settings/settings.h"

namespace ui {

// The dark rule of the settings' darkness and Moon limit.
month::DarkRule DarkRuleOf(const settings::Settings& s);
// The ephemeris the settings choose.
month::Ephemeris EphemerisOf(const settings::Settings& s);

class NightStore {
public:
    // Month m, calculated for its place, kept unless the store holds that
    // month already; the stored month.  A month of another place than the
    // last one starts a new store (the nights of the old place are dropped).
    const month::Month& keep(const month::Month& m);
    // The nights whose evenings are the days of month ym, or 1 January to
    // 31 December of `year`, at the place last kept, under `rule`.  They
    // point into the store's months and stay valid until the next call of
    // the same kind or a new place.
    const std::vector<month::Night>& monthNights(month::YearMonth ym, const month::DarkRule& rule);
    const std::vector<month::Night>& yearNights(int year, const month::DarkRule& rule);
    // The month ym, and all months, of the place last kept (calculated
    // when first asked for).
    const month::Month& at(month::YearMonth ym);
    month::Months& months() { return *months_; }

private:
    struct Kept {
        int key = -1;
        month::DarkRule rule;
        std::vector<month::Night> nights;
    };
    std::optional<month::Months> months_;
    Kept month_, year_;
};

}  // namespace ui
