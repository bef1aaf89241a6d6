// Starting the desktop program: the application, the main window and a missing display.
#include "ui/runwindow.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "settings/settingsfile.h"
#include "ui/mainwindow.h"
#include "ui/qtreporter.h"
#include "ui/translations.h"

namespace ui {

namespace {

// While the application is being created, Qt ends the program with a fatal
// message and an abort when no display can be reached.  That becomes one
// line on standard error and exit code 1; the other messages of the start
// are held back and passed on once the application exists.
QtMessageHandler startHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

const char* EnvText(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

void StartMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.emplace_back(type, text);
        return;
    }
    std::fprintf(stderr,
                 "almucan: the window cannot be shown: no display could be reached "
                 "(DISPLAY=\"%s\", WAYLAND_DISPLAY=\"%s\")\n",
                 EnvText("DISPLAY"), EnvText("WAYLAND_DISPLAY"));
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int RunWindow(int& argc, char** argv, const std::string& settingsDir) {
    startHandler = qInstallMessageHandler(StartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(startHandler);
    for (const auto& [type, text] : heldMessages) {
        if (startHandler) startHandler(type, QMessageLogContext(), text);
    }
    heldMessages.clear();
    QApplication::setApplicationName(QStringLiteral("Almucan"));
    // The window speaks the user's language; files and streams stay English.
    const auto translators = InstallTranslations(QLocale());
    QtReporter reporter;
    std::string dir = settingsDir;
    if (dir.empty()) {
        const auto found = settings::DefaultSettingsDir();
        if (!found) {
            reporter.error(settings::kNoSettingsDirMessage);
            return 1;
        }
        dir = *found;
    }
    MainWindow w(reporter, dir);
    reporter.setParent(&w);
    w.start();
    // A settings file that is not valid ends the program during the first
    // activation, before the event loop runs.
    if (w.ended()) return w.exitCode();
    return QApplication::exec();
}

}  // namespace ui
