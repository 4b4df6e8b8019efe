// velcomp's main sequence with a fake console and fake processes: messages, options, the link
// control file and the link hand-off, under the Linux and the Windows naming rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "compiler/velcomp_driver.h"
#include "platform/file_system.h"

namespace velcomp_test {
namespace {

namespace fs = std::filesystem;
using compiler::HostConventions;

constexpr std::string_view kBannerStart = "Velmish (c) 32-Bit v4.3.0 Compiler v1.4.1\n";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Records everything the driver asks of the system.
struct FakeSystem {
    std::string printed;
    int keyWaits = 0;
    std::string errors;                                        // what went to standard error
    std::vector<std::string> directories;                      // changeDirectory calls
    std::vector<std::pair<std::string, std::string>> started;  // runAndWait calls
    std::vector<std::string> linkInputs;                       // the file vellink was given, as it was then
    bool programsStart = true;
    int linkerExitCode = 0;

    compiler::DriverSystem system() {
        return compiler::DriverSystem{
            [this](std::string_view text) { printed += text; },
            [this](std::string_view text) { errors += text; },
            [this] { ++keyWaits; },
            [] { return std::string("/opt/velmish/"); },
            [this](const std::string& directory) {
                directories.push_back(directory);
                return false;
            },
            [this](const std::string& program, const std::string& argument) {
                started.emplace_back(program, argument);
                if (!argument.empty()) linkInputs.push_back(readFile(argument));
                return programsStart ? std::optional<int>(argument.empty() ? 0 : linkerExitCode) : std::nullopt;
            },
        };
    }

