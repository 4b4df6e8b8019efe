// Start-up: the command line, the system variables, the version names and the boxes shown when
// there is no script to run.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "fake_platform.h"
#include "interp/startup.h"

namespace velmish_test {
namespace {

using interp::LaunchArgs;
using interp::splitCommandLine;
using Lines = std::vector<std::string>;

// ---- command line ----

TEST(SplitCommandLine, QuotedPathWithBlanksAndTwoWords) {
    LaunchArgs args = splitCommandLine("\"C:\\My Scripts\\run.vl\" one two");
    EXPECT_EQ(args.scriptPath, "C:\\My Scripts\\run.vl");
    EXPECT_EQ(args.command, std::optional<std::string>("one two"));
}

TEST(SplitCommandLine, UnquotedPathAndBlanksAroundAWord) {
    LaunchArgs args = splitCommandLine("run.vl    word   ");
    EXPECT_EQ(args.scriptPath, "run.vl");
    EXPECT_EQ(args.command, std::optional<std::string>("word"));
}

TEST(SplitCommandLine, PathAloneLeavesCommandUnset) {
    LaunchArgs args = splitCommandLine("run.vl");
    EXPECT_EQ(args.scriptPath, "run.vl");
    EXPECT_FALSE(args.command.has_value());
}

TEST(SplitCommandLine, UnclosedQuoteTakesEverything) {
    LaunchArgs args = splitCommandLine("\"C:\\a b\\run.vl x y");
    EXPECT_EQ(args.scriptPath, "C:\\a b\\run.vl x y");
    EXPECT_FALSE(args.command.has_value());
}

TEST(SplitCommandLine, TextAfterTheDelimiter) {
    EXPECT_EQ(splitCommandLine("run.vl ").command, std::optional<std::string>(""));
    EXPECT_EQ(splitCommandLine("run.vl  ").command, std::optional<std::string>(""));
    EXPECT_EQ(splitCommandLine("\"run.vl\"").command, std::optional<std::string>(""));
    EXPECT_EQ(splitCommandLine("\"run.vl\" ").command, std::optional<std::string>(""));
    EXPECT_EQ(splitCommandLine("\"run.vl\"x  y").command, std::optional<std::string>("x  y"));
    EXPECT_EQ(splitCommandLine("run.vl \tx\t ").command, std::optional<std::string>("\tx\t"));
    EXPECT_EQ(splitCommandLine("run.vl a \"b c\"").command, std::optional<std::string>("a \"b c\""));
}

TEST(SplitCommandLine, EmptyLineHasNoPath) {
    LaunchArgs args = splitCommandLine("");
    EXPECT_EQ(args.scriptPath, "");
    EXPECT_FALSE(args.command.has_value());
    EXPECT_EQ(splitCommandLine(" x").scriptPath, "");
    EXPECT_EQ(splitCommandLine(" x").command, std::optional<std::string>("x"));
}

TEST(LaunchArgsFromArgv, PathAndJoinedParameters) {
    const char* none[] = {"velint"};
    EXPECT_EQ(interp::launchArgsFromArgv(1, none).scriptPath, "");
    const char* alone[] = {"velint", "a b.vl"};
    LaunchArgs pathOnly = interp::launchArgsFromArgv(2, alone);
    EXPECT_EQ(pathOnly.scriptPath, "a b.vl");
    EXPECT_FALSE(pathOnly.command.has_value());
    const char* many[] = {"velint", "s.vl", " x ", "y ", "z"};
    EXPECT_EQ(interp::launchArgsFromArgv(5, many).command, std::optional<std::string>("x  y  z"));
}

// ---- version names ----

TEST(WindowsVersionName, KnownVersions) {
    using platform::WindowsVersion;
    const std::pair<WindowsVersion, const char*> cases[] = {
        {{1, 4, 0, 951}, "95A"},
        {{1, 4, 3, 951}, "95A"},
        {{1, 4, 0, 1111}, "95B"},
        {{1, 4, 3, 1212}, "95B"},
        {{1, 4, 0, 1214}, "95C"},
        {{1, 4, 10, 1998}, "98"},
        {{1, 4, 10, 2000}, "98SE"},
        {{1, 4, 10, 2222}, "98SE"},
        {{1, 4, 90, 3000}, "ME"},
        {{2, 4, 0, 1381}, "NT4"},
        {{2, 4, 7, 1}, "NT4"},
        {{2, 5, 0, 2195}, "2000"},
        {{2, 5, 1, 2600}, "XP"},
        {{2, 5, 0, 2600}, "XP"},
        {{2, 5, 1, 2505}, "XP"},
        {{2, 5, 0, 2505}, "XP"},
        {{1, 4, 10, 0x040A08AE}, "98SE"},
        {{2, 5, 1, 0x0A280A28}, "XP"},
    };
    for (const auto& [version, name] : cases) {
        EXPECT_EQ(interp::windowsVersionName(version), name)
            << version.platformId << " " << version.major << "." << version.minor << " " << version.build;
    }
}

TEST(WindowsVersionName, EverythingElseIsUnknown) {
    using platform::WindowsVersion;
    const WindowsVersion cases[] = {{1, 4, 0, 1998}, {1, 4, 10, 951},     {1, 4, 10, 1999}, {1, 4, 90, 2222},
                                    {1, 4, 1, 951},  {2, 5, 0, 2600 + 1}, {2, 5, 1, 2195},  {2, 5, 2, 3790},
                                    {2, 6, 1, 7601}, {2, 10, 0, 19045},   {3, 5, 1, 2600},  {0, 4, 0, 951}};
    for (const WindowsVersion& version : cases) {
        EXPECT_EQ(interp::windowsVersionName(version), "unknown")
            << version.platformId << " " << version.major << "." << version.minor << " " << version.build;
    }
    EXPECT_EQ(interp::windowsVersionName(std::nullopt), "unknown");
}

// ---- system variables ----

// The value of each variable after start-up, shown through ECHO.
std::vector<std::string> startValues(FakePlatform& fake, const Lines& names, const LaunchArgs& args = kDefaultArgs) {
    Lines script;
    for (const std::string& name : names) script.push_back("ECHO '<'#[" + name + "]#'>'");
    return runScript(fake, crlf(script), args).shown;
}

TEST(SystemVariables, InitialValues) {
    FakePlatform fake;
    fake.environment["windir"] = "C:\\WINDOWS";
    fake.user = "alice";
    fake.directory = "/work/here";
    fake.version = platform::WindowsVersion{1, 4, 10, 2222};
    Lines names = {"command",          "errorcode",      "ownname",         "Echo_Title",
                   "Confirm_Title",    "windir",         "IBox_Ok",         "IBox_Cancel",
                   "current",          "curuser",        "winvers",         "OpenBox_MultiSel",
                   "SaveBox_MultiSel", "EditBox_Ok",     "EditBox_Cancel",  "EditBox_Width",
                   "EditBox_Height",   "ListBox_Width",  "ListBox_Height",  "ListBox_Ok",
                   "InfoBox_Width",    "InfoBox_Height", "InfoBox_Enabled", "VL_UseOldFileFunctions",
                   "new_line",         "VL_Version",     "VL_Pro"};
    Lines expected = {"<a b>",
                      "<>",
                      "<dir\\my script.vl>",
                      "<Velmish Echo>",
                      "<Velmish Confirmation>",
                      "<C:\\WINDOWS>",
                      "<OK>",
                      "<Cancel>",
                      "</work/here>",
                      "<alice>",
                      "<98SE>",
                      "<-1>",
                      "<-1>",
                      "<&Ok>",
                      "<&Cancel>",
                      "<350>",
                      "<238>",
                      "<130>",
                      "<176>",
                      "<&Ok>",
                      "<300>",
                      "<24>",
                      "<-1>",
                      "<-1>",
                      "<\n>",
                      "<4.3>",
                      "<0>"};
    EXPECT_EQ(startValues(fake, names, LaunchArgs{"dir\\my script.vl", "a b"}), expected);
}

TEST(SystemVariables, FallbacksWhenTheSystemCannotTell) {
    FakePlatform fake;
    fake.user = std::nullopt;
    fake.version = std::nullopt;
    EXPECT_EQ(startValues(fake, {"curuser", "winvers", "windir", "command"}),
              (Lines{"<unknown>", "<unknown>", "<>", "<>"}));
}

TEST(SystemVariables, DateAndTimeAreComputed) {
    FakePlatform fake;
    Lines shown = startValues(fake, {"day", "month", "year", "time"});
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(std::regex_match(shown[0], std::regex(R"(<\d\d>)"))) << shown[0];
    EXPECT_TRUE(std::regex_match(shown[1], std::regex(R"(<\d\d>)"))) << shown[1];
    EXPECT_TRUE(std::regex_match(shown[2], std::regex(R"(<\d{4}>)"))) << shown[2];
    EXPECT_TRUE(std::regex_match(shown[3], std::regex(R"(<\d\d:\d\d:\d\d>)"))) << shown[3];
}

TEST(SystemVariables, CreatedInOrderThroughTheWriteHooks) {
    FakePlatform fake;
    runScript(fake, "");
    // Later start-up steps (the debugger settings) may ask the platform more; only the calls
    // up to the last system variable matter here.
    Lines calls;
    for (const std::string& call : fake.calls) {
        if (call.rfind("env ", 0) == 0 && call != "env windir") continue;
        calls.push_back(call);
        if (call == "infoBox hidden") break;
    }
    Lines expected = {
        "env windir",     "caption inputOk=OK", "caption inputCancel=Cancel", "currentDirectory",   "userName",
        "windowsVersion", "caption editOk=&Ok", "caption editCancel=&Cancel", "caption listOk=&Ok", "infoBox hidden"};
    EXPECT_EQ(calls, expected);
}

TEST(SystemVariables, ScriptCanChangeThem) {
    FakePlatform fake;
    RunResult result = runScript(fake, crlf({"LET [IBox_Ok] = 'Go'", "LET [errorcode] = '5'", "ECHO [errorcode]"}));
    EXPECT_EQ(result.shown, Lines{"5"});
    EXPECT_EQ(fake.captions[platform::DialogButton::inputOk], "Go");
}

// ---- start-up failures ----

TEST(StartupFailures, EmptyPathShowsTheBanner) {
    FakePlatform fake;
    int code = interp::runScript(fake, fake, LaunchArgs{"", std::nullopt});
    EXPECT_EQ(code, 1);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, "ERROR: No input file.");
    EXPECT_EQ(fake.boxes[0].style, platform::style::kIconInformation);
    EXPECT_EQ(fake.boxes[0].text.rfind("Velmish v4.3 Interpreter 1.6.7Pro\n", 0), 0u) << fake.boxes[0].text;
    EXPECT_EQ(fake.boxes[0].text, interp::bannerText());
    // Nothing of the script run happened.
    EXPECT_TRUE(fake.calls.empty());
}

TEST(StartupFailures, MissingFileIsReported) {
    FakePlatform fake;
    int code = interp::runScript(fake, fake, LaunchArgs{"/nonexistent/dir/script.vl", "x"});
    EXPECT_EQ(code, 1);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "File does not exists.");
    EXPECT_EQ(fake.boxes[0].caption, "ERROR");
    EXPECT_EQ(fake.boxes[0].style, platform::style::kIconError);
    EXPECT_TRUE(fake.calls.empty());
}

TEST(StartupFailures, OverlongPathIsRefusedLikeAMissingFile) {
    FakePlatform fake;
    EXPECT_EQ(interp::runScript(fake, fake, LaunchArgs{std::string(3000, 'a') + ".vl", std::nullopt}), 1);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "File does not exists.");
}

}  // namespace
}  // namespace velmish_test
