// Bounded reads: what is handed over, where a read ends, and the files
// that are not read at all (a FIFO with no writer must not block).
#include "fileio/fileread.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

// 40,000 bytes are three reads of at most 16 KiB.  Each row: the file, the
// bound, how many pieces `take` accepts, how the read ends, the bytes
// handed over and the reason given ("-": none, `why` left alone).
TEST(ReadBounded, HandsOverAtMostTheBoundAndRefusesWhatIsNoRegularFile) {
    const fs::path dir = fs::temp_directory_path() / ("almucan-read-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string data(40000, 'a');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>('a' + i % 26);
    std::ofstream(dir / "data", std::ios::binary) << data;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero");
    using E = fileio::ReadEnd;
    const struct {
        fs::path path;
        std::size_t maxBytes, pieces;
        E end;
        std::string bytes, why;
    } rows[] = {{dir / "data", 1 << 20, 9, E::Whole, data, "-"},
                {dir / "data", 40000, 9, E::Limit, data, "-"},
                {dir / "data", 20000, 9, E::Limit, data.substr(0, 20000), "-"},
                {dir / "data", 1 << 20, 1, E::Stopped, data.substr(0, 16384), "-"},
                {dir / "fifo", 1 << 20, 9, E::NotRegular, "", "-"},
                {dir / "zero", 1 << 20, 9, E::NotRegular, "", "-"},
                {dir, 1 << 20, 9, E::NotRegular, "", "-"},
                {dir / "none", 1 << 20, 9, E::Failed, "", "No such file or directory"}};
    for (const auto& r : rows) {
        std::string got, why = "-";
        std::size_t pieces = 0;
        const E end = fileio::ReadBounded(r.path.string(), r.maxBytes, [&](std::string_view piece) {
            got.append(piece);
            return ++pieces < r.pieces;
        }, why);
        EXPECT_EQ(std::tie(end, got, why), std::tie(r.end, r.bytes, r.why)) << r.path << " " << r.maxBytes;
    }
    fs::remove_all(dir);
}
