// The settings file: its text, reading it back, the "not valid" cases and
// the file operations in a temporary folder.
#include "settings/settingsfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "recording_reporter.h"

namespace fs = std::filesystem;
using settings::Settings;

namespace {
std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
void writeFile(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary);
    out << text;
}
// The values the file holds, for comparing two records at once.
auto fields(const Settings& s) {
    return std::tie(s.longitude, s.latitude, s.timeZone, s.marginTop, s.marginBottom,
                    s.marginLeft, s.marginRight, s.fontName, s.fontSize);
}

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("almucan-settings-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        s_.settingsPath = settings::SettingsPathFor(dir_.string());
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::recursive_directory_iterator(dir_), {}));
    }
    fs::path dir_;
    Settings s_;
    RecordingReporter rep_;
};

const std::string kDefaults =
    "Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";
}  // namespace

// Values with at most 15 significant digits (as a user can type them) and
// font sizes with at most 7 (as single precision holds them) are read back
// unchanged; the number lines follow the program's number text.
TEST(SettingsText, RandomValuesSurviveWriteAndRead) {
    Settings s;
    s.longitude = -5.5;
    s.latitude = 0.5;
    s.timeZone = -12;
    s.marginTop = 16.33;
    s.marginBottom = 1e-7;
    const std::string written = settings::SettingsFileText(s);
    EXPECT_NE(written.find("\r\n-5.5\r\n .5\r\n-12\r\n 16.33\r\n 1E-07\r\n"), std::string::npos) << written;

    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> expo(-300, 300);
    const char* fonts[] = {"", " ", "Sans", "  Courier New  ", "A\tB", "\xC3\x9Cml\xC3\xA4ut"};
    auto digits = [&](const char* format, int e) {
        char buf[64];
        std::snprintf(buf, sizeof buf, format, unit(rng) * std::pow(10.0, e));
        return std::string(buf);
    };
    auto pick = [&] { return std::strtod(digits("%.14e", expo(rng)).c_str(), nullptr); };
    for (int i = 0; i < 5000; ++i) {
        s.longitude = pick();
        s.latitude = pick();
        s.timeZone = static_cast<double>(static_cast<int>(rng() % 25) - 12);
        s.marginTop = pick();
        s.marginBottom = pick();
        s.marginLeft = pick();
        s.marginRight = i % 7 == 0 ? 0.0 : pick();
        s.fontName = fonts[i % 6];
        s.fontSize = std::strtof(digits("%.6e", expo(rng) % 30).c_str(), nullptr);
        Settings back;
        ASSERT_TRUE(settings::ParseSettingsText(settings::SettingsFileText(s), back));
        ASSERT_EQ(fields(back), fields(s));
    }
}

TEST(SettingsText, ValueLinesFollowTheValueRule) {
    Settings s;
    ASSERT_TRUE(settings::ParseSettingsText(
        "Almucan V0.9\r\nabc\r\n12abc\r\n   -5\r\n1 6 . 5\r\n\t2\r\n.5e1\r\n-\r\nF\r\n 9.5xx\r\nextra\r\n",
        s));
    // Longitude, latitude, zone, the four margins, font name and size.
    EXPECT_EQ(fields(s), std::make_tuple(0.0, 12.0, -5.0, 16.5, 2.0, 5.0, 0.0, std::string("F"), 9.5f));
}

