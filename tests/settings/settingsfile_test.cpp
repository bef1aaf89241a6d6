// The settings file: its text, reading it back, the "not valid" cases and
// the file operations in a temporary folder.
#include "settings/settingsfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>

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
    fs::path dir_;
    Settings s_;
    RecordingReporter rep_;
};

const std::string kDefaults =
    "Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";
}  // namespace

TEST(SettingsText, DefaultsGiveTheTenLines) {
    Settings s;
    s.fontName = "DejaVu Sans";
    s.fontSize = 10;
    EXPECT_EQ(settings::SettingsFileText(s), kDefaults);
}

TEST(SettingsText, WrittenValuesReadBackUnchanged) {
    Settings s;
    s.longitude = -5.5;
    s.latitude = 0.5;
    s.timeZone = -12;
    s.marginTop = 16.33;
    s.marginBottom = 1e-7;
    s.marginLeft = 123.456789012345;
    s.marginRight = 1e300;
    s.fontName = "  Times  New Roman ";
    s.fontSize = 8.3f;
    std::string text = settings::SettingsFileText(s);
    EXPECT_NE(text.find("\r\n-5.5\r\n .5\r\n-12\r\n 16.33\r\n 1E-07\r\n"), std::string::npos) << text;
    Settings back;
    ASSERT_TRUE(settings::ParseSettingsText(text, back));
    EXPECT_EQ(back.longitude, s.longitude);
    EXPECT_EQ(back.latitude, s.latitude);
    EXPECT_EQ(back.timeZone, s.timeZone);
    EXPECT_EQ(back.marginTop, s.marginTop);
    EXPECT_EQ(back.marginBottom, s.marginBottom);
    EXPECT_EQ(back.marginLeft, s.marginLeft);
    EXPECT_EQ(back.marginRight, s.marginRight);
    EXPECT_EQ(back.fontName, s.fontName);
    EXPECT_EQ(back.fontSize, s.fontSize);
}

TEST(SettingsText, RandomValuesSurviveWriteAndRead) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> expo(-300, 300);
    const char* fonts[] = {"", " ", "Sans", "  Courier New  ", "A\tB", "\xC3\x9Cml\xC3\xA4ut"};
    for (int i = 0; i < 5000; ++i) {
        Settings s;
        // Values with at most 15 significant digits, as a user can type them.
        auto pick = [&] {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.14e", unit(rng) * std::pow(10.0, expo(rng)));
            return std::strtod(buf, nullptr);
        };
        s.longitude = pick();
        s.latitude = pick();
        s.timeZone = static_cast<double>(static_cast<int>(rng() % 25) - 12);
        s.marginTop = pick();
        s.marginBottom = pick();
        s.marginLeft = pick();
        s.marginRight = i % 7 == 0 ? 0.0 : pick();
        s.fontName = fonts[i % 6];
        // Font sizes with at most 7 significant digits, as single precision holds them.
        char fs7[32];
        std::snprintf(fs7, sizeof fs7, "%.6e", unit(rng) * std::pow(10.0, expo(rng) % 30));
        s.fontSize = std::strtof(fs7, nullptr);
        Settings back;
        ASSERT_TRUE(settings::ParseSettingsText(settings::SettingsFileText(s), back));
        ASSERT_EQ(back.longitude, s.longitude);
        ASSERT_EQ(back.latitude, s.latitude);
        ASSERT_EQ(back.timeZone, s.timeZone);
        ASSERT_EQ(back.marginTop, s.marginTop);
        ASSERT_EQ(back.marginBottom, s.marginBottom);
        ASSERT_EQ(back.marginLeft, s.marginLeft);
        ASSERT_EQ(back.marginRight, s.marginRight);
        ASSERT_EQ(back.fontName, s.fontName);
        ASSERT_EQ(back.fontSize, s.fontSize);
    }
}

TEST(SettingsText, ValueLinesFollowTheValueRule) {
    Settings s;
    ASSERT_TRUE(settings::ParseSettingsText(
        "Almucan V0.9\r\nabc\r\n12abc\r\n   -5\r\n1 6 . 5\r\n\t2\r\n.5e1\r\n-\r\nF\r\n 9.5xx\r\nextra\r\n",
        s));
    EXPECT_EQ(s.longitude, 0);
    EXPECT_EQ(s.latitude, 12);
    EXPECT_EQ(s.timeZone, -5);
    EXPECT_EQ(s.marginTop, 16.5);
    EXPECT_EQ(s.marginBottom, 2);
    EXPECT_EQ(s.marginLeft, 5);
    EXPECT_EQ(s.marginRight, 0);
    EXPECT_EQ(s.fontName, "F");
    EXPECT_EQ(s.fontSize, 9.5f);
}

