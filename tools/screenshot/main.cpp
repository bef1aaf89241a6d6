// Takes the README's picture of the main window: March 2001 calculated in
// a settings folder of its own, the window grabbed into a PNG file.
//   almucan_screenshot OUT.png
// Run it on the offscreen platform with a described screen, for example
// QT_QPA_PLATFORM=offscreen:configfile=screen.json (1920 x 1080, 96 dpi).
#include <QApplication>
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "report/reporter.h"
#include "ui/form1.h"
#include "ui/printtarget.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: almucan_screenshot OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    report::SilentReporter reporter;
    auto target = std::make_unique<ui::PrintTarget>(true);
    target->pdfFolder = dir.path();
    ui::Form1 w(reporter, dir.path().toStdString(), std::move(target));
    w.setToday([] { return QDate(2001, 6, 15); });
    w.start();
    w.textDate()->setText(QStringLiteral("200103"));
    w.commandCalc()->click();
    QApplication::processEvents();
    if (!w.grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "almucan_screenshot: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
