#include "compare.h"

#include <libnova/lunar.h>
#include <libnova/precession.h>
#include <libnova/rise_set.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "calendar/calendar.h"
#include "report/reporter.h"
#include "month/format.h"
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

// libnova's solar and lunar equatorial coordinates are referred to the mean
// equinox of J2000, while its rise/set routine turns them into hour angles
// with the sidereal time of the date.  Left as they are, the mismatch moves
// every event by the precession since 2000 (about 1.4 degrees of right
// ascension, 5 to 6 minutes of time, in 1900 and 2100).  These wrappers
// precess the coordinates to the equinox of the date, the frame Almucan's
// series and sidereal time work in.
void SunOfDate(double jd, ln_equ_posn* pos) {
    ln_equ_posn j2000{};
    ln_get_solar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, pos);
}

void MoonOfDate(double jd, ln_equ_posn* pos) {
    ln_equ_posn j2000{};
    ln_get_lunar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, pos);
}

// Rise and set instants as MJD (UT) of one body at one horizon.
struct Events {
    std::vector<double> rise, set;
};

void AddUnique(std::vector<double>& v, double t) {
    for (double e : v) {
        if (std::fabs(e - t) < 2.0 / 1440.0) return;
    }
    v.push_back(t);
}

// libnova's positions of one body, equinox of date, tabulated every twelve
// hours of UT and interpolated with a four-point Lagrange polynomial.  The
// full lunar theory takes about 2 ms a call, too slow for every sample of the
// crossing search; over 12 hours the interpolation error stays below an arc
// second (the fastest large terms of the Moon's right ascension have periods
// near 14 days), a few thousandths of a minute of time.
class Track {
public:
    static constexpr double kStep = 0.5;  // days between nodes

    Track(bool isMoon, double mjdFirst, double mjdLast) : first_(mjdFirst - kStep) {
        const int n = static_cast<int>(std::ceil((mjdLast - mjdFirst) / kStep)) + 4;
        ra_.resize(static_cast<std::size_t>(n));
        dec_.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const double jd = first_ + i * kStep + 2400000.5;
            ln_equ_posn pos{};
            if (isMoon) MoonOfDate(jd, &pos); else SunOfDate(jd, &pos);
            double ra = pos.ra;
            // Unwrap the right ascension so that it varies smoothly.
            if (i > 0) {
                const double prev = ra_[static_cast<std::size_t>(i - 1)];
                while (ra - prev > 180) ra -= 360;
                while (ra - prev < -180) ra += 360;
            }
            ra_[static_cast<std::size_t>(i)] = ra;
            dec_[static_cast<std::size_t>(i)] = pos.dec;
        }
    }

    // Right ascension and declination in degrees at mjd (UT).
    void At(double mjd, double& ra, double& dec) const {
        const double x = (mjd - first_) / kStep;
        int k = static_cast<int>(std::floor(x));
        k = std::clamp(k, 1, static_cast<int>(ra_.size()) - 3);
        const double u = x - k;  // in [0, 1) between nodes k and k + 1
        // Lagrange weights for the nodes k-1, k, k+1, k+2.
        const double w0 = -u * (u - 1) * (u - 2) / 6;
        const double w1 = (u + 1) * (u - 1) * (u - 2) / 2;
        const double w2 = -(u + 1) * u * (u - 2) / 2;
        const double w3 = (u + 1) * u * (u - 1) / 6;
        const auto i = static_cast<std::size_t>(k - 1);
        ra = w0 * ra_[i] + w1 * ra_[i + 1] + w2 * ra_[i + 2] + w3 * ra_[i + 3];
        dec = w0 * dec_[i] + w1 * dec_[i + 1] + w2 * dec_[i + 2] + w3 * dec_[i + 3];
    }

private:
    double first_;
    std::vector<double> ra_, dec_;
};

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// Geometric altitude in degrees from the interpolated position.
double Altitude(const Track& track, double mjd, const Place& place) {
    double ra, dec;
    track.At(mjd, ra, dec);
    const double hourAngle = ln_get_apparent_sidereal_time(mjd + 2400000.5) * 15.0 +
                             place.longitude - ra;
    const double lat = place.latitude * kDeg;
    const double s = std::sin(lat) * std::sin(dec * kDeg) +
                     std::cos(lat) * std::cos(dec * kDeg) * std::cos(hourAngle * kDeg);
    return std::asin(std::clamp(s, -1.0, 1.0)) / kDeg;
}

// Altitudes of one body every 10 minutes over [mjdFirst, mjdLast], sampled
// once and shared by every horizon searched for that body.
struct Samples {
    std::vector<double> t, alt;
};

Samples Sample(const Track& track, double mjdFirst, double mjdLast, const Place& place) {
    constexpr double kSample = 10.0 / 1440.0;
    Samples s;
    for (double t = mjdFirst; t <= mjdLast + 1e-9; t += kSample) {
        s.t.push_back(t);
        s.alt.push_back(Altitude(track, t, place));
    }
    return s;
}

