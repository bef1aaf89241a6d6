#pragma once
// The months of one place, each calculated once, and the interval that
// runs on from one month into the next.
#include <map>

#include <vector>

#include "month/model.h"
#include "month/nights.h"

namespace month {

// The months of one place and one ephemeris, each calculated when first
// asked for and kept: a view that needs the month after (the last night,
// an interval that runs on) gets the same month as every other view.  A
// change of ephemeris, like a change of place, takes a new store.
class Months {
public:
    explicit Months(Place place, Ephemeris ephemeris = Ephemeris::Standard)
        : place_(std::move(place)), ephemeris_(ephemeris) {}
    // The month ym (1900..2100 and the months just after 2100).
    const Month& at(YearMonth ym);
    // Keeps a month already calculated for this place with this ephemeris.
    const Month& keep(Month m);
    // Whether the month ym is held (calculated or kept) already.
    bool has(YearMonth ym) const;
    const Place& place() const { return place_; }
    Ephemeris ephemeris() const { return ephemeris_; }

private:
    Place place_;
    Ephemeris ephemeris_;
    std::map<int, Month> months_;  // by year * 12 + month - 1; references stay valid
};

// The nights whose evenings are the days of the `count` months from
// `first`, each month read with the one after it, under `rule`.  They point
// into `months`.
std::vector<Night> NightsOf(Months& months, YearMonth first, int count, const DarkRule& rule = {});

// `open`, an interval still open at the end of its month, carried on into
// `next`, the month after: joined with next's first interval when that one
// runs from next's first instant (its end, its end clock time and its end
// day, a day number of next, taken over; still open at next's end if that
// one is).  False, and
// `open` unchanged, when next begins without it.
bool JoinContinuation(Interval& open, const Month& next);

}  // namespace month
