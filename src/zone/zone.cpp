#include "zone/zone.h"
#include "zone/clock.h"

#include "calendar/calendar.h"
#include "fileio/fileread.h"
#include "text/strings.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <date/date.h>
#include <date/tz.h>
// ptz.h names hh_mm_ss once after `using namespace` of both date and
// std::chrono, ambiguous since C++20: its uses go to an alias that only
// date has.
namespace date {
template <class Duration>
using ptz_hh_mm_ss = hh_mm_ss<Duration>;
}
#define hh_mm_ss ptz_hh_mm_ss
#include <date/ptz.h>
#undef hh_mm_ss
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <sys/stat.h>

namespace zone {

namespace {

using std::chrono::seconds;
using date::sys_seconds;

using calendar::kMjdOf1970;

// Begin and end of the periods that have none: about 35,000 years either
// side of 1970, far beyond any date asked and far from overflowing.
constexpr std::int64_t kFar = std::int64_t{1} << 40;

// The largest zone file is under 4 KB; 1 MiB is no zone file.
constexpr std::size_t kMaxZoneFileBytes = std::size_t{1} << 20;

// One zone file: its switches and the rule for the years after them.
struct ZoneFile {
    std::vector<std::int64_t> at;       // switch instants, seconds since 1970 UT, ascending
    std::vector<std::int32_t> offset;   // UT offset from at[i] on, seconds east
    std::int32_t firstOffset = 0;       // UT offset before at[0]
    std::optional<Posix::time_zone> later;  // rule past the last switch (the footer)
    seconds laterShift{0};              // hours the rule's clock was moved ahead (see ruleText)
};

// One period of a single UT offset.
struct Period {
    sys_seconds begin, end;
    seconds offset;
};

std::int64_t be(std::string_view b, std::size_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    if (bytes == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return static_cast<std::int64_t>(v);
}

// date/ptz reads rule times from 0 to 99 hours only, but the rule of a zone
// that switches on the day before (America/Nuuk: "M3.5.0/-1") has a
// negative time.  Such a rule is read with its whole clock moved a day
// ahead: every UT offset a day more (the POSIX offsets, hours west, a day
// less), every switch time a day later on that clock, so the switch
// instants stay; the offsets found are moved back by `shift`.
std::string ruleText(const std::string& tz, seconds& shift) {
    shift = seconds{0};
    if (tz.find("/-") == std::string::npos) return tz;
    const seconds day{86400};
    std::size_t i = 0;
    auto readName = [&] {
        const std::size_t b = i;
        if (i < tz.size() && tz[i] == '<')
            i = tz.find('>', i) == std::string::npos ? tz.size() : tz.find('>', i) + 1;
        else
            while (i < tz.size() && std::isalpha(static_cast<unsigned char>(tz[i]))) ++i;
        return tz.substr(b, i - b);
    };
    auto readTime = [&] {  // [+-]hh[:mm[:ss]] in seconds
        int sign = 1;
        if (i < tz.size() && (tz[i] == '+' || tz[i] == '-')) sign = tz[i++] == '-' ? -1 : 1;
        long long v = 0, part = 0, unit = 3600;
        for (; i < tz.size() && (std::isdigit(static_cast<unsigned char>(tz[i])) || tz[i] == ':'); ++i) {
            if (tz[i] == ':') {
                v += part * unit;
                part = 0;
                unit /= 60;
            } else {
                part = part * 10 + (tz[i] - '0');
            }
        }
        return seconds{sign * (v + part * unit)};
    };
    auto timeText = [](seconds s) {
        const long long a = std::llabs(s.count());
        std::string t = (s.count() < 0 ? "-" : "") + std::to_string(a / 3600);
        if (a % 3600) t += ":" + std::to_string(a / 60 % 60 / 10) + std::to_string(a / 60 % 10);
        if (a % 60) t += ":" + std::to_string(a % 60 / 10) + std::to_string(a % 10);
        return t;
    };
    std::string out = readName();
    out += timeText(readTime() - day);
    out += readName();
    if (i < tz.size() && tz[i] != ',') out += timeText(readTime() - day);
    for (int r = 0; r < 2 && i < tz.size() && tz[i] == ','; ++r) {
        const std::size_t b = i;
        while (i < tz.size() && tz[i] != '/' && (i == b || tz[i] != ',')) ++i;
        out += tz.substr(b, i - b);
        seconds t{7200};  // the default switch time, 02:00
        if (i < tz.size() && tz[i] == '/') {
            ++i;
            t = readTime();
        }
        out += "/" + timeText(t + day);
    }
    if (i != tz.size()) return tz;  // not understood: left to date/ptz to refuse
    shift = day;
    return out;
}

// Reads a zone file (RFC 8536: version 1, or 2 and later with 64-bit
// times and the rule footer).  Empty with the reason when it cannot.
std::optional<ZoneFile> parse(std::string_view b, std::string& why) {
    if (b.empty()) {
        why = "the file is empty";
        return std::nullopt;
    }
    if (b.substr(0, 4) != std::string_view("TZif").substr(0, std::min<std::size_t>(4, b.size()))) {
        why = "it is not a zone file";
        return std::nullopt;
    }
    why = "the file is truncated";
    constexpr std::size_t kHeader = 44;
    // Counts of the header at h: UT/local indicators, standard/wall
    // indicators, leap seconds, switches, offset types, abbreviation bytes.
    auto counts = [&](std::size_t h, std::uint64_t c[6]) {
        if (b.size() < h + kHeader || b.substr(h, 4) != "TZif") return false;
        for (std::size_t k = 0; k < 6; ++k) c[k] = static_cast<std::uint32_t>(be(b, h + 20 + 4 * k, 4));
        return true;
    };
    std::uint64_t c[6];
    if (!counts(0, c)) return std::nullopt;
    auto blockSize = [&](std::uint64_t timeBytes) {
        return c[3] * (timeBytes + 1) + c[4] * 6 + c[5] + c[2] * (timeBytes + 4) + c[1] + c[0];
    };
    std::size_t h = 0;
    std::uint64_t timeBytes = 4;
    if (b[4] >= '2') {  // skip the 32-bit block for the 64-bit one
        h = kHeader + static_cast<std::size_t>(std::min<std::uint64_t>(blockSize(4), b.size()));
        if (!counts(h, c)) return std::nullopt;
        timeBytes = 8;
    }
    const std::uint64_t data = h + kHeader;
    if (b.size() < data + blockSize(timeBytes)) return std::nullopt;
    if (c[4] == 0) {
        why = "it is not a zone file";
        return std::nullopt;
    }
    ZoneFile z;
    const auto n = static_cast<std::size_t>(c[3]);
    const auto tb = static_cast<std::size_t>(timeBytes);
    const std::size_t types = static_cast<std::size_t>(data) + n * (tb + 1);
    auto utoff = [&](std::size_t k) { return static_cast<std::int32_t>(be(b, types + 6 * k, 4)); };
    for (std::size_t i = 0; i < n; ++i) {
        const auto type = static_cast<unsigned char>(b[static_cast<std::size_t>(data) + n * tb + i]);
        if (type >= c[4]) {
            why = "it is not a zone file";
            return std::nullopt;
        }
        z.at.push_back(be(b, static_cast<std::size_t>(data) + i * tb, static_cast<int>(tb)));
        z.offset.push_back(utoff(type));
    }
    z.firstOffset = utoff(0);
    if (timeBytes == 8) {
        // The footer: the rule for the times after the last switch, on a
        // line of its own after the data.
        const auto f = static_cast<std::size_t>(data + blockSize(8));
        const std::size_t nl = b.find('\n', f + 1);
        if (b.size() <= f || b[f] != '\n' || nl == std::string_view::npos) return std::nullopt;
        const std::string tz(b.substr(f + 1, nl - f - 1));
        if (!tz.empty()) {
            try {
                z.later.emplace(ruleText(tz, z.laterShift));
            } catch (const std::exception&) {
                why = "its rule for later years \"" + tz + "\" is not understood";
                return std::nullopt;
            }
        }
    }
    why.clear();
    return z;
}

bool validName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        // Zones and their folders begin with a capital ("Etc", "GMT+1"); the
        // folder's other files do not ("posixrules", "zone1970.tab").
        if (part.empty() || !std::isupper(static_cast<unsigned char>(part[0]))) return false;
        for (char ch : part)
            if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_' && ch != '-' && ch != '+') return false;
        if (end == name.size()) return true;
        start = end + 1;
    }
}

std::string pathOf(std::string_view name) { return ZoneinfoRoot() + "/" + std::string(name); }

// The zone files read so far, by path: read once per run.
std::mutex cacheMutex;
std::map<std::string, std::shared_ptr<const ZoneFile>, std::less<>> cache;

// The zone `name`, read on first use; nothing with `why` empty for an
// unknown name, with the reason for a file that cannot be read.
std::shared_ptr<const ZoneFile> load(std::string_view name, std::string& why) {
    why.clear();
    if (!validName(name)) return nullptr;
    const std::string path = pathOf(name);
    std::lock_guard<std::mutex> lock(cacheMutex);
    if (auto it = cache.find(path); it != cache.end()) return it->second;
    if (!Known(name)) return nullptr;
    std::string bytes;
    // One byte more than a zone file may have tells a larger file.
    const fileio::ReadEnd end = fileio::ReadBounded(path, kMaxZoneFileBytes + 1, [&bytes](std::string_view piece) {
        bytes.append(piece);
        return true;
    }, why);
    if (end == fileio::ReadEnd::Failed) return nullptr;
    std::optional<ZoneFile> z = end == fileio::ReadEnd::Whole ? parse(bytes, why) : std::nullopt;
    if (!z) {
        if (why.empty()) why = "it is not a zone file";
        return nullptr;
    }
    auto kept = std::make_shared<const ZoneFile>(std::move(*z));
    cache.emplace(path, kept);
    return kept;
}

std::shared_ptr<const ZoneFile> find(std::string_view name) {
    std::string why;
    return load(name, why);
}

// The period of one offset that holds instant t.
Period infoAt(const ZoneFile& z, sys_seconds t) {
    const std::int64_t s = t.time_since_epoch().count();
    const auto at = [](std::int64_t v) { return sys_seconds{seconds{v}}; };
    const auto it = std::upper_bound(z.at.begin(), z.at.end(), s);
    const bool pastLast = it == z.at.end();
    if (pastLast && z.later) {
        const date::sys_info r = z.later->get_info(t);
        const std::int64_t last = z.at.empty() ? -kFar : z.at.back();
        return {std::max(at(last), r.begin), std::min(at(kFar), r.end), r.offset - z.laterShift};
    }
    if (it == z.at.begin()) return {at(-kFar), at(z.at.empty() ? kFar : z.at.front()), seconds{z.firstOffset}};
    const auto i = static_cast<std::size_t>(it - z.at.begin() - 1);
    return {at(z.at[i]), at(pastLast ? kFar : z.at[i + 1]), seconds{z.offset[i]}};
}

// infoAt keeping the last period found: the instants one month asks for
// lie mostly in one period, and the rule for later years is slow to apply
// (its switch dates are worked out at each call).
struct Lookup {
    const ZoneFile& z;
    Period last{};  // empty until the first call
    Period operator()(sys_seconds t) {
        if (t < last.begin || t >= last.end) last = infoAt(z, t);
        return last;
    }
};

// The first instant at which the local clock reads `local` (seconds of
// the local clock since 1970): the earlier of two, or the switch instant
// when the clock skips it.
sys_seconds toSys(Lookup& info, seconds local) {
    const sys_seconds asUtc{local};
    const seconds day{86400};
    std::optional<sys_seconds> best;
    for (seconds probe : {-day, seconds{0}, day}) {
        const seconds off = info(asUtc + probe).offset;
        const sys_seconds u = asUtc - off;
        if (info(u).offset == off && (!best || u < *best)) best = u;
    }
    if (best) return *best;
    // Skipped: read with the offset before the gap, the instant lies past
    // the switch, which is where the day (or the hour) starts.
    return info(asUtc - info(asUtc - day).offset).begin;
}

double hoursOf(seconds s) { return static_cast<double>(s.count()) / 3600.0; }

std::string lower(std::string_view s) {
    std::string t(s);
    for (char& ch : t) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return t;
}

}  // namespace