// Every crossing of the horizon (degrees) between the samples: each change
// of sign is narrowed by bisection to well under a second.
Events Crossings(const Track& track, const Samples& s, double horizon, const Place& place) {
    Events ev;
    for (std::size_t i = 1; i < s.t.size(); ++i) {
        const double y0 = s.alt[i - 1] - horizon;
        const double y1 = s.alt[i] - horizon;
        if ((y0 > 0) == (y1 > 0)) continue;
        double a = s.t[i - 1], b = s.t[i], ya = y0;
        for (int k = 0; k < 16; ++k) {
            const double c = 0.5 * (a + b);
            const double yc = Altitude(track, c, place) - horizon;
            if ((yc > 0) == (ya > 0)) {
                a = c;
                ya = yc;
            } else {
                b = c;
            }
        }
        (y1 > 0 ? ev.rise : ev.set).push_back(0.5 * (a + b));
    }
    return ev;
}

// libnova's own rise/set routine for UT days [mjdFirst, mjdLast]; with the
// positions precessed to the date this is what ln_get_solar_rst_horizon and
// ln_get_lunar_rst compute, minus their frame mismatch.
Events RstEvents(bool isMoon, double horizon, double mjdFirst, double mjdLast,
                 const Place& place) {
    ln_lnlat_posn obs{place.longitude, place.latitude};
    Events ev;
    for (double day = std::floor(mjdFirst); day <= mjdLast; day += 1.0) {
        // Noon of the UT day: libnova returns the events of the day holding it.
        const double jd = day + 2400000.5 + 0.5;
        ln_rst_time rst{};
        const int r = ln_get_body_rst_horizon(jd, &obs, isMoon ? MoonOfDate : SunOfDate,
                                              horizon, &rst);
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

void CompareMonth(const Place& place, int year, int month, Stats& stats, Reference reference) {
    report::SilentReporter reporter;
    char text[8];
    std::snprintf(text, sizeof text, "%04d%02d", year, month);
    month::Place loc{place.longitude, place.latitude, {static_cast<double>(place.zone), false, ""}, ""};
    auto res = month::CalculateMonth(text, loc, reporter);
    if (!res) return;
    ++stats.months;

    const double zoneDays = place.zone / 24.0;
    const double first = calendar::Mjd(year, month, 1, 0);
    const int days = res->dayRows;
    stats.days += days;
    // Local days 1..days run from first - zone to first + days - zone (UT).
    const double from = first - zoneDays - 1;
    const double to = first + days - zoneDays + 1;
    std::array<Events, 3> reference_events;
    if (reference == Reference::Crossing) {
        const Track moonTrack(true, from, to);
        const Track sunTrack(false, from, to);
        const Samples moon = Sample(moonTrack, from, to, place);
        const Samples sun = Sample(sunTrack, from, to, place);
        reference_events[0] = Crossings(moonTrack, moon, kMoonHorizon, place);
        reference_events[1] = Crossings(sunTrack, sun, kSunHorizon, place);
        reference_events[2] = Crossings(sunTrack, sun, kTwilightHorizon, place);
    } else {
        reference_events[0] = RstEvents(true, kMoonHorizon, from - 1, to, place);
        reference_events[1] = RstEvents(false, kSunHorizon, from - 1, to, place);
        reference_events[2] = RstEvents(false, kTwilightHorizon, from - 1, to, place);
    }
    const month::MonthTab tab = month::Table(*res);
    for (int body = 0; body < 3; ++body) {
        const Events& ln = reference_events[static_cast<std::size_t>(body)];
        for (int which = 0; which < 2; ++which) {
            const int kind = 2 * body + which;
            KindStats& ks = stats.kinds[static_cast<std::size_t>(kind)];
            const std::vector<double>& lv = which == 0 ? ln.rise : ln.set;
            for (int d = 1; d <= days; ++d) {
                const double dayStart = first + (d - 1) - zoneDays;
                const std::string& cell =
                    tab[static_cast<std::size_t>(d)][static_cast<std::size_t>(kind + 1)];
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

void Stats::Add(const Stats& other) {
    months += other.months;
    days += other.days;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        KindStats& a = kinds[k];
        const KindStats& b = other.kinds[k];
        if (b.compared > 0 && (a.compared == 0 || b.worst.minutes > a.worst.minutes)) {
            a.worst = b.worst;
        }
        a.compared += b.compared;
        a.sumMinutes += b.sumMinutes;
        a.almucanOnly += b.almucanOnly;
        a.libnovaOnly += b.libnovaOnly;
        for (const auto& c : b.almucanOnlyCases) {
            if (a.almucanOnlyCases.size() < kCasesKept) a.almucanOnlyCases.push_back(c);
        }
        for (const auto& c : b.libnovaOnlyCases) {
            if (a.libnovaOnlyCases.size() < kCasesKept) a.libnovaOnlyCases.push_back(c);
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