TEST(SettingsText, WrongHeaderOrShortFileIsRefusedAndLeavesTheRecord) {
    Settings s;
    s.longitude = 7;
    const std::string body = "\r\n 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\nF\r\n 10\r\n";
    EXPECT_FALSE(settings::ParseSettingsText("Almucan V1.0" + body, s));
    EXPECT_FALSE(settings::ParseSettingsText("Almucan V0.9 " + body, s));
    EXPECT_FALSE(settings::ParseSettingsText("almucan V0.9" + body, s));
    EXPECT_FALSE(settings::ParseSettingsText("Almucan V0.9\r\n 1\r\n 2\r\n", s));
    EXPECT_FALSE(settings::ParseSettingsText("", s));
    EXPECT_EQ(s.longitude, 7);
    EXPECT_TRUE(settings::ParseSettingsText("Almucan V0.9" + body, s));
    EXPECT_EQ(s.longitude, 1);
}

TEST(SettingsPath, OneSeparator) {
    EXPECT_EQ(settings::SettingsPathFor("/home/u/.config/Almucan"), "/home/u/.config/Almucan/Almucan.INI");
    EXPECT_EQ(settings::SettingsPathFor("/tmp/x/"), "/tmp/x/Almucan.INI");
    EXPECT_EQ(settings::SettingsPathFor("/"), "/Almucan.INI");
}

TEST(SettingsPath, PerUserConfigurationFolder) {
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
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "", 1);
    const struct passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(settings::DefaultSettingsDir(), std::string(pw->pw_dir) + "/.config/Almucan");
    ::unsetenv("HOME");
    EXPECT_EQ(settings::DefaultSettingsDir(), std::string(pw->pw_dir) + "/.config/Almucan");
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
    EXPECT_EQ(again.longitude, 16.33);
    EXPECT_EQ(again.fontName, "DejaVu Sans");
    EXPECT_EQ(again.fontSize, 10.0f);
    // Only the settings file is left in the folder, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);
}

TEST_F(SettingsFolder, NotValidFilesAreReportedAndLeftUntouched) {
    const std::string cases[] = {
        "Almucan V1.0\r\n 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\nF\r\n 10\r\n",
        "Almucan V0.9\r\n 1\r\n 2\r\n",  // too short
        "",                              // empty
    };
    for (const auto& text : cases) {
        writeFile(s_.settingsPath, text);
        rep_.clear();
        EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::NotValid);
        ASSERT_EQ(rep_.log.size(), 2u);
        EXPECT_EQ(rep_.log[0], "beep");
        EXPECT_EQ(rep_.boxes[0].text, "INI-file " + s_.settingsPath + " not valid.\r\nPlease delete it.");
        EXPECT_EQ(rep_.boxes[0].title, "Error");
        EXPECT_EQ(rep_.boxes[0].icon, report::Icon::Critical);
        EXPECT_EQ(readFile(s_.settingsPath), text);
    }
}

