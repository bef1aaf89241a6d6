// The year chart: drawn in process on the screen image, and the program
// run from start to a written PNG for a year chart and for a month page.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "month/months.h"
#include "render/qt/qtsurface.h"
#include "render/yearchart.h"
#include "screenimage.h"

extern char** environ;

namespace {

const month::Place kVienna{16.33, 48.25, {1, false, "Europe/Vienna"}, "Vienna"};

// The chart of 2025 drawn on a 1000 x 1400 image (the command line's
// default size); the nights are calculated beforehand.
void BM_YearChartDraw(benchmark::State& state) {
    month::Months store(kVienna);
    const std::vector<month::Night> nights = month::NightsOf(store, {2025, 1}, 12);
    const render::YearChart chart{2025, &nights, &store, false, std::nullopt};
    DrawOnScreenImage(state, 1000, 1400, "2025", [&](render::PageContext& ctx) { render::DrawYearChart(ctx, chart); });
}
BENCHMARK(BM_YearChartDraw)->Unit(benchmark::kMillisecond);

// The program with `args` from start to exit, in a settings folder of its
// own (made by a first run before the timing); a failed run ends the
// benchmark with an error.
void RunProgram(benchmark::State& state, const std::vector<std::string>& args) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("almucan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::vector<std::string> all{ALMUCAN_PROGRAM, "--settings-dir", (dir / "cfg").string()};
    for (const std::string& a : args) all.push_back(a == "OUT.png" ? (dir / a).string() : a);
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    auto once = [&] {
        pid_t pid = 0;
        int status = 0;
        return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 &&
               waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    if (!once()) state.SkipWithError("the program failed");
    for (auto _ : state)
        if (!once()) state.SkipWithError("the program failed");
    std::filesystem::remove_all(dir);
}

void BM_ProcessMonthPng(benchmark::State& state) { RunProgram(state, {"--month", "202506", "--png", "OUT.png"}); }
void BM_ProcessYearChartPng(benchmark::State& state) { RunProgram(state, {"--year", "2025", "--chart", "OUT.png"}); }
BENCHMARK(BM_ProcessMonthPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProcessYearChartPng)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
