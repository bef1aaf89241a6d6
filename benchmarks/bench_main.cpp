// Runs every benchmark, then prints how many times faster Almucan's month
// calculation is than the libnova month of the same run, and how many times
// slower the precise ephemeris's month is than the standard one (the
// medians of the repetitions).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                // Seconds per iteration of each repetition.
                secondsPerIteration[r.run_name.function_name].push_back(r.real_accumulated_time /
                                                                        static_cast<double>(r.iterations));
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // The median of a benchmark's repetitions, in seconds.
    double median(const std::string& name) {
        std::vector<double>& t = secondsPerIteration[name];
        std::sort(t.begin(), t.end());
        const std::size_t n = t.size();
        return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
    }
    std::map<std::string, std::vector<double>> secondsPerIteration;
};

// The console's colours as Google Benchmark's own reporter chooses them:
// the last --benchmark_color (true/false/auto, or yes/no, 1/0), auto
// meaning colour on a terminal only.  A reporter of one's own does not
// read that flag.
benchmark::ConsoleReporter::OutputOptions ConsoleOptions(int argc, char** argv) {
    const char* prefix = "--benchmark_color=";
    std::string color = "auto";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) color = argv[i] + std::strlen(prefix);
    }
    bool on = color == "auto" ? ::isatty(STDOUT_FILENO) != 0 : color == "true" || color == "yes" || color == "1";
    return on ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef ALMUCAN_BENCH_QT
    // The page benchmarks draw offscreen; no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
#endif
    RatioReporter reporter(ConsoleOptions(argc, argv));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.secondsPerIteration;
    if (t.count("BM_MonthCalculation") && t.count("BM_LibnovaMonth")) {
        const double almucan = reporter.median("BM_MonthCalculation");
        const double libnova = reporter.median("BM_LibnovaMonth");
        std::printf("\nMonth (medians): Almucan %.4f ms, libnova %.1f ms, ratio %.0fx\n", almucan * 1e3, libnova * 1e3,
                    libnova / almucan);
    }
    if (t.count("BM_MonthCalculation") && t.count("BM_PreciseMonth")) {
        const double standard = reporter.median("BM_MonthCalculation");
        const double precise = reporter.median("BM_PreciseMonth");
        std::printf("Month (medians): standard %.4f ms, precise %.3f ms, ratio %.1fx\n", standard * 1e3, precise * 1e3,
                    precise / standard);
    }
    // The year chart from process start to a written PNG against the month
    // page's PNG (the goal: at most 1.5 times).
    if (t.count("BM_ProcessMonthPng") && t.count("BM_ProcessYearChartPng")) {
        const double monthPng = reporter.median("BM_ProcessMonthPng");
        const double chartPng = reporter.median("BM_ProcessYearChartPng");
        std::printf("Year chart PNG / month PNG, process start to exit (medians): %.1f / %.1f ms, %.2fx\n",
                    chartPng * 1e3, monthPng * 1e3, chartPng / monthPng);
    }
    benchmark::Shutdown();
    return 0;
}
