#include "compare.h"

#include <libnova/lunar.h>
#include <libnova/rise_set.h>
#include <libnova/solar.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "astro/calendar.h"
#include "astro/reporter.h"
#include "month/monthcalc.h"

namespace accuracy {

namespace {

// Horizons matching the month calculation's thresholds, degrees.
constexpr double kMoonHorizon = 8.0 / 60.0;
constexpr double kSunHorizon = -50.0 / 60.0;
constexpr double kTwilightHorizon = -18.0;

// An Almucan event and a libnova event closer than this are the same event;
// a regression that moves events further shows up as one-sided events.
constexpr double kMatchDays = 30.0 / 1440.0;
// libnova events this close to a local midnight are not counted as one-sided:
// Almucan may legitimately put them into the neighbouring day.
constexpr double kEdgeDays = 3.0 / 1440.0;
constexpr std::size_t kCasesKept = 40;

// Rise (index 0) and set (index 1) instants as MJD (UT) of one body.
struct Events {
    std::vector<double> rise, set;
};

void AddUnique(std::vector<double>& v, double t) {
    for (double e : v) {
        if (std::fabs(e - t) < 2.0 / 1440.0) return;
    }
    v.push_back(t);
}

// All libnova events over UT days [mjdFirst, mjdLast] for one kind.
Events LibnovaEvents(int kind, double mjdFirst, double mjdLast, const Place& place) {
    ln_lnlat_posn obs{place.longitude, place.latitude};
    Events ev;
    for (double day = mjdFirst; day <= mjdLast; day += 1.0) {
        // Noon of the UT day: libnova returns the events of the day holding it.
        double jd = day + 2400000.5 + 0.5;
        ln_rst_time rst{};
        int r;
        if (kind == 0) {
            r = ln_get_body_rst_horizon(jd, &obs, ln_get_lunar_equ_coords, kMoonHorizon, &rst);
        } else {
            r = ln_get_solar_rst_horizon(jd, &obs, kind == 1 ? kSunHorizon : kTwilightHorizon, &rst);
        }
        if (r != 0) continue;  // circumpolar or never above the horizon that day
        AddUnique(ev.rise, rst.rise - 2400000.5);
        AddUnique(ev.set, rst.set - 2400000.5);
    }
    std::sort(ev.rise.begin(), ev.rise.end());
    std::sort(ev.set.begin(), ev.set.end());
    return ev;
}

bool IsTime(const std::string& cell) {
    return cell.size() == 4 && std::all_of(cell.begin(), cell.end(),
                                           [](char c) { return c >= '0' && c <= '9'; });
}

std::string DateText(const Place& place, int y, int m, int d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return place.name + " " + buf;
}

std::string ClockText(double mjdUt, double zone) {
    double local = mjdUt + zone / 24.0;
    double frac = local - std::floor(local);
    int minutes = static_cast<int>(std::lround(frac * 1440.0));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d", minutes / 60, minutes % 60);
    return buf;
}

}  // namespace

const std::array<std::string, kKinds>& KindNames() {
    static const std::array<std::string, kKinds> names{
        "Moon rise", "Moon set", "Sun rise", "Sun set", "Twilight begin", "Twilight end"};
    return names;
}

void CompareMonth(const Place& place, int year, int month, Stats& stats) {
    astro::SilentReporter reporter;
    char text[8];
    std::snprintf(text, sizeof text, "%04d%02d", year, month);
    month::Location loc{place.longitude, place.latitude, static_cast<double>(place.zone)};
    auto res = month::CalculateMonth(text, false, loc, reporter);
    if (!res) return;
    ++stats.months;

    const double zoneDays = place.zone / 24.0;
    const double first = astro::mjd(year, month, 1, 0);
    const int days = res->dayRows;
    stats.days += days;
    for (int body = 0; body < 3; ++body) {
        Events ln = LibnovaEvents(body, first - 2, first + days + 1, place);
        for (int which = 0; which < 2; ++which) {
            const int kind = 2 * body + which;
            KindStats& ks = stats.kinds[static_cast<std::size_t>(kind)];
            const std::vector<double>& lv = which == 0 ? ln.rise : ln.set;
            for (int d = 1; d <= days; ++d) {
                const double dayStart = first + (d - 1) - zoneDays;
                const std::string& cell =
                    res->tab[static_cast<std::size_t>(d)][static_cast<std::size_t>(kind + 1)];
                bool haveAlmucan = IsTime(cell);
                double a = 0;
                if (haveAlmucan) {
                    int hhmm = std::stoi(cell);
                    a = dayStart + (hhmm / 100 * 60 + hhmm % 100) / 1440.0;
                    double best = 1e9;
                    for (double l : lv) best = std::min(best, std::fabs(l - a));
                    if (best < kMatchDays) {
                        double minutes = best * 1440.0;
                        ++ks.compared;
                        ks.sumMinutes += minutes;
                        if (minutes > ks.worst.minutes || ks.compared == 1) {
                            ks.worst = {minutes, DateText(place, year, month, d) + " " + cell};
                        }
                    } else {
                        ++ks.almucanOnly;
                        if (ks.almucanOnlyCases.size() < kCasesKept) {
                            ks.almucanOnlyCases.push_back(DateText(place, year, month, d) +
                                                          " Almucan " + cell);
                        }
                    }
                }
                // libnova events inside this local day that no Almucan event of the
                // day matches.
                for (double l : lv) {
                    if (l < dayStart + kEdgeDays || l >= dayStart + 1 - kEdgeDays) continue;
                    if (haveAlmucan && std::fabs(l - a) < kMatchDays) continue;
                    ++ks.libnovaOnly;
                    if (ks.libnovaOnlyCases.size() < kCasesKept) {
                        ks.libnovaOnlyCases.push_back(DateText(place, year, month, d) +
                                                      " libnova " + ClockText(l, place.zone) +
                                                      ", Almucan " + (cell.empty() ? "(empty)" : cell));
                    }
                }
            }
        }
    }
}

std::string TableText(const Stats& stats, std::size_t casesPerKind) {
    std::ostringstream out;
    char buf[256];
    out << "Months: " << stats.months << ", days: " << stats.days << "\n\n";
    out << "| Event | Compared | Mean diff (min) | Max diff (min) | Worst case | Almucan only | libnova only |\n";
    out << "|---|---:|---:|---:|---|---:|---:|\n";
    for (int k = 0; k < kKinds; ++k) {
        const KindStats& ks = stats.kinds[static_cast<std::size_t>(k)];
        std::snprintf(buf, sizeof buf, "| %s | %ld | %.3f | %.2f | %s | %ld | %ld |\n",
                      KindNames()[static_cast<std::size_t>(k)].c_str(), ks.compared, ks.Mean(),
                      ks.worst.minutes, ks.worst.where.c_str(), ks.almucanOnly, ks.libnovaOnly);
        out << buf;
    }
    if (casesPerKind > 0) {
        for (int k = 0; k < kKinds; ++k) {
            const KindStats& ks = stats.kinds[static_cast<std::size_t>(k)];
            if (ks.almucanOnlyCases.empty() && ks.libnovaOnlyCases.empty()) continue;
            out << "\n" << KindNames()[static_cast<std::size_t>(k)] << ", one-sided events:\n\n";
            for (std::size_t i = 0; i < ks.almucanOnlyCases.size() && i < casesPerKind; ++i)
                out << "- " << ks.almucanOnlyCases[i] << "\n";
            for (std::size_t i = 0; i < ks.libnovaOnlyCases.size() && i < casesPerKind; ++i)
                out << "- " << ks.libnovaOnlyCases[i] << "\n";
        }
    }
    return out.str();
}

}  // namespace accuracy
