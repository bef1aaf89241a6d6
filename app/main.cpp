// Almucan: the window, or with --month the command-line mode.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

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
        std::cout << cli::Usage();
        return 0;
    }
    cli::GraphicOutputs g;
    cli::StderrReporter rep;
    std::string out;
    int rc = cli::Run(o, g, out, rep);
    if (rc == 0) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
    }
    return rc;
}
