// Reading the zone files (TZif) and the UT offset they give at an instant.
//
// A zone file (RFC 8536) lists the zone's switches and, in a footer, a
// POSIX TZ rule for the years after the last one.  The files are read here
// rather than through date/tz's own database (USE_OS_TZDB): that database
// takes only the switches a file lists and ignores its footer.  A "slim"
// zone file, as zic writes them, lists no switch after the zone's last
// change of rule, so every later summer time would be lost.  The switches
// are therefore read below, and the footer is applied through date's ptz.h
// (Posix::time_zone).
#include "zone/tzfile.h"
#include "zone/zone.h"
#include "zone/zonenames.h"

#include "fileio/fileread.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <vector>
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

namespace zone {

using date::sys_seconds;
using std::chrono::seconds;

// One zone file: its switches and the rule for the years after them.
struct ZoneFile {
    std::vector<std::int64_t> at;           // switch instants, seconds since 1970 UT, ascending
    std::vector<std::int32_t> offset;       // UT offset from at[i] on, seconds east
    std::int32_t firstOffset = 0;           // UT offset before at[0]
    std::optional<Posix::time_zone> later;  // rule past the last switch (the footer)
    seconds laterShift{0};                  // hours the rule's clock was moved ahead (see ruleText)
};

namespace {

// Begin and end of the periods that have none: about 35,000 years either
// side of 1970, far beyond any date asked and far from overflowing.
constexpr std::int64_t kFar = std::int64_t{1} << 40;

// The largest zone file is under 4 KB; 1 MiB is no zone file.
constexpr std::size_t kMaxZoneFileBytes = std::size_t{1} << 20;

// The signed big-endian number of `bytes` bytes (4 or 8) at `at`.
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

constexpr std::size_t kHeader = 44;  // bytes of a TZif header

// Counts of a header: UT/local indicators, standard/wall indicators, leap
// seconds, switches, offset types, abbreviation bytes.
using Counts = std::array<std::uint64_t, 6>;

// The counts of the header at h; false when there is none.
bool headerCounts(std::string_view b, std::size_t h, Counts& c) {
    if (b.size() < h + kHeader || b.substr(h, 4) != "TZif") return false;
    for (std::size_t k = 0; k < 6; ++k) c[k] = static_cast<std::uint32_t>(be(b, h + 20 + 4 * k, 4));
    return true;
}

// Bytes of a data block of these counts with times of timeBytes bytes.
std::uint64_t blockSize(const Counts& c, std::uint64_t timeBytes) {
    return c[3] * (timeBytes + 1) + c[4] * 6 + c[5] + c[2] * (timeBytes + 4) + c[1] + c[0];
}

// Where the data block to read starts, its counts and its time size: the
// 32-bit block of version 1, the 64-bit one after it from version 2 on.
// False when a header is missing.
bool locateData(std::string_view b, Counts& c, std::uint64_t& data, std::uint64_t& timeBytes) {
    if (!headerCounts(b, 0, c)) return false;
    std::size_t h = 0;
    timeBytes = 4;
    if (b[4] >= '2') {  // skip the 32-bit block for the 64-bit one
        h = kHeader + static_cast<std::size_t>(std::min<std::uint64_t>(blockSize(c, 4), b.size()));
        if (!headerCounts(b, h, c)) return false;
        timeBytes = 8;
    }
    data = h + kHeader;
    return true;
}

// The footer that starts at f: the rule for the times after the last
// switch, on a line of its own after the data.  False with the reason
// when it cannot be read.
bool readFooter(std::string_view b, std::size_t f, ZoneFile& z, std::string& why) {
    const std::size_t nl = b.find('\n', f + 1);
    if (b.size() <= f || b[f] != '\n' || nl == std::string_view::npos) return false;
    const std::string tz(b.substr(f + 1, nl - f - 1));
    if (!tz.empty()) {
        try {
            z.later.emplace(ruleText(tz, z.laterShift));
        } catch (const std::exception&) {
            why = "its rule for later years \"" + tz + "\" is not understood";
            return false;
        }
    }
    return true;
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
    Counts c{};
    std::uint64_t data = 0, timeBytes = 4;
    if (!locateData(b, c, data, timeBytes) || b.size() < data + blockSize(c, timeBytes)) return std::nullopt;
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
    if (timeBytes == 8 && !readFooter(b, static_cast<std::size_t>(data + blockSize(c, 8)), z, why)) return std::nullopt;
    why.clear();
    return z;
}

// The zone files read so far, by path: read once per run.
std::mutex cacheMutex;
std::map<std::string, std::shared_ptr<const ZoneFile>, std::less<>> cache;

}  // namespace

std::shared_ptr<const ZoneFile> LoadZoneFile(std::string_view name, std::string& why) {
    why.clear();
    if (!ValidName(name)) return nullptr;
    const std::string path = PathOf(name);
    std::lock_guard<std::mutex> lock(cacheMutex);
    if (auto it = cache.find(path); it != cache.end()) return it->second;
    if (!Known(name)) return nullptr;
    std::string bytes;
    // One byte more than a zone file may have tells a larger file.
    const fileio::ReadEnd end = fileio::ReadBounded(
        path, kMaxZoneFileBytes + 1,
        [&bytes](std::string_view piece) {
            bytes.append(piece);
            return true;
        },
        why);
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

std::shared_ptr<const ZoneFile> FindZoneFile(std::string_view name) {
    std::string why;
    return LoadZoneFile(name, why);
}

Period PeriodAt(const ZoneFile& z, sys_seconds t) {
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

sys_seconds FirstInstant(Lookup& info, seconds local) {
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

}  // namespace zone
