#pragma once
// Message boxes and the beep of the desktop program.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "report/reporter.h"

namespace ui {

// A message's text (lines joined by CR LF) in the window's language, a
// line at a time, joined by LF: lines without a translation (with a name
// or a path in them) stay as they are.
QString TranslatedMessage(const std::string& text);

// Shows every report as a modal QMessageBox with one OK button (critical
// icon for errors, information icon for help texts) over `parent`, and
// beeps with QApplication::beep().
class QtReporter final : public report::Reporter {
public:
    explicit QtReporter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void beep() override;
    void message(const std::string& text, const std::string& title, report::Icon icon) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ui
