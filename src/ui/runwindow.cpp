#include "ui/runwindow.h"

#include <QApplication>

#include "ui/core/settingsfile.h"
#include "ui/form1.h"
#include "ui/qtreporter.h"

namespace ui {

int RunWindow(int& argc, char** argv, const std::string& settingsDir) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Almucan"));
    QtReporter reporter;
    std::string dir = settingsDir;
    if (dir.empty()) {
        const auto found = DefaultSettingsDir();
        if (!found) {
            reporter.error(kNoSettingsDirMessage);
            return 1;
        }
        dir = *found;
    }
    Form1 w(reporter, dir);
    reporter.setParent(&w);
    w.start();
    // A settings file that is not valid ends the program during the first
    // activation, before the event loop runs.
    if (w.ended()) return w.exitCode();
    return QApplication::exec();
}

}  // namespace ui
