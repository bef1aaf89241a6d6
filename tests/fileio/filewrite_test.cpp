// Whole-file writes: a new file, and the failures that must leave
// everything as it was.
#include "fileio/filewrite.h"

#include <gtest/gtest.h>
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
    // Replacing an old file keeps its permissions and a link to it: see
    // SettingsFolder.SaveThroughALinkReplacesItsTarget.
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
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}