TEST(SettingsPath, PerUserConfigurationFolder) {
    EXPECT_EQ(settings::SettingsPathFor("/home/u/.config/Almucan"), "/home/u/.config/Almucan/Almucan.INI");
    EXPECT_EQ(settings::SettingsPathFor("/tmp/x/"), "/tmp/x/Almucan.INI");
    // XDG base directory rules; a relative or empty folder is never used.
    const struct {
        const char *xdg, *home, *passwd;
        std::optional<std::string> dir;
    } cases[] = {
        {"/x", "/h", "/p", "/x/Almucan"},
        {"/x/", nullptr, nullptr, "/x/Almucan"},
        {"rel", "/h", "/p", "/h/.config/Almucan"},
        {nullptr, "/h/", "/p", "/h/.config/Almucan"},
        {nullptr, nullptr, "/p", "/p/.config/Almucan"},
        {"", "", "/p", "/p/.config/Almucan"},
        {nullptr, "rel", "/p", "/p/.config/Almucan"},
        {nullptr, nullptr, nullptr, std::nullopt},
        {"", "", "", std::nullopt},
        {"rel", "rel", "rel", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::SettingsDirFor(c.xdg, c.home, c.passwd), c.dir)
            << (c.xdg ? c.xdg : "-") << " " << (c.home ? c.home : "-");
}

TEST(SettingsPath, WithoutHomeTheUsersEntryIsUsed) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string keepXdg = oldXdg ? oldXdg : "", keepHome = oldHome ? oldHome : "";
    const struct passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    ::unsetenv("XDG_CONFIG_HOME");
    for (const char* home : {"", static_cast<const char*>(nullptr)}) {
        if (home)
            ::setenv("HOME", home, 1);
        else
            ::unsetenv("HOME");
        EXPECT_EQ(settings::DefaultSettingsDir(), std::string(pw->pw_dir) + "/.config/Almucan");
    }
    if (oldXdg) ::setenv("XDG_CONFIG_HOME", keepXdg.c_str(), 1);
    if (oldHome) ::setenv("HOME", keepHome.c_str(), 1);
}

TEST_F(SettingsFolder, MissingFileIsCreatedWithDefaultsSilently) {
    EXPECT_EQ(settings::LoadSettings(s_, "DejaVu Sans", 10, rep_), settings::LoadResult::Created);
    EXPECT_EQ(readFile(s_.settingsPath), kDefaults);
    EXPECT_TRUE(rep_.log.empty());
    Settings again;
    again.settingsPath = s_.settingsPath;
    EXPECT_EQ(settings::LoadSettings(again, "other", 3, rep_), settings::LoadResult::Loaded);
    EXPECT_EQ(fields(again), fields(s_));
    // Only the settings file is left in the folder, no temporary file.
    EXPECT_EQ(filesInFolder(), 1u);
}

// A wrong header, a short or empty file, and files that would block or
// never end when read: reported, the record and the file left as they were.
TEST_F(SettingsFolder, NotValidFilesAreReportedAndLeftUntouched) {
    const std::string body = "\r\n 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\nF\r\n 10\r\n";
    auto text = [](std::string t) { return [t](const std::string& p) { writeFile(p, t); }; };
    const std::function<void(const std::string&)> make[] = {
        text("Almucan V1.0" + body),
        text("Almucan V0.9 " + body),
        text("almucan V0.9" + body),
        text("Almucan V0.9\r\n 1\r\n 2\r\n"),
        text(""),
        [](const std::string& p) { fs::create_directory(p); },
        [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
        [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
    };
    s_.longitude = 7;
    for (const auto& m : make) {
        m(s_.settingsPath);
        const auto type = fs::symlink_status(s_.settingsPath).type();
        const std::string before = type == fs::file_type::regular ? readFile(s_.settingsPath) : "";
        rep_.clear();
        EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::NotValid);
        EXPECT_EQ(rep_.log, (std::vector<std::string>{
                                "beep", "box:Error:INI-file " + s_.settingsPath +
                                            " not valid.\r\nPlease delete it."}));
        EXPECT_EQ(rep_.boxes[0].icon, report::Icon::Critical);
        EXPECT_EQ(s_.longitude, 7);
        EXPECT_EQ(fs::symlink_status(s_.settingsPath).type(), type);
        if (type == fs::file_type::regular) {
            EXPECT_EQ(readFile(s_.settingsPath), before);
        }
        fs::remove(s_.settingsPath);
    }
}

// A line may hold 64 KiB; a longer one makes the file not valid.  The memory
// of a whole run on huge settings files is measured by
// tests/cli/settings_binary.sh.
TEST_F(SettingsFolder, LinesLongerThan64KiBMakeTheFileNotValid) {
    const std::string head = "Almucan V0.9\r\n 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\n";
    const std::size_t maxLine = settings::kMaxSettingsLineBytes;
    writeFile(s_.settingsPath, head + std::string(maxLine + 1, 'F') + "\n 10");
    EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::NotValid);
    writeFile(s_.settingsPath, head + std::string(maxLine, 'F') + "\n 10");
    ASSERT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::Loaded);
    EXPECT_EQ(s_.fontName, std::string(maxLine, 'F'));
    EXPECT_EQ(s_.fontSize, 10.0f);
}

