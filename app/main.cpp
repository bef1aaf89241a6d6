// Almucan: the window, or with --month the command-line mode.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef ALMUCAN_HAVE_UI
#include "ui/runwindow.h"
#endif

#ifdef ALMUCAN_HAVE_RENDER_QT
#include <QGuiApplication>

#include "render/qt/qtoutputs.h"
#endif

namespace {

#ifdef ALMUCAN_HAVE_RENDER_QT
// Image and PDF output need no window: without a display the offscreen
// platform is used.
void UseOffscreenWithoutDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    if ((x == nullptr || *x == '\0') && (w == nullptr || *w == '\0') &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
}
#endif

int RunCommandLine(int argc, char** argv, const cli::Options& o) {
    cli::GraphicOutputs g;
#ifdef ALMUCAN_HAVE_RENDER_QT
    std::unique_ptr<QGuiApplication> app;
    if (o.png || o.pdf) {
        UseOffscreenWithoutDisplay();
        app = std::make_unique<QGuiApplication>(argc, argv);
        g.png = &render::WritePng;
        g.pdf = &render::WritePdf;
        g.defaultFont = &render::DefaultFont;
    }
#else
    (void)argc;
    (void)argv;
#endif
    cli::StderrReporter rep;
    std::string out;
    int rc = cli::Run(o, g, out, rep);
    if (rc == 0) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
    }
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::ParseResult pr = cli::ParseArgs(args);
    if (!pr.error.empty()) {
        std::cerr << "almucan: " << pr.error << "\n\n" << cli::Usage();
        return 2;
    }
    const cli::Options& o = pr.options;
    if (o.help) {
        std::cout << cli::Usage();
        return 0;
    }
    if (!o.month) {
#ifdef ALMUCAN_HAVE_UI
        // Without a month the desktop window starts.
        return ui::RunWindow(argc, argv, o.settingsDir ? *o.settingsDir : std::string());
#else
        std::cout << cli::Usage();
        return 0;
#endif
    }
    return RunCommandLine(argc, argv, o);
}
