// Month calculation and altitude benchmarks.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "report/reporter.h"
#include "month/monthcalc.h"

namespace {

const month::Location kVienna{16.33, 48.2, 1};

// One month: 31 daily searches, the 124 sorted keys, the clipboard text and
// the D.a.n.M. columns.
void BM_MonthCalculation(benchmark::State& state) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        auto r = month::CalculateMonth("202406", false, kVienna, reporter);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MonthCalculation);

// The same month and a month with a clock switch, the fixed zone against
// the named zone (its offsets looked up once per month).
void MonthBody(benchmark::State& state, const char* monthText, bool summer,
               const month::Location& loc) {
    report::SilentReporter reporter;
    for (auto _ : state) {
        auto r = month::CalculateMonth(monthText, summer, loc, reporter);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
const month::Location kViennaNamed{16.33, 48.2, 1, "Europe/Vienna"};
void BM_MonthFixedZone(benchmark::State& state) { MonthBody(state, "202406", true, kVienna); }
void BM_MonthNamedZone(benchmark::State& state) { MonthBody(state, "202406", false, kViennaNamed); }
void BM_SwitchMonthFixedZone(benchmark::State& state) { MonthBody(state, "202603", false, kVienna); }
void BM_SwitchMonthNamedZone(benchmark::State& state) { MonthBody(state, "202603", false, kViennaNamed); }
BENCHMARK(BM_MonthFixedZone);
BENCHMARK(BM_MonthNamedZone);
BENCHMARK(BM_SwitchMonthFixedZone);
BENCHMARK(BM_SwitchMonthNamedZone);

void SinaltBody(benchmark::State& state, int iobj) {
    const double cphi = astro::cn(48.2), sphi = astro::sn(48.2);
    const double mjd0 = astro::mjd(2024, 6, 1, 0) - 1.0 / 24.0;
    double h = 0;
    for (auto _ : state) {
        double v = astro::sinalt(iobj, mjd0, h, -16.33, cphi, sphi);
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
                auto r = month::CalculateMonth(text, false, kVienna, reporter);
                benchmark::DoNotOptimize(r);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 2412);
    state.SetLabel("items = months");
}
BENCHMARK(BM_WholeRange)->Unit(benchmark::kMillisecond);

}  // namespace