TEST_F(SettingsFolder, NotARegularFileIsNotValidAndLeftAlone) {
    // Each would block or never end when read as a file.
    const std::function<void(const std::string&)> make[] = {
        [](const std::string& p) { fs::create_directory(p); },
        [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
        [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
    };
    for (const auto& m : make) {
        m(s_.settingsPath);
        const auto type = fs::symlink_status(s_.settingsPath).type();
        rep_.clear();
        EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::NotValid);
        EXPECT_EQ(rep_.log, (std::vector<std::string>{
                                "beep", "box:Error:INI-file " + s_.settingsPath +
                                            " not valid.\r\nPlease delete it."}));
        EXPECT_EQ(fs::symlink_status(s_.settingsPath).type(), type);
        fs::remove(s_.settingsPath);
    }
}

// Runs `f` in a child process; returns the child's peak memory growth in
// KiB (resident set, from getrusage) and whether f returned true.
std::pair<long, bool> PeakGrowthInChild(const std::function<bool()>& f) {
    int fds[2];
    if (::pipe(fds) != 0) return {-1, false};
    const pid_t pid = ::fork();
    if (pid == 0) {
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        const char ok = f() ? 1 : 0;
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        const long grown = after.ru_maxrss - before.ru_maxrss;
        if (::write(fds[1], &grown, sizeof grown) < 0 || ::write(fds[1], &ok, 1) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(fds[1]);
    long grown = -1;
    char ok = 0;
    const bool got = ::read(fds[0], &grown, sizeof grown) == sizeof grown && ::read(fds[0], &ok, 1) == 1;
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {got ? grown : -1, ok == 1};
}

TEST_F(SettingsFolder, OnlyTheLinesUsedAreRead) {
    const std::string head = "Almucan V0.9\r\n 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\n";
    const std::size_t maxLine = settings::kMaxSettingsLineBytes;
    const struct {
        std::string text;
        off_t sparseTail;  // bytes of zeros after the text (a hole on disk)
        settings::LoadResult result;
    } cases[] = {
        {head + std::string(maxLine, 'F') + "\n 10", 0, settings::LoadResult::Loaded},
        {head + std::string(maxLine + 1, 'F') + "\n 10", 0, settings::LoadResult::NotValid},
        {head + "F\r 10\r\n", off_t{200} << 20, settings::LoadResult::Loaded},
        {"Almucan V1.0\n", off_t{200} << 20, settings::LoadResult::NotValid},
        {"Almucan V0.9\n", off_t{200} << 20, settings::LoadResult::NotValid},  // a 200 MB line
    };
    for (const auto& c : cases) {
        writeFile(s_.settingsPath, c.text);
        if (c.sparseTail > 0)
            fs::resize_file(s_.settingsPath, c.text.size() + static_cast<std::uintmax_t>(c.sparseTail));
        const auto [grownKiB, loaded] = PeakGrowthInChild([&] {
            Settings s = s_;
            return settings::LoadSettings(s, "F", 10, rep_) == settings::LoadResult::Loaded;
        });
        EXPECT_EQ(loaded, c.result == settings::LoadResult::Loaded) << c.text.size();
        EXPECT_GE(grownKiB, 0);
        EXPECT_LT(grownKiB, 8 * 1024) << c.text.size();
    }
    Settings s;
    s.settingsPath = s_.settingsPath;
    writeFile(s_.settingsPath, cases[0].text);
    ASSERT_EQ(settings::LoadSettings(s, "F", 10, rep_), settings::LoadResult::Loaded);
    EXPECT_EQ(s.fontName, std::string(maxLine, 'F'));
    EXPECT_EQ(s.fontSize, 10.0f);
}

TEST_F(SettingsFolder, SaveReplacesTheWholeFile) {
    writeFile(s_.settingsPath, std::string(5000, 'x'));
    s_.fontName = "DejaVu Sans";
    s_.fontSize = 10;
    EXPECT_TRUE(settings::SaveSettings(s_, rep_));
    EXPECT_EQ(readFile(s_.settingsPath), kDefaults);
    EXPECT_TRUE(rep_.log.empty());
}

TEST_F(SettingsFolder, SaveThroughALinkReplacesItsTarget) {
    fs::create_directories(dir_ / "dotfiles" / "sub");
    const struct {
        std::string link, target;  // the link's text; the file written
        bool exists;               // the target exists before
    } cases[] = {
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
        if (c.exists) {
            writeFile(target, "old");
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        }
        fs::remove(s_.settingsPath);
        fs::create_symlink(c.link, s_.settingsPath);
        rep_.clear();
        if (c.exists) {
            EXPECT_TRUE(settings::SaveSettings(s_, rep_));
            EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write);
        } else {
            EXPECT_EQ(settings::LoadSettings(s_, "DejaVu Sans", 10, rep_), settings::LoadResult::Created);
        }
        EXPECT_TRUE(rep_.log.empty());
        EXPECT_TRUE(fs::is_symlink(s_.settingsPath)) << c.link;
        EXPECT_EQ(readFile(target), kDefaults) << c.link;
    }
    // Two links, two folders, five files: no temporary file is left.
    std::size_t n = 0;
    for (auto it = fs::recursive_directory_iterator(dir_); it != fs::recursive_directory_iterator(); ++it) ++n;
    EXPECT_EQ(n, 2u + 2u + 5u);
}

TEST_F(SettingsFolder, FailedWriteReportsOnceAndCreationIsNotRetried) {
    // The folder of the file is a regular file: nothing can be created there.
    writeFile(dir_ / "blocker", "x");
    s_.settingsPath = settings::SettingsPathFor((dir_ / "blocker").string());
    s_.longitude = 3;
    EXPECT_EQ(settings::LoadSettings(s_, "Mono", 12, rep_), settings::LoadResult::CreateFailed);
    ASSERT_EQ(rep_.log.size(), 2u);
    EXPECT_EQ(rep_.log[0], "beep");
    EXPECT_EQ(rep_.boxes[0].text, "Can't write\r\n   " + s_.settingsPath + "\r\nto disk.");
    EXPECT_EQ(rep_.boxes[0].title, "Error");
    // The defaults stay in memory for the run.
    EXPECT_EQ(s_.longitude, 16.33);
    EXPECT_EQ(s_.fontName, "Mono");
    rep_.clear();
    EXPECT_FALSE(settings::SaveSettings(s_, rep_));
    EXPECT_EQ(rep_.boxes.size(), 1u);
}

TEST_F(SettingsFolder, FailedSaveKeepsTheOldFileWhole) {
    const std::string old = kDefaults;
    writeFile(s_.settingsPath, old);
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
    EXPECT_EQ(readFile(s_.settingsPath), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);
}
