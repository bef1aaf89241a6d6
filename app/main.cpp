// Almucan: the window, or with --month or --year the command-line mode.
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "cli/cli.h"
#include "fileio/filewrite.h"

#ifdef ALMUCAN_HAVE_UI
#include "ui/runwindow.h"
#endif

#ifdef ALMUCAN_HAVE_RENDER_QT
#include <QGuiApplication>
#include <cstdio>

#include "render/qt/qtoutputs.h"
#endif

namespace {

// A standard stream that was closed at start gets /dev/null, so that no
// file the program opens later takes its number.  Standard output gets it
// read-only: writing the results then fails and is reported.
void HoldClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1) ::open("/dev/null", fd == 2 ? O_WRONLY : O_RDONLY);
    }
}

// Text for standard output: written whole, or one line on standard error
// and exit code 1.
int WriteStdout(const std::string& text, int rc) {
    std::string why = fileio::WriteAll(STDOUT_FILENO, text);
    if (why.empty()) return rc;
    fileio::WriteAll(STDERR_FILENO, "almucan: the standard output could not be written: " + why + "\n");
    return 1;
}

#ifdef ALMUCAN_HAVE_RENDER_QT
// Qt's notes about its own set-up (such as a missing XDG_RUNTIME_DIR,
// which the offscreen platform does not need) are no concern of someone
// writing an image; warnings about the drawing itself still show.
void QuietSetupNotes(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (type == QtWarningMsg && msg.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, ctx, msg)));
}
#endif

int RunCommandLine(int argc, char** argv, const cli::Options& o) {
    cli::GraphicOutputs g;
#ifdef ALMUCAN_HAVE_RENDER_QT
    std::unique_ptr<QGuiApplication> app;
    if (o.png || o.pdf) {
        // Image and PDF are drawn in memory and never need a display,
        // whatever DISPLAY or WAYLAND_DISPLAY name.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QuietSetupNotes);
        app = std::make_unique<QGuiApplication>(argc, argv);
        g.png = &render::EncodePng;
        g.pdf = &render::EncodePdf;
        g.defaultFont = &render::DefaultFont;
    }
#else
    (void)argc;
    (void)argv;
#endif
    cli::StderrReporter rep;
    std::string out;
    int rc = cli::Run(o, g, out, rep);
    return rc == 0 ? WriteStdout(out, rc) : rc;
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardStreams();
    // A file size limit makes a write fail with an error that is reported,
    // rather than ending the program with a signal.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::ParseResult pr = cli::ParseArgs(args);
    if (!pr.error.empty()) {
        fileio::WriteAll(STDERR_FILENO, "almucan: " + pr.error + "\n\n" + cli::Usage());
        return 2;
    }
    const cli::Options& o = pr.options;
    if (o.help) return WriteStdout(cli::Usage(), 0);
    if (o.places) return WriteStdout(cli::PlacesText(*o.places), 0);
    if (!o.month && !o.year) {
#ifdef ALMUCAN_HAVE_UI
        // Without a month the desktop window starts.
        return ui::RunWindow(argc, argv, o.settingsDir ? *o.settingsDir : std::string());
#else
        return WriteStdout(cli::Usage(), 0);
#endif
    }
    return RunCommandLine(argc, argv, o);
}
