// Runs every benchmark, then prints how many times faster Almucan's month
// calculation is than the libnova month of the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#ifdef ALMUCAN_BENCH_QT
#include <QGuiApplication>
#include <cstdlib>
#endif

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                // Seconds per iteration.
                secondsPerIteration[r.benchmark_name()] =
                    r.real_accumulated_time / static_cast<double>(r.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> secondsPerIteration;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef ALMUCAN_BENCH_QT
    // The page benchmarks draw offscreen; no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.secondsPerIteration;
    if (t.count("BM_MonthCalculation") && t.count("BM_LibnovaMonth")) {
        std::printf("\nMonth: Almucan %.4f ms, libnova %.1f ms, ratio %.0fx\n",
                    t["BM_MonthCalculation"] * 1e3, t["BM_LibnovaMonth"] * 1e3,
                    t["BM_LibnovaMonth"] / t["BM_MonthCalculation"]);
    }
    benchmark::Shutdown();
    return 0;
}
