#pragma once
// A picture box and a printer that record, with the selector and layout
// the drawing procedures read.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "recording_reporter.h"
#include "recording_surface.h"
#include "render/page.h"

struct RenderFixture : ::testing::Test {
    RecordingSurface picture;
    RecordingSurface printer;
    settings::Settings settings;
    RecordingReporter reporter;
    render::PageLayout layout;
    render::Output out{picture, &printer, settings};
    render::PageContext ctx{out, layout, settings, "202406", false, reporter};

    void SetUp() override {
        // One hour is 10 units wide from x = 100; rows are 20 units high.
        layout.y_st = 0;
        layout.y_d = 20;
        layout.x_st = 5;
        layout.x_d = 50;
        layout.xg_st = 100;
        layout.xg_d = 10;
    }
};
