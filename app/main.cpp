// Almucan: the window, or with --month or --year the command-line mode.
// Built twice when Qt is built: the program `almucan` itself links no Qt
// library, so that the text outputs start in a few milliseconds, and
// starts its companion `almucan-qt` (the same entry point with the window
// and the PNG and PDF outputs) in its place for those.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "cli/cli.h"
#include "cli/sites.h"
#include "fileio/filewrite.h"
#include "text/strings.h"

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

#ifdef ALMUCAN_QT_PROGRAM
// Replaces this process by the companion program with the same arguments:
// beside this program (the build folder) or in its private folder
// ALMUCAN_QT_PROGRAM_DIR relative to it (an installed tree).  Returns only
// when neither could be started, with exit code 1.
int ExecQtProgram(char** argv) {
    std::string self(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    self.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::string dir = self.substr(0, self.rfind('/') + 1);
    std::string why;
    for (const std::string& path : {dir + ALMUCAN_QT_PROGRAM, dir + ALMUCAN_QT_PROGRAM_DIR "/" ALMUCAN_QT_PROGRAM}) {
        ::execv(path.c_str(), argv);
        if (why.empty() || errno != ENOENT) why = path + ": " + fileio::Reason(errno);
    }
    fileio::WriteAll(STDERR_FILENO, "almucan: the window and image program could not be started: " + why + "\n");
    return 1;
}
#endif

#ifdef ALMUCAN_HAVE_RENDER_QT
// Qt's notes about its own set-up (such as a missing XDG_RUNTIME_DIR,
// which the offscreen platform does not need) are no concern of someone
// writing an image; warnings about the drawing itself still show.
void QuietSetupNotes(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (type == QtWarningMsg && msg.startsWith(QLatin1String("QStandardPaths:"))) return;
    // A PDF whose memory ran out is given up with its painter still open;
    // the failure itself is reported ("could not be allocated").
    if (type == QtWarningMsg && msg.startsWith(QLatin1String("QPaintDevice: Cannot destroy"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, ctx, msg)));
}
#endif

int RunCommandLine(int argc, char** argv, const cli::Options& o) {
    cli::GraphicOutputs g;
#ifdef ALMUCAN_HAVE_RENDER_QT
    std::unique_ptr<QGuiApplication> app;
    if (o.png || o.pdf || o.chart) {
        // Image and PDF are drawn in memory and never need a display,
        // whatever DISPLAY or WAYLAND_DISPLAY name.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QuietSetupNotes);
        app = std::make_unique<QGuiApplication>(argc, argv);
        g.png = &render::EncodePng;
        g.pdf = &render::EncodePdf;
        g.chartPng = &render::EncodeYearChartPng;
        g.chartPdf = &render::EncodeYearChartPdf;
        g.nightsPng = &render::EncodeNightsPng;
        g.nightsPdf = &render::EncodeNightsPdf;
        g.defaultFont = &render::DefaultFont;
        g.printFont = &render::PdfPrintFont;
    }
#else
    (void)argc;
    (void)argv;
#endif
    cli::StderrReporter rep;
    std::string out;
    // The text is written in place after the files' temporaries and before
    // their renames: standard output that fails keeps every old file.
    fileio::StagedFiles files;
    const int rc = cli::Run(o, g, out, rep, &files);
    if (rc != 0) return rc;
    if (!out.empty()) files.Stage("-", out, "almucan: the standard output");
    if (const auto failed = files.Commit()) {
        fileio::WriteAll(STDERR_FILENO, failed->name + " could not be written: " + failed->reason + "\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardStreams();
    // A file size limit makes a write fail with an error that is reported,
    // rather than ending the program with a signal.
    std::signal(SIGXFSZ, SIG_IGN);
    // Ended by a signal, no half-written temporary file is left behind.
    fileio::RemoveTemporariesOnSignals();
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::ParseResult pr = cli::ParseArgs(args);
    if (!pr.error.empty()) {
        fileio::WriteAll(STDERR_FILENO, "almucan: " + text::printable(pr.error) + "\n\n" + cli::Usage());
        return 2;
    }
    const cli::Options& o = pr.options;
    if (o.help) return WriteStdout(cli::Usage(), 0);
    if (o.version) return WriteStdout(cli::VersionText(), 0);
    if (o.places) {
        cli::StderrReporter rep;
        std::string out;
        const int rc = cli::PlacesText(*o.places, out, rep);
        return rc == 0 ? WriteStdout(out, rc) : rc;
    }
    if (o.listSites) {
        cli::StderrReporter rep;
        std::string out;
        const int rc = cli::SitesText(o, out, rep);
        return rc == 0 ? WriteStdout(out, rc) : rc;
    }
#ifdef ALMUCAN_QT_PROGRAM
    if ((!o.month && !o.year) || o.png || o.pdf || o.chart) return ExecQtProgram(argv);
#endif
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
