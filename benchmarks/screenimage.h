#pragma once
// The screen image the benchmarks draw pages on: a fresh surface and page
// context on one image in every iteration, as the window does on a resize.
#include <benchmark/benchmark.h>

#include <QImage>
#include <string>

#include "render/qt/qtsurface.h"

// Runs `draw(ctx)` on a `width` x `height` screen image (pixels) in every
// iteration of `state`; `title` is the page's month or year text.
template <class Draw>
void DrawOnScreenImage(benchmark::State& state, int width, int height, const std::string& title, Draw draw) {
    QImage img(width, height, QImage::Format_RGB32);
    const render::PrintStyle st;
    report::SilentReporter rep;
    for (auto _ : state) {
        render::QtImageSurface screen(img, render::PictureFont());
        render::Output out(screen, nullptr, render::OutputDevice::Screen);
        render::PageLayout layout;
        render::PageContext ctx{out, layout, st, title, rep};
        draw(ctx);
        screen.finish();
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