// Saving replaces the whole file (a longer old one leaves no tail) and,
// through a link, the file the link names; the link itself stays.
TEST_F(SettingsFolder, SaveThroughALinkReplacesItsTarget) {
    fs::create_directories(dir_ / "dotfiles" / "sub");
    const struct {
        std::string link, target;  // the link's text; the file written
        bool exists;               // the target exists before
    } cases[] = {
        {"", "Almucan.INI", true},  // no link
        {"dotfiles/a.ini", "dotfiles/a.ini", true},
        {(dir_ / "dotfiles/b.ini").string(), "dotfiles/b.ini", true},
        {"dotfiles/c.ini", "dotfiles/c.ini", false},       // dangling: created
        {"dotfiles/sub/../d.ini", "dotfiles/d.ini", false},
        {"chain", "dotfiles/e.ini", true},                 // a link to a link
    };
    fs::create_symlink("dotfiles/e.ini", dir_ / "chain");
    s_.fontName = "DejaVu Sans";
    for (const auto& c : cases) {
        const fs::path target = dir_ / c.target;
        fs::remove(s_.settingsPath);
        if (c.exists) {
            writeFile(target, std::string(5000, 'x'));
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        }
        if (!c.link.empty()) fs::create_symlink(c.link, s_.settingsPath);
        rep_.clear();
        if (c.exists) {
            EXPECT_TRUE(settings::SaveSettings(s_, rep_));
            EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write);
        } else {
            EXPECT_EQ(settings::LoadSettings(s_, "DejaVu Sans", 10, rep_), settings::LoadResult::Created);
        }
        EXPECT_TRUE(rep_.log.empty());
        EXPECT_EQ(fs::is_symlink(s_.settingsPath), !c.link.empty()) << c.link;
        EXPECT_EQ(readFile(target), kDefaults) << c.link;
    }
    // Two links, two folders, five files: no temporary file is left.
    EXPECT_EQ(filesInFolder(), 2u + 2u + 5u);
}

TEST_F(SettingsFolder, FailedWriteReportsOnceAndCreationIsNotRetried) {
    // The folder of the file is a regular file: nothing can be created there.
    writeFile(dir_ / "blocker", "x");
    s_.settingsPath = settings::SettingsPathFor((dir_ / "blocker").string());
    s_.longitude = 3;
    EXPECT_EQ(settings::LoadSettings(s_, "Mono", 12, rep_), settings::LoadResult::CreateFailed);
    EXPECT_EQ(rep_.log, (std::vector<std::string>{
                            "beep", "box:Error:Can't write\r\n   " + s_.settingsPath + "\r\nto disk."}));
    // The defaults stay in memory for the run.
    EXPECT_EQ(s_.longitude, 16.33);
    EXPECT_EQ(s_.fontName, "Mono");
    rep_.clear();
    EXPECT_FALSE(settings::SaveSettings(s_, rep_));
    EXPECT_EQ(rep_.boxes.size(), 1u);
}

TEST_F(SettingsFolder, FailedSaveKeepsTheOldFileWhole) {
    writeFile(s_.settingsPath, kDefaults);
    s_.fontName = std::string(200, 'F');
    // Let no file grow beyond 20 bytes: the new text cannot be written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit keep{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &keep), 0);
    rlimit small = keep;
    small.rlim_cur = 20;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool ok = settings::SaveSettings(s_, rep_);
    ::setrlimit(RLIMIT_FSIZE, &keep);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rep_.boxes.size(), 1u);
    EXPECT_EQ(rep_.beeps, 1);
    EXPECT_EQ(readFile(s_.settingsPath), kDefaults);
    EXPECT_EQ(filesInFolder(), 1u);
}
