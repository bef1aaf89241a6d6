#pragma once
// A reporter that records every beep and message box for tests.
#include <string>
#include <vector>

#include "report/reporter.h"

struct RecordingReporter final : report::Reporter {
    struct Box { std::string text, title; report::Icon icon; };
    std::vector<Box> boxes;
    std::vector<std::string> log;  // in call order: "beep" or "box:<title>:<text>"

    void beep() override { log.push_back("beep"); }
    void message(const std::string& text, const std::string& title, report::Icon icon) override {
        boxes.push_back({text, title, icon});
        log.push_back("box:" + title + ":" + text);
    }
    void clear() { *this = RecordingReporter{}; }
};
