#pragma once
// The one channel through which every layer of Almucan talks to the user:
// modal message boxes and the system beep.  The window implements it with
// real message boxes, the command line writes to standard error, and tests
// record the calls.
#include <string>

namespace astro {

enum class Icon { Critical, Information };

class Reporter {
public:
    virtual ~Reporter() = default;
    // The short system sound that precedes most error boxes.
    virtual void beep() = 0;
    // A modal box with one OK button; `text` uses CR LF between lines.
    virtual void message(const std::string& text, const std::string& title, Icon icon) = 0;

    // Convenience: the critical box titled "Error".
    void error(const std::string& text) { message(text, "Error", Icon::Critical); }
    // Convenience: the information box titled "Help".
    void help(const std::string& text) { message(text, "Help", Icon::Information); }
};

// A reporter that swallows everything (used where no user is listening).
class SilentReporter final : public Reporter {
public:
    void beep() override {}
    void message(const std::string&, const std::string&, Icon) override {}
};

}  // namespace astro
