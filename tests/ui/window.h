#pragma once
// A main window on a temporary settings folder, with today's date, the end
// of the program and the modal dialogs under the test's control.  Prints go
// into PDF files in that folder unless the test gives its own target.
#include <QAction>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>

#include "recording_reporter.h"
#include "ui/form1.h"
#include "ui/formprint.h"
#include "ui/printtarget.h"

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Window {
    QTemporaryDir dir;
    RecordingReporter rep;
    std::unique_ptr<ui::Form1> w;
    int exitCode = -1;
    QDate today{2001, 6, 15};
    // What the "user" does in the next modal dialog; a dialog opened from
    // inside it (the print dialog's set-up) gets the script set meanwhile.
    std::function<void(QDialog&)> script = [](QDialog& d) { d.reject(); };

    explicit Window(std::unique_ptr<ui::PrintTarget> target = nullptr) {
        if (!target) {
            target = std::make_unique<ui::PrintTarget>(true);
            target->pdfFolder = dir.path();
        }
        w = std::make_unique<ui::Form1>(rep, dir.path().toStdString(), std::move(target));
        w->setToday([this] { return today; });
        w->setExitHandler([this](int code) { exitCode = code; });
        w->setDialogRunner([this](QDialog& d) { return runDialog(d); });
    }
    int runDialog(QDialog& d) {
        d.show();
        auto run = std::exchange(script, [](QDialog& x) { x.reject(); });
        run(d);
        return d.result();
    }
    // File, Print with the month box at `month`; `inDialog` acts in the
    // print dialog (it ends with Print or Cancel).
    void print(const char* month, const std::function<void(ui::FormPrint&)>& inDialog) {
        w->textDate()->setText(month);
        script = [&](QDialog& d) { inDialog(static_cast<ui::FormPrint&>(d)); };
        w->menuFPrint()->trigger();
    }
    QString iniPath() const { return dir.filePath("Almucan.INI"); }
    QByteArray ini() const { return ReadFile(iniPath()); }
    void start() { w->start(); }
};

// A settings file of ten lines: Vienna, fixed zone +1.
inline const QByteArray kTenLines =
    "Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";

inline void Type(QLineEdit* e, const QString& text) {
    e->clear();
    QTest::keyClicks(e, text);
}
