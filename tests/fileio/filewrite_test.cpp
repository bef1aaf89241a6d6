// Whole-file writes: a new file, an old one replaced (also through links),
// and the failures that must leave everything as it was.
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
// Ended by SIGTERM, SIGINT, SIGHUP or SIGPIPE in the middle of a write, the
// program leaves no temporary file and still ends by that signal.
TEST(ReplaceFile, WritesThroughATemporaryFileAndCleansUp) {
    const fs::path dir = fs::temp_directory_path() / ("almucan-replace-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::create_symlink("loop", dir / "loop");
    EXPECT_EQ(fileio::ReplaceFile((dir / "new.bin").string(), "abc"), "");
    const auto read = [](const fs::path& p) { return (std::ostringstream() << std::ifstream(p, std::ios::binary).rdbuf()).str(); };
    EXPECT_EQ(read(dir / "new.bin"), "abc");
    // A longer old file leaves no tail and keeps its permissions; through a
    // link (and a link to a link) the file it names is replaced, the link stays.
    fs::create_symlink("new.bin", dir / "link");
    fs::create_symlink("link", dir / "chain");
    fs::permissions(dir / "new.bin", fs::perms::owner_read | fs::perms::owner_write);
    for (const char* name : {"new.bin", "link", "chain"}) {
        EXPECT_EQ(fileio::ReplaceFile((dir / name).string(), name), "");
        EXPECT_TRUE(read(dir / "new.bin") == name && fs::is_symlink(dir / name) == (name[0] != 'n'));
        EXPECT_EQ(fs::status(dir / "new.bin").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    }
    for (const auto& [path, reason] : {std::pair<fs::path, std::string>{"", "No such file or directory"},
                                       {dir, "Is a directory"}, {dir / "loop", "Too many levels of symbolic links"}})
        EXPECT_EQ(fileio::ReplaceFile(path.string(), "abc"), reason) << path;
    EXPECT_TRUE(fs::is_symlink(dir / "loop"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);  // no temporary file
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
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

// The files of one run: a failing in-place target (/dev/full) after two
// staged files leaves the old file whole and makes no new one; a set
// dropped before Commit does the same.  Names of up to NAME_MAX (255)
// bytes are written beside a temporary of a name within that limit.
TEST(StagedFiles, AllOrNoneAndNamesUpToTheLimit) {
    const fs::path dir = fs::temp_directory_path() / ("almucan-staged-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto read = [](const fs::path& p) { return (std::ostringstream() << std::ifstream(p, std::ios::binary).rdbuf()).str(); };
    std::ofstream(dir / "old.png") << "old";
    {
        fileio::StagedFiles files;
        EXPECT_EQ(files.Stage((dir / "old.png").string(), "new", "image"), "");
        EXPECT_EQ(files.Stage((dir / "new.pdf").string(), "pdf", "PDF"), "");
        EXPECT_EQ(files.Stage("/dev/full", "ics", "calendar"), "");
        const auto failed = files.Commit();
        ASSERT_TRUE(failed);
        EXPECT_EQ(failed->name + ": " + failed->reason, "calendar: No space left on device");
        fileio::StagedFiles dropped;
        EXPECT_EQ(dropped.Stage((dir / "old.png").string(), "new"), "");
    }
    EXPECT_EQ(read(dir / "old.png"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);  // no new file, no temporary
    for (const std::size_t length : {241, 255}) {
        const fs::path name = dir / std::string(length, 'n');
        fileio::StagedFiles files;
        EXPECT_EQ(files.Stage(name.string(), "long") + files.Stage((dir / "old.png").string(), "new"), "") << length;
        EXPECT_FALSE(files.Commit());
        EXPECT_EQ(read(name) + read(dir / "old.png"), "longnew");
        fs::remove(name);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
    fs::remove_all(dir);
}
