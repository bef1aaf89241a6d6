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
#include <iterator>

namespace fs = std::filesystem;

TEST(ReplaceFile, WritesThroughATemporaryFileAndReportsFailures) {
    const fs::path dir = fs::temp_directory_path() / ("almucan-replace-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_EQ(fileio::ReplaceFile((dir / "new.bin").string(), "abc"), "");
    std::ifstream in(dir / "new.bin", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "abc");
    // Failures give the system's reason (strerror) and leave no temporary
    // file; a loop of links stays as it was.  (A full disk and a missing
    // folder, through the program's outputs: tests/cli/reliability_binary.cmake.)
    fs::create_symlink("loop", dir / "loop");
    const std::pair<std::string, std::string> failures[] = {
        {"", "No such file or directory"},
        {dir.string(), "Is a directory"},
        {(dir / "loop").string(), "Too many levels of symbolic links"},
    };
    for (const auto& [path, reason] : failures) EXPECT_EQ(fileio::ReplaceFile(path, "abc"), reason) << path;
    EXPECT_TRUE(fs::is_symlink(dir / "loop"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
    fs::remove_all(dir);
}

// Ended by SIGTERM, SIGINT or SIGHUP in the middle of a write, the program
// leaves no temporary file and still ends by that signal.
TEST(ReplaceFile, SignalsRemoveTheTemporaryFile) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        const fs::path temp = fs::temp_directory_path() / ("almucan-signal-" + std::to_string(::getpid()) + ".tmp");
        std::ofstream(temp) << "part";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            fileio::RemoveTemporariesOnSignals();
            const fileio::TemporaryName guard(temp.string());
            std::raise(sig);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
        EXPECT_FALSE(fs::exists(temp)) << sig;
        fs::remove(temp);
    }
}
