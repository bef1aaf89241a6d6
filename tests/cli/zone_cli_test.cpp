// --zone on the command line: checks, the month line, the settings' zone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "cli/cli.h"
#include "recording_reporter.h"

namespace {

struct Outcome {
    std::string parseError;
    int code = -1;
    std::string out, messages;
};

Outcome run(std::vector<std::string> args, const std::string& dir) {
    args.insert(args.end(), {"--settings-dir", dir});
    Outcome o;
    cli::ParseResult pr = cli::ParseArgs(args);
    o.parseError = pr.error;
    if (!pr.error.empty()) return o;
    RecordingReporter rep;
    o.code = cli::Run(pr.options, cli::GraphicOutputs{}, o.out, rep);
    for (const auto& b : rep.boxes) o.messages += b.text;
    return o;
}

TEST(ZoneCli, Cases) {
    const auto dir = (std::filesystem::temp_directory_path() / ("almucan-zonecli-" + std::to_string(::getpid()))).string();
    std::filesystem::remove_all(dir);
    const std::string vienna = "Month: 202603   Long.: 16.33   Lat.: 48.25   Time Zone: Europe/Vienna\n";
    struct Case {
        std::vector<std::string> args;
        std::string parseError;  // part of CLI11's complaint
        int code;
        std::string inOut, message;
    } cases[] = {
        {{"--month", "202603", "--zone", "Mars/Olympus"}, "", 2, "", "unknown time zone 'Mars/Olympus'"},
        {{"--month", "202603", "--zone", "Europe/Vienna", "--tz", "1"}, "excludes", -1, "", ""},
        {{"--month", "202603", "--zone", "Europe/Vienna", "--summer-time"}, "excludes", -1, "", ""},
        {{"--month", "202603", "--zone", "Europe/Vienna"}, "", 0, vienna, ""},
        {{"--year", "2026", "--tsv", "--zone", "Asia/Kolkata", "--lon", "88.36", "--lat", "22.57"}, "", 0,
         "Month: 202612   Long.: 88.36   Lat.: 22.57   Time Zone: Asia/Kolkata\n", ""},
    };
    for (const Case& c : cases) {
        const Outcome o = run(c.args, dir);
        EXPECT_NE(o.parseError.find(c.parseError), std::string::npos) << o.parseError;
        if (!c.parseError.empty()) continue;
        EXPECT_EQ(o.code, c.code) << c.args[3];
        EXPECT_NE(o.out.find(c.inOut), std::string::npos) << o.out.substr(0, 200);
        EXPECT_EQ(o.messages, c.message);
    }
    // A zone in the settings file is used without --zone; --tz sets it aside.
    {
        std::ofstream f(dir + "/Almucan.INI", std::ios::binary | std::ios::app);
        f << "America/New_York\r\n";
    }
    EXPECT_NE(run({"--month", "202603"}, dir).out.find("Time Zone: America/New_York\n"), std::string::npos);
    EXPECT_NE(run({"--month", "202603", "--tz", "2"}, dir).out.find("Time Zone: 2\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}

}  // namespace
