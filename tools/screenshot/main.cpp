// Takes the README's pictures of the main window after a first start: a
// settings folder of its own (no settings file yet), so the system's zone
// (TZ) picks the place, and the month of 15 June 2026 calculated at once.
//   almucan_screenshot OUT.png [--night] [--nights | --chart]
// --night switches View > Night vision on first; --nights and --chart show
// View > Nights or View > Year chart.  Run it on the offscreen platform
// with a described screen, for example
// QT_QPA_PLATFORM=offscreen:configfile=screen.json (1920 x 1080, 96 dpi).
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

#include "report/reporter.h"
#include "ui/mainwindow.h"
#include "ui/printtarget.h"

int main(int argc, char** argv) {
    bool night = false, ok = argc >= 2;
    settings::View view = settings::View::Days;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--night") == 0)
            night = true;
        else if (std::strcmp(argv[i], "--nights") == 0)
            view = settings::View::Nights;
        else if (std::strcmp(argv[i], "--chart") == 0)
            view = settings::View::YearChart;
        else
            ok = false;
    }
    if (!ok) {
        std::fprintf(stderr, "usage: almucan_screenshot OUT.png [--night] [--nights | --chart]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    report::SilentReporter reporter;
    auto target = std::make_unique<ui::PrintTarget>(true);
    target->pdfFolder = dir.path();
    ui::MainWindow w(reporter, dir.path().toStdString(), std::move(target));
    w.setToday([] { return QDate(2026, 6, 15); });
    w.start();
    if (night) w.nightVisionAction()->trigger();
    if (view != settings::View::Days) w.viewAction(view)->trigger();
    QApplication::processEvents();
    if (!w.grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "almucan_screenshot: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
