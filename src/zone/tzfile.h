#pragma once
// The zone files themselves, for the rest of the zone library: a zone's
// file read once per run, and the UT offset it gives at any instant (its
// listed switches, then the rule for the years after the last one).
#include <chrono>
#include <date/date.h>
#include <memory>
#include <string>
#include <string_view>

namespace zone {

// One zone file as read (tzfile.cpp).
struct ZoneFile;

// One period of a single UT offset.
struct Period {
    date::sys_seconds begin, end;
    std::chrono::seconds offset;
};

// The zone `name`, read on first use and kept for the rest of the run;
// nothing with `why` empty for an unknown name, with the reason ("the
// file is empty") for a file that cannot be read.
std::shared_ptr<const ZoneFile> LoadZoneFile(std::string_view name, std::string& why);
// LoadZoneFile without the reason.
std::shared_ptr<const ZoneFile> FindZoneFile(std::string_view name);

// The period of one offset that holds instant t.
Period PeriodAt(const ZoneFile& z, date::sys_seconds t);

// PeriodAt keeping the last period found: the instants one month asks for
// lie mostly in one period, and the rule for later years is slow to apply
// (its switch dates are worked out at each call).
struct Lookup {
    const ZoneFile& z;
    Period last{};  // empty until the first call
    Period operator()(date::sys_seconds t) {
        if (t < last.begin || t >= last.end) last = PeriodAt(z, t);
        return last;
    }
};

// The first instant at which the local clock reads `local` (seconds of
// the local clock since 1970): the earlier of two, or the switch instant
// when the clock skips it.
date::sys_seconds FirstInstant(Lookup& info, std::chrono::seconds local);

}  // namespace zone