    int run(std::vector<std::string> args, const HostConventions& host = compiler::kPosixConventions) {
        auto files = platform::createNativeFileSystem();
        return compiler::runVelcomp(args, system(), *files, host);
    }
    // What was printed after the banner.
    std::string afterBanner() const {
        size_t end = printed.find("\n\n");
        return end == std::string::npos ? printed : printed.substr(end + 2);
    }
};

class Driver : public testing::Test {
  protected:
    void SetUp() override {
        // Lower case throughout, so that the Windows naming rules find the same files.
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        dir_ = fs::temp_directory_path() / ("velcomp-driver-" + std::to_string(std::random_device{}()) + "-" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string script(const std::string& name, const std::string& text) {
        writeFile(dir_ / name, text);
        return (dir_ / name).string();
    }
    fs::path dir_;
    FakeSystem fake_;
};

TEST_F(Driver, NoArgumentsShowsUsageAndWaits) {
    EXPECT_EQ(fake_.run({}), 0);
    EXPECT_TRUE(fake_.printed.starts_with(kBannerStart));
    EXPECT_EQ(fake_.afterBanner(),
              "  Usage:   VELCOMP filename [options]\n\n"
              "    /L                  Automatic link\n"
              "    /R                  Run after compiler halt\n"
              "    /I:filename         Link Icon [filename]\n");
    EXPECT_EQ(fake_.keyWaits, 1);
}

TEST_F(Driver, BannerHasThreeLinesAndAnEmptyLine) {
    fake_.run({});
    std::string banner = fake_.printed.substr(0, fake_.printed.find("  Usage:"));
    EXPECT_EQ(std::count(banner.begin(), banner.end(), '\n'), 4);
    EXPECT_TRUE(banner.ends_with("\n\n"));
}

TEST_F(Driver, CompilesIntoTheLinkControlFile) {
    std::string path = script("prog.vl", "LET [a] = 'Hello'\r\nECHO [a]\r\n");
    EXPECT_EQ(fake_.run({path}), 0);
    EXPECT_EQ(fake_.afterBanner(), "Compiling...Done\nTotal lines: 3\n");
    EXPECT_EQ(readFile(dir_ / "prog.coc"),
              "COC2;170240;;velrun.rtl;\r\nRRLR'4.3'\x01R001[31]'Hello'\x01R027[31]\x01R009\x01");
    EXPECT_TRUE(fake_.started.empty());
    EXPECT_EQ(fake_.keyWaits, 0);
}

TEST_F(Driver, ReplacesAnOldLinkControlFile) {
    writeFile(dir_ / "prog.coc", std::string(10000, 'x'));
    EXPECT_EQ(fake_.run({script("prog.vl", "HALT\r\n")}), 0);
    EXPECT_EQ(readFile(dir_ / "prog.coc"), "COC2;170240;;velrun.rtl;\r\nRRLR'4.3'\x01R009\x01R009\x01");
}

TEST_F(Driver, IconPathGoesIntoTheThirdField) {
    std::string path = script("prog.vl", "");
    EXPECT_EQ(fake_.run({path, "/I:/first.ico", "/I:C:\\s\\app.ico"}), 0);
    EXPECT_TRUE(readFile(dir_ / "prog.coc").starts_with("COC2;170240;C:\\s\\app.ico;velrun.rtl;\r\nRRLR'4.3'\x01"));
}

TEST_F(Driver, ChangesToTheScriptDirectory) {
    fake_.run({script("prog.vl", "")});
    EXPECT_EQ(fake_.directories, std::vector<std::string>{dir_.string()});
}

TEST_F(Driver, PathWithoutDirectoryKeepsTheWorkingDirectory) {
    fake_.run({"no-such-script.vl"});
    EXPECT_TRUE(fake_.directories.empty());
    fake_.run({"/root-script.vl"});
    EXPECT_TRUE(fake_.directories.empty());
}

TEST_F(Driver, WindowsRulesCutAtEitherSeparator) {
    fake_.run({"C:\\s\\sub/prog.vl"}, compiler::kWindowsConventions);
    fake_.run({"C:\\s\\prog.vl"}, compiler::kWindowsConventions);
    fake_.run({"C:\\s\\prog.vl"}, compiler::kPosixConventions);
    EXPECT_EQ(fake_.directories, (std::vector<std::string>{"C:\\s\\sub", "C:\\s"}));
}

TEST_F(Driver, MissingScript) {
    EXPECT_EQ(fake_.run({(dir_ / "missing.vl").string()}), 1);
    EXPECT_EQ(fake_.afterBanner(), "Compiling...Error in file...");
    EXPECT_FALSE(fs::exists(dir_ / "missing.coc"));
    EXPECT_EQ(fake_.keyWaits, 0);
}

TEST_F(Driver, LinkControlFileCannotBeCreated) {
    fs::create_directories(dir_ / "prog.coc");
    EXPECT_EQ(fake_.run({script("prog.vl", "ECHO 'x'\r\n")}), 1);
    EXPECT_EQ(fake_.afterBanner(), "Compiling...Error in COC output file...\n");
    EXPECT_TRUE(fs::is_directory(dir_ / "prog.coc"));
}

TEST_F(Driver, CompileErrorWaitsAndDeletesTheOutput) {
    std::string path = script("prog.vl", "ECHO 'x'\r\nfoo\r\n");
    EXPECT_EQ(fake_.run({path, "/L", "/R"}), 1);
    EXPECT_EQ(fake_.afterBanner(),
              "Compiling...\nLine 2, Error 1 Unknown instruction: FOO\n\nERROR. Compiling process failed.");
    EXPECT_EQ(fake_.keyWaits, 1);
    EXPECT_FALSE(fs::exists(dir_ / "prog.coc"));
    EXPECT_TRUE(fake_.started.empty());
}

TEST_F(Driver, CompileErrorWithEDoesNotWait) {
    EXPECT_EQ(fake_.run({script("prog.vl", "GOTO x\r\n"), "/E"}), 1);
    EXPECT_TRUE(
        fake_.afterBanner().ends_with("\nLine 1, Error 2 Label not found: x\n\nERROR. Compiling process failed."));
    EXPECT_EQ(fake_.keyWaits, 0);
    EXPECT_FALSE(fs::exists(dir_ / "prog.coc"));
}

TEST_F(Driver, UnknownOptionsAreReportedAndTheRunGoesOn) {
    EXPECT_EQ(fake_.run({script("prog.vl", ""), "/l", "/X", "/EE", "/i:x"}), 0);
    EXPECT_EQ(fake_.afterBanner(),
              "Error: Unknown command line option: /l\n"
              "Error: Unknown command line option: /X\n"
              "Error: Unknown command line option: /EE\n"
              "Error: Unknown command line option: /i:x\n"
              "Compiling...Done\nTotal lines: 1\n");
    EXPECT_EQ(fake_.keyWaits, 4);
    EXPECT_TRUE(fake_.started.empty());
    EXPECT_TRUE(fs::exists(dir_ / "prog.coc"));
}

TEST_F(Driver, OrcaPicture) {
    EXPECT_EQ(fake_.run({script("prog.vl", ""), "/ORCA"}), 0);
    std::string text = fake_.afterBanner();
    std::string picture = text.substr(0, text.find("\nI hope"));
    EXPECT_EQ(std::count(picture.begin(), picture.end(), '\n'), 21);
    EXPECT_TRUE(picture.ends_with("ORCAS FOREVER!!!"));
    EXPECT_TRUE(
        text.ends_with("ORCAS FOREVER!!!\nI hope you like orcas too :) ... press any key\nCompiling...Done\n"
                       "Total lines: 1\n"));
    EXPECT_EQ(fake_.keyWaits, 1);
}

TEST_F(Driver, LinkStartsVellinkFromTheCompilerDirectoryAndDeletesTheFile) {
    std::string path = script("prog.vl", "ECHO 'x'\r\n");
    EXPECT_EQ(fake_.run({path, "/I:app.ico", "/L"}), 0);
    EXPECT_EQ(fake_.afterBanner(), "Compiling...Done\nTotal lines: 2\nAutomatic link...\n");
    ASSERT_EQ(fake_.started.size(), 1u);
    EXPECT_EQ(fake_.started[0].first, "/opt/velmish/vellink");
    EXPECT_EQ(fake_.started[0].second, (dir_ / "prog.coc").string());
    EXPECT_EQ(fake_.linkInputs[0], "COC2;170240;app.ico;velrun.rtl;\r\nRRLR'4.3'\x01R027'x'\x01R009\x01");
    EXPECT_FALSE(fs::exists(dir_ / "prog.coc"));
}

// Without a linker there is no program: the run fails, says why and keeps the compiled code.
TEST_F(Driver, MissingOrFailingLinkerIsReportedAndKeepsTheCode) {
    fake_.programsStart = false;
    EXPECT_EQ(fake_.run({script("prog.vl", ""), "/L", "/R"}), 1);
    std::string kept = "The compiled code is kept in " + (dir_ / "prog.coc").string() + ".\n";
    EXPECT_EQ(fake_.afterBanner(),
              "Compiling...Done\nTotal lines: 1\nAutomatic link...\n"
              "Error: linker not found: /opt/velmish/vellink\n" +
                  kept);
    EXPECT_EQ(fake_.started.size(), 1u);
    EXPECT_TRUE(fs::exists(dir_ / "prog.coc"));

    FakeSystem failing;
    failing.linkerExitCode = 1;
    EXPECT_EQ(failing.run({script("prog.vl", ""), "/L", "/R"}), 1);
    EXPECT_TRUE(failing.afterBanner().ends_with("Error: linking failed.\n" + kept));
    EXPECT_EQ(failing.started.size(), 1u);
}

TEST_F(Driver, RunStartsTheLinkedProgramAfterVellink) {
    EXPECT_EQ(fake_.run({script("Prog.vl", ""), "/R", "/L"}), 0);
    ASSERT_EQ(fake_.started.size(), 2u);
    EXPECT_EQ(fake_.started[0].second, (dir_ / "Prog.coc").string());
    EXPECT_EQ(fake_.started[1], std::make_pair((dir_ / "Prog.exe").string(), std::string()));
}

TEST_F(Driver, RunWithoutLinkStartsNothing) {
    EXPECT_EQ(fake_.run({script("prog.vl", ""), "/R"}), 0);
    EXPECT_TRUE(fake_.started.empty());
    EXPECT_TRUE(fs::exists(dir_ / "prog.coc"));
}

TEST_F(Driver, BareScriptNameRunsTheProgramByPath) {
    fs::path previous = fs::current_path();
    fs::current_path(dir_);
    writeFile(dir_ / "prog.vl", "");
    int code = fake_.run({"prog.vl", "/L", "/R"});
    fs::current_path(previous);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(fake_.started.size(), 2u);
    EXPECT_EQ(fake_.started[0].second, "prog.coc");
    EXPECT_EQ(fake_.started[1].first, "./prog.exe");
}

TEST_F(Driver, WindowsRulesUseLowerCaseNamesAndVellinkExe) {
    // The directory part of the test's path is lower case already; only the file name changes.
    std::string path = script("prog.vl", "ECHO 'x'\r\n");
    std::string mixed = (dir_ / "PROG.VL").string();
    EXPECT_EQ(fake_.run({mixed, "/L", "/R"}, compiler::kWindowsConventions), 0);
    ASSERT_EQ(fake_.started.size(), 2u);
    EXPECT_EQ(fake_.started[0].first, "/opt/velmish/vellink.exe");
    EXPECT_EQ(fake_.started[0].second, (dir_ / "prog.coc").string());
    EXPECT_EQ(fake_.started[1].first, (dir_ / "prog.exe").string());
}

TEST_F(Driver, PosixRulesKeepTheCaseOfNames) {
    script("prog.vl", "ECHO 'x'\r\n");
    EXPECT_EQ(fake_.run({(dir_ / "PROG.VL").string()}), 1);
    EXPECT_EQ(fake_.afterBanner(), "Compiling...Error in file...");
    EXPECT_EQ(fake_.run({script("PROG.VL", "")}), 0);
    EXPECT_TRUE(fs::exists(dir_ / "PROG.coc"));
    EXPECT_FALSE(fs::exists(dir_ / "prog.coc"));
}

TEST(DriverHelpers, ReplaceLastTwo) {
    EXPECT_EQ(compiler::replaceLastTwo("prog.vl", "coc"), "prog.coc");
    EXPECT_EQ(compiler::replaceLastTwo("C:\\s\\prog.vl", "exe"), "C:\\s\\prog.exe");
    EXPECT_EQ(compiler::replaceLastTwo("a", "coc"), "coc");
}

TEST(DriverHelpers, ControlLine) {
    EXPECT_EQ(compiler::controlLine(""), "COC2;170240;;velrun.rtl;\r\n");
    EXPECT_EQ(compiler::controlLine("C:\\s\\app.ico"), "COC2;170240;C:\\s\\app.ico;velrun.rtl;\r\n");
}

}  // namespace
}  // namespace velcomp_test
