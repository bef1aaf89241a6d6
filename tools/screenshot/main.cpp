// Takes the README's pictures of the main window after a first start: a
// settings folder of its own (no settings file yet), so the system's zone
// (TZ) picks the place, and the month of 15 June 2026 calculated at once.
//   almucan_screenshot OUT.png [--night] [--nights | --chart | --compare SITES.tsv] [--lang LL]
// --night switches View > Night vision on first; --nights and --chart show
// View > Nights or View > Year chart; --compare keeps the sites of
// SITES.tsv and shows View > Compare sites; --lang de shows the window in
// German (fr, es, it alike).  Run it on the offscreen platform
// with a described screen, for example
// QT_QPA_PLATFORM=offscreen:configfile=screen.json (1920 x 1080, 96 dpi).
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

#include "report/reporter.h"
#include "ui/mainwindow.h"
#include "ui/printtarget.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
    bool night = false, ok = argc >= 2;
    settings::View view = settings::View::Days;
    QString sitesFile, lang;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--night") == 0)
            night = true;
        else if (std::strcmp(argv[i], "--nights") == 0)
            view = settings::View::Nights;
        else if (std::strcmp(argv[i], "--chart") == 0)
            view = settings::View::YearChart;
        else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc)
            lang = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--compare") == 0 && i + 1 < argc)
            view = settings::View::Compare, sitesFile = QString::fromLocal8Bit(argv[++i]);
        else
            ok = false;
    }
    if (!ok) {
        std::fprintf(stderr, "usage: almucan_screenshot OUT.png [--night] [--nights | --chart | --compare SITES.tsv] [--lang LL]\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (!lang.isEmpty()) QLocale::setDefault(QLocale(lang));
    const auto translators = ui::InstallTranslations(QLocale());
    QTemporaryDir dir;
    if (!sitesFile.isEmpty() && !QFile::copy(sitesFile, dir.filePath(QStringLiteral("Almucan-sites.tsv")))) {
        std::fprintf(stderr, "almucan_screenshot: the sites file could not be copied\n");
        return 1;
    }
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
