// Month calculation and altitude benchmarks.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "astro/altitude.h"
#include "astro/angles.h"
#include "calendar/calendar.h"
#include "report/reporter.h"
#include "month/monthcalc.h"
#include "month/months.h"

namespace {

const month::Place kVienna{16.33, 48.2, {1, false, ""}, ""};

// One month: 31 daily searches, the 124 sorted keys, the clipboard text and
// the D.a.n.M. columns.
void BM_MonthCalculation(benchmark::State& state) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        auto r = month::CalculateMonth("202406", kVienna, reporter);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MonthCalculation);

// The same month with the precise ephemeris (ERFA, the Moon, the Sun and
// the three twilights of one place): at most 10 ms and 25 times the
// standard month.
void BM_PreciseMonth(benchmark::State& state) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        auto r = month::CalculateMonth("202406", kVienna, reporter, month::Ephemeris::Precise);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PreciseMonth);

// The nights of a month at 1 and at 4 sites, as --nights with several
// --site and the window's Compare view calculate them: each site's month
// and the month after, once.  Four sites at most 4.5 times one.
void BM_SitesNights(benchmark::State& state) {
    const month::Place sites[] = {{16.37, 48.21, {1, false, "Europe/Vienna"}, "Home"},
                                  {15.02, 47.55, {1, false, "Europe/Vienna"}, "Dark site"},
                                  {11.9, 46.9, {1, false, ""}, "Alps hut"},
                                  {-70.7, -30.2, {-4, false, "America/Santiago"}, "South"}};
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i) {
            month::Months store(sites[i]);
            auto nights = month::Nights(store.at({2026, 6}), store.at({2026, 7}));
            benchmark::DoNotOptimize(nights);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SitesNights)->Arg(1)->Arg(4);

// The same month and a month with a clock switch, the fixed zone against
// the named zone (its offsets looked up once per month).
void MonthBody(benchmark::State& state, const char* monthText, const month::Place& loc) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        auto r = month::CalculateMonth(monthText, loc, reporter);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
const month::Place kViennaNamed{16.33, 48.2, {1, false, "Europe/Vienna"}, ""};
const month::Place kViennaSummer{16.33, 48.2, {1, true, ""}, ""};
void BM_MonthFixedZone(benchmark::State& state) { MonthBody(state, "202406", kViennaSummer); }
void BM_MonthNamedZone(benchmark::State& state) { MonthBody(state, "202406", kViennaNamed); }
void BM_SwitchMonthFixedZone(benchmark::State& state) { MonthBody(state, "202603", kVienna); }
void BM_SwitchMonthNamedZone(benchmark::State& state) { MonthBody(state, "202603", kViennaNamed); }
BENCHMARK(BM_MonthFixedZone);
BENCHMARK(BM_MonthNamedZone);
BENCHMARK(BM_SwitchMonthFixedZone);
BENCHMARK(BM_SwitchMonthNamedZone);

void SinaltBody(benchmark::State& state, int iobj) {
    const astro::Observer at{16.33, astro::CosDeg(48.2), astro::SinDeg(48.2)};
    const double mjd0 = calendar::Mjd(2024, 6, 1, 0) - 1.0 / 24.0;
    double h = 0;
    for (auto _ : state) {
        double v = astro::SineAltitude(iobj == 1 ? astro::Body::Moon : astro::Body::Sun, mjd0, h, at);
        benchmark::DoNotOptimize(v);
        h += 1.0;
        if (h > 744) h = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
void BM_SinaltMoon(benchmark::State& state) { SinaltBody(state, 1); }
void BM_SinaltSun(benchmark::State& state) { SinaltBody(state, 2); }
BENCHMARK(BM_SinaltMoon);
BENCHMARK(BM_SinaltSun);

// Every month 1900-2100 (2,412 months) for one place.
void BM_WholeRange(benchmark::State& state) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        for (int y = 1900; y <= 2100; ++y) {
            for (int m = 1; m <= 12; ++m) {
                char text[8];
                std::snprintf(text, sizeof text, "%04d%02d", y, m);
                auto r = month::CalculateMonth(text, kVienna, reporter);
                benchmark::DoNotOptimize(r);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 2412);
    state.SetLabel("items = months");
}
BENCHMARK(BM_WholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