std::string ZoneinfoRoot() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? std::string(dir) : std::string("/usr/share/zoneinfo");
}

bool Known(std::string_view name) {
    if (!validName(name)) return false;
    // A link whose target is gone is a zone that cannot be read; a folder
    // ("Europe") is no zone.
    struct stat st {};
    const std::string path = pathOf(name);
    if (::lstat(path.c_str(), &st) != 0) return false;
    return ::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

std::vector<std::string> Names() {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path root = ZoneinfoRoot();
    auto walk = [&](auto& self, const fs::path& dir, const std::string& prefix) -> void {
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = prefix + it->path().filename().string();
            if (!validName(name)) continue;
            if (it->is_directory(ec))
                self(self, it->path(), name + "/");
            else
                names.push_back(name);
        }
        ec.clear();
    };
    walk(walk, root, "");
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Closest(std::string_view name) {
    const std::vector<std::string> names = Names();
    const std::string want = lower(text::trimmed(name));
    if (want.empty()) return {};
    auto lastPart = [](const std::string& s) { return s.substr(s.rfind('/') + 1); };
    std::vector<std::string> same, samePart, near;
    std::size_t best = std::max<std::size_t>(2, want.size() / 4);  // the most edits allowed
    for (const std::string& n : names) {
        const std::string l = lower(n);
        if (l == want) same.push_back(n);
        if (lastPart(l) == lastPart(want)) samePart.push_back(n);
        const std::size_t d = text::EditDistance(l, want);
        if (d < best) near.clear();
        if (d <= best) {
            near.push_back(n);
            best = d;
        }
    }
    return !same.empty() ? same : !samePart.empty() ? samePart : near;
}

std::optional<Error> Check(std::string_view name) {
    std::string why;
    if (load(name, why)) return std::nullopt;
    if (!why.empty())
        return Error{Error::Kind::Unreadable, "The time zone " + std::string(name) + " cannot be read: " + why};
    std::string text = "unknown time zone '" + std::string(name) + "'";
    const std::vector<std::string> close = Closest(name);
    for (std::size_t i = 0; i < close.size() && i < 3; ++i) text += (i ? " or " : "; did you mean ") + close[i];
    return Error{Error::Kind::Unknown, close.empty() ? text : text + "?"};
}

std::optional<MonthClocks> ClocksOfMonth(std::string_view name, int year, int month) {
    const std::shared_ptr<const ZoneFile> z = find(name);
    if (!z) return std::nullopt;
    MonthClocks clocks;
    const date::sys_days first{date::year{year} / date::month{static_cast<unsigned>(month)} / 1};
    // Most months keep one offset from before their first day to after the
    // 32nd: every day is then a plain day of that offset.
    const Period whole = infoAt(*z, sys_seconds{first - date::days{2}});
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
    sys_seconds start = toSys(info, first.time_since_epoch());
    for (int d = 1; d <= 31; ++d) {
        const seconds midnight = (first + date::days{d - 1}).time_since_epoch();
        const sys_seconds next = toSys(info, midnight + seconds{86400});
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
    const std::shared_ptr<const ZoneFile> z = find(name);
    if (!z) return std::nullopt;
    const date::year y{year};
    const seconds jan = infoAt(*z, sys_seconds{date::sys_days{y / 1 / 1}}).offset;
    const seconds jul = infoAt(*z, sys_seconds{date::sys_days{y / 7 / 1}}).offset;
    return hoursOf(std::min(jan, jul));
}

std::optional<SummerTime> SummerTimeOf(std::string_view name, int year, int month) {
    const std::shared_ptr<const ZoneFile> z = find(name);
    const std::optional<double> standard = StandardOffsetHours(name, year);
    if (!z || !standard) return std::nullopt;
    const auto summer = [&](const Period& i) { return hoursOf(i.offset) > *standard; };
    const date::year_month first{date::year{year}, date::month{static_cast<unsigned>(month)}};
    // The month's local days lie within a day of its UTC days.
    sys_seconds t{date::sys_days{first / 1} - date::days{1}};
    const sys_seconds last{date::sys_days{(first + date::months{1}) / 1} + date::days{1}};
    Period i = infoAt(*z, t);
    for (int n = 0; !summer(i) && i.end < last && n < 16; ++n) i = infoAt(*z, i.end);
    if (!summer(i)) return std::nullopt;
    // Periods cut at a year's end, or rules that change without ending
    // summer time, are joined.
    sys_seconds from = i.begin, until = i.end;
    seconds fromOffset = i.offset;
    for (int n = 0; n < 16; ++n) {
        const Period before = infoAt(*z, from - seconds{1});
        if (!summer(before) || before.begin >= from) break;
        from = before.begin;
        fromOffset = before.offset;
    }
    for (int n = 0; n < 16; ++n) {
        const Period after = infoAt(*z, until);
        if (!summer(after) || after.end <= until) break;
        until = after.end;
    }
    // The switches' days on the local clock: the first with the summer
    // offset, the last with the offset that follows it.
    const date::year_month_day a{date::floor<date::days>(from + fromOffset)};
    const date::year_month_day b{date::floor<date::days>(until + infoAt(*z, until).offset - seconds{1})};
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
    const std::shared_ptr<const ZoneFile> z = find(name);
    if (!z) return std::nullopt;
    const auto s = static_cast<long long>(std::floor((mjdUt - kMjdOf1970) * 86400.0));
    return hoursOf(infoAt(*z, sys_seconds{seconds{s}}).offset);
}

std::optional<long long> LocalToUtcMinutes(std::string_view name, long long localMinutes) {
    const std::shared_ptr<const ZoneFile> z = find(name);
    if (!z) return std::nullopt;
    Lookup info{*z};
    return toSys(info, seconds{localMinutes * 60}).time_since_epoch().count() / 60;
}

double Clock::offsetAt(double mjdUt) const {
    if (named())
        if (auto h = OffsetHoursAt(zoneName, mjdUt)) return *h;
    return fixedOffsetHours();
}

Place InForce(const Place& stored, bool summerTime) {
    Place p = stored;
    // Only whether the file reads matters here: no closest names are sought.
    if (p.clock.named() && !find(p.clock.zoneName)) p.clock.zoneName.clear();
    p.clock.summerTime = summerTime && !p.clock.named();
    p.name = text::validUtf8(p.name);
    return p;
}

}  // namespace zone
