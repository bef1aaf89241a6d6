#pragma once
// A reporter that records every beep and message box for tests.
#include <string>
#include <vector>

#include "astro/reporter.h"

struct RecordingReporter final : astro::Reporter {
    struct Box {
        std::string text, title;
        astro::Icon icon;
    };
    int beeps = 0;
    std::vector<Box> boxes;
    // Event log in call order: "beep" or "box:<title>:<text>".
    std::vector<std::string> log;

    void beep() override {
        ++beeps;
        log.push_back("beep");
    }
    void message(const std::string& text, const std::string& title, astro::Icon icon) override {
        boxes.push_back({text, title, icon});
        log.push_back("box:" + title + ":" + text);
    }
    void clear() {
        beeps = 0;
        boxes.clear();
        log.clear();
    }
};
