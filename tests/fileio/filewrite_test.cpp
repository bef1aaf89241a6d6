// Whole-file writes: a new file, a replaced one (its permissions kept),
// through a link, and the failures that must leave everything as it was.
#include "fileio/filewrite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {
std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(ReplaceFile, WritesThroughATemporaryFileAndReportsFailures) {
    fs::path dir = fs::temp_directory_path() / ("almucan-replace-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_EQ(fileio::ReplaceFile((dir / "new.bin").string(), "abc"), "");
    EXPECT_EQ(read(dir / "new.bin"), "abc");
    // Replacing keeps the old file's permissions.
    ::chmod((dir / "new.bin").c_str(), 0640);
    EXPECT_EQ(fileio::ReplaceFile((dir / "new.bin").string(), "abcd"), "");
    EXPECT_EQ(fs::status(dir / "new.bin").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Through a link the file it names is replaced and the link stays.
    fs::create_symlink("new.bin", dir / "link.bin");
    EXPECT_EQ(fileio::ReplaceFile((dir / "link.bin").string(), "xyz"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.bin"));
    EXPECT_EQ(read(dir / "new.bin"), "xyz");
    // Failures give the system's reason and leave no temporary file.
    const struct {
        std::string path, reason;
    } failures[] = {
        {"/dev/full", "No space left on device"},
        {(dir / "none" / "x.bin").string(), "No such file or directory"},
        {"", "No such file or directory"},
        {dir.string(), "Is a directory"},
    };
    for (const auto& f : failures) EXPECT_EQ(fileio::ReplaceFile(f.path, "abc"), f.reason) << f.path;
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}
