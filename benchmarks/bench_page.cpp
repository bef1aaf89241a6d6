// The month page drawn on the screen image and printed into a PDF file.
#include <benchmark/benchmark.h>

#include <QImage>
#include <string>
#include <vector>

#include "month/monthcalc.h"
#include "render/page.h"
#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"
#include "screenimage.h"

namespace {

month::Month June() {
    report::SilentReporter rep;
    return *month::CalculateMonth("202406", {16.33, 48.25, {1, false, ""}, ""}, rep);
}

// Page set-up and drawing of the screen page: what the window does when
// the picture box changes size.
void BM_ScreenPage(benchmark::State& state) {
    month::Month r = June();
    DrawOnScreenImage(state, 1000, 700, "202406", [&](render::PageContext& ctx) { render::LayOutAndDraw(ctx, r); });
}
BENCHMARK(BM_ScreenPage)->Unit(benchmark::kMillisecond);

void BM_PrintedPagePdf(benchmark::State& state) {
    const std::vector<month::Month> june{June()};
    const std::vector<std::string> text{"202406"};
    render::PrintStyle st;
    st.marginTop = st.marginBottom = st.marginLeft = st.marginRight = 10;
    report::SilentReporter rep;
    std::string bytes;
    for (auto _ : state) {
        render::EncodePdf(june, st, text, "a4", false, bytes, rep);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PrintedPagePdf)->Unit(benchmark::kMillisecond);

// The twelve printed pages of a year in one PDF document (the tables are
// calculated beforehand, as the command line does before drawing).
void BM_YearPdf(benchmark::State& state) {
    report::SilentReporter rep;
    std::vector<month::Month> months;
    std::vector<std::string> texts;
    for (int m = 1; m <= 12; ++m) {
        texts.push_back("2025" + std::string(m < 10 ? "0" : "") + std::to_string(m));
        months.push_back(*month::CalculateMonth(texts.back(), {16.33, 48.25, {1, false, ""}, ""}, rep));
    }
    render::PrintStyle st;
    st.marginTop = st.marginBottom = st.marginLeft = st.marginRight = 10;
    std::string bytes;
    for (auto _ : state) {
        render::EncodePdf(months, st, texts, "a4", false, bytes, rep);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * 12);
}
BENCHMARK(BM_YearPdf)->Unit(benchmark::kMillisecond);

}  // namespace
