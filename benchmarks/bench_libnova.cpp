// Peer benchmark: the same month's Sun, Moon and twilight events from
// libnova (31 local days, each with ln_get_lunar_rst and
// ln_get_solar_rst_horizon at -50' and at -18 degrees).
#include <benchmark/benchmark.h>
#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/solar.h>

namespace {

void BM_LibnovaMonth(benchmark::State& state) {
    ln_lnlat_posn obs{16.33, 48.2};
    // Local midnight of 1 June 2024 at zone +1 h, as a Julian Day (UT).
    const double jd0 = 2460462.5 - 1.0 / 24.0;
    for (auto _ : state) {
        for (int d = 0; d < 31; ++d) {
            double jd = jd0 + d + 0.5;
            ln_rst_time moon{}, sun{}, twilight{};
            benchmark::DoNotOptimize(ln_get_lunar_rst(jd, &obs, &moon));
            benchmark::DoNotOptimize(ln_get_solar_rst_horizon(jd, &obs, -50.0 / 60.0, &sun));
            benchmark::DoNotOptimize(ln_get_solar_rst_horizon(jd, &obs, -18.0, &twilight));
            benchmark::DoNotOptimize(moon);
            benchmark::DoNotOptimize(sun);
            benchmark::DoNotOptimize(twilight);
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = months");
}
BENCHMARK(BM_LibnovaMonth)->Unit(benchmark::kMillisecond);

}  // namespace
