// Whole-file writes: a new file, and the failures that must leave
// everything as it was.  Replacing an old file keeps its permissions and a
// link to it: SettingsFolder.SaveReplacesTheFileOrTheTargetOfItsLink.
#include "fileio/filewrite.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

// Failures give the system's reason (strerror) and leave no temporary file;
// a loop of links stays as it was.  (A full disk and a missing folder,
// through the program's outputs: tests/cli/reliability_binary.cmake.)
// Ended by SIGTERM, SIGINT or SIGHUP in the middle of a write, the program
// leaves no temporary file and still ends by that signal.
TEST(ReplaceFile, WritesThroughATemporaryFileAndCleansUp) {
    const fs::path dir = fs::temp_directory_path() / ("almucan-replace-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::create_symlink("loop", dir / "loop");
    EXPECT_EQ(fileio::ReplaceFile((dir / "new.bin").string(), "abc"), "");
    EXPECT_EQ((std::ostringstream() << std::ifstream(dir / "new.bin", std::ios::binary).rdbuf()).str(), "abc");
    for (const auto& [path, reason] : {std::pair<fs::path, std::string>{"", "No such file or directory"},
                                       {dir, "Is a directory"}, {dir / "loop", "Too many levels of symbolic links"}})
        EXPECT_EQ(fileio::ReplaceFile(path.string(), "abc"), reason) << path;
    EXPECT_TRUE(fs::is_symlink(dir / "loop"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        std::ofstream(dir / "x.tmp") << "part";
        if (::fork() == 0) {
            fileio::RemoveTemporariesOnSignals();
            const fileio::TemporaryName guard((dir / "x.tmp").string());
            std::raise(sig);
            ::_exit(0);
        }
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig && !fs::exists(dir / "x.tmp")) << sig;
    }
    fs::remove_all(dir);
}
