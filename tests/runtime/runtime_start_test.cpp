// Start-up of a compiled program: the system variables by index, their hooks on the dialog
// windows and the clipboard, the version check of the header line and the code read from the
// program's own file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>

#include "code_runner.h"
#include "runtime/runtime_startup.h"

namespace velrun_test {
namespace {

using platform::DialogButton;
using Shown = std::vector<std::string>;

// The value a fresh program sees in the variable with this index.
std::string initialValue(FakePlatform& fake, int index, const std::string& command = "") {
    CodeRun run = runBytes(fake, program({"R027[" + std::to_string(index) + "]"}), command);
    EXPECT_EQ(run.shown.size(), 1u);
    return run.shown.empty() ? std::string() : run.shown.front();
}

std::string initialValue(int index) {
    FakePlatform fake;
    return initialValue(fake, index);
}

// ---- system variables ----

TEST(RuntimeStartup, FixedInitialValues) {
    const std::pair<int, const char*> expected[] = {
        {0, ""},     {4, "Velmish Echo"}, {5, "Velmish Confirmation"},
        {13, "Ok"},  {14, "Cancel"},      {15, "-1"},
        {16, "-1"},  {17, "&Ok"},         {18, "&Cancel"},
        {19, "350"}, {20, "238"},         {21, "130"},
        {22, "176"}, {23, "&Ok"},         {24, "\n"},
        {26, "300"}, {27, "24"},          {28, "-1"},
        {29, "4.3"}, {30, "0"},           {31, ""},
        {1000, ""},
    };
    for (const auto& [index, value] : expected) EXPECT_EQ(initialValue(index), value) << "index " << index;
}

TEST(RuntimeStartup, ValuesTakenFromTheSystem) {
    FakePlatform fake;
    fake.directory = "/work/dir with blank";
    fake.environment["windir"] = "C:\\WINDOWS";
    fake.user = "alice";
    fake.version = platform::WindowsVersion{2, 5, 1, 2600};
    CodeRun run = runBytes(fake, program({"R027[2]", "R027[6]", "R027[8]", "R027[9]"}), "", "C:\\apps\\prog.exe");
    EXPECT_EQ(run.shown, (Shown{"/work/dir with blank", "C:\\WINDOWS", "XP", "alice"}));

    FakePlatform owned;
    EXPECT_EQ(initialValue(owned, 3), std::string(kOwnPath));
}

TEST(RuntimeStartup, MissingUserAndWindirAndVersion) {
    FakePlatform fake;
    fake.user.reset();
    fake.version.reset();
    CodeRun run = runBytes(fake, program({"R027[6]", "R027[8]", "R027[9]"}));
    EXPECT_EQ(run.shown, (Shown{"", "unknown", "unknown"}));
}

TEST(RuntimeStartup, CommandIsTheWholeTextUntrimmed) {
    FakePlatform fake;
    EXPECT_EQ(initialValue(fake, 1, "  a  \"b c\"  "), "  a  \"b c\"  ");
    FakePlatform empty;
    EXPECT_EQ(initialValue(empty, 1, ""), "");
}

TEST(RuntimeStartup, OnlyWindirIsReadFromTheEnvironment) {
    FakePlatform fake;
    fake.environment["VL_DEBUGMODE"] = "STEP";
    runLines(fake, {"R009"});
    std::vector<std::string> envCalls;
    for (const std::string& call : fake.calls) {
        if (call.rfind("env ", 0) == 0) envCalls.push_back(call);
    }
    EXPECT_EQ(envCalls, std::vector<std::string>{"env windir"});
}

TEST(RuntimeStartup, ButtonCaptionsAndInfoBoxReachTheDialogs) {
    FakePlatform fake;
    runLines(fake, {"R009"});
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Ok");
    EXPECT_EQ(fake.captions[DialogButton::inputCancel], "Cancel");
    EXPECT_EQ(fake.captions[DialogButton::editOk], "&Ok");
    EXPECT_EQ(fake.captions[DialogButton::editCancel], "&Cancel");
    EXPECT_EQ(fake.captions[DialogButton::listOk], "&Ok");
    EXPECT_EQ(fake.infoBoxVisibility, std::vector<bool>{false});
    // The clipboard is not touched at start.
    for (const std::string& call : fake.calls) EXPECT_NE(call.rfind("clipboard=", 0), 0u) << call;
}

TEST(RuntimeVariables, AssigningCaptionsAndTheInfoBoxActsOnTheDialogs) {
    FakePlatform fake;
    runLines(fake, {"R001[13]'Yes'", "R001[14]'No'", "R001[17]'E1'", "R001[18]'E2'", "R001[23]'L'", "R001[28]'0'",
                    "R001[28]'hide'", "R001[28]'-1'", "R001[28]'show'"});
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Yes");
    EXPECT_EQ(fake.captions[DialogButton::inputCancel], "No");
    EXPECT_EQ(fake.captions[DialogButton::editOk], "E1");
    EXPECT_EQ(fake.captions[DialogButton::editCancel], "E2");
    EXPECT_EQ(fake.captions[DialogButton::listOk], "L");
    EXPECT_EQ(fake.infoBoxVisibility, (std::vector<bool>{false, true, false, false, true}));
}

TEST(RuntimeVariables, AssignedCaptionIsAlsoStored) {
    EXPECT_EQ(echoAfter({"R001[13]'Go'"}, "[13]"), Shown{"Go"});
    // Other indices have no hooks: writing 19 or 31 changes no caption.
    FakePlatform fake;
    runLines(fake, {"R001[19]'x'", "R001[31]'y'", "R001[12]'z'"});
    EXPECT_EQ(std::count_if(fake.calls.begin(), fake.calls.end(),
                            [](const std::string& call) { return call.rfind("caption", 0) == 0; }),
              5);
}

TEST(RuntimeVariables, ComputedDateAndTime) {
    CodeRun run = runLines({"R027[7]", "R027[10]", "R027[11]", "R027[12]"});
    ASSERT_EQ(run.shown.size(), 4u);
    EXPECT_TRUE(std::regex_match(run.shown[0], std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"))) << run.shown[0];
    EXPECT_TRUE(std::regex_match(run.shown[1], std::regex("(0[1-9]|[12][0-9]|3[01])"))) << run.shown[1];
    EXPECT_TRUE(std::regex_match(run.shown[2], std::regex("(0[1-9]|1[0-2])"))) << run.shown[2];
    std::time_t now = std::time(nullptr);
    int year = std::localtime(&now)->tm_year + 1900;
    // A run across the turn of the year may see the next one.
    EXPECT_TRUE(run.shown[3] == std::to_string(year) || run.shown[3] == std::to_string(year + 1)) << run.shown[3];
}

TEST(RuntimeVariables, ComputedIndicesIgnoreStoredValues) {
    CodeRun run = runLines({"R001[7]'x'", "R001[10]'x'", "R001[11]'x'", "R001[12]'x'", "R027[7]#[10]#[11]#[12]"});
    ASSERT_EQ(run.shown.size(), 1u);
    EXPECT_TRUE(std::regex_match(run.shown[0], std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}[0-9]{2}[0-9]{2}[0-9]{4}")))
        << run.shown[0];
}

TEST(RuntimeVariables, ClipboardByIndex) {
    FakePlatform fake;
    fake.clipboard = "from outside";
    CodeRun run = runLines(fake, {"R027[25]", "R001[25]'new text'", "R027[25]", "R001[31][25]#'!'", "R027[31]"});
    EXPECT_EQ(run.shown, (Shown{"from outside", "new text", "new text!"}));
    EXPECT_EQ(fake.clipboard, "new text");
    EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "clipboard=new text"), fake.calls.end());
}

TEST(RuntimeVariables, NamesAreIndexTexts) {
    // Every index is its own variable; the interpreter's names mean nothing here.
    EXPECT_EQ(runLines({"R001[31]'a'", "R001[32]'b'", "R001[031]'c'", "R027[31]#[32]#[031]"}).shown, Shown{"abc"});
    EXPECT_EQ(runLines({"R001[errorcode]'x'", "R027[0]#'|'#[errorcode]"}).shown, Shown{"|x"});
}

TEST(RuntimeVariables, DeclareKeepsValuesAndCreatesEmptyOnes) {
    EXPECT_EQ(runLines({"R001[31]'kept'", "R000[31][32]", "R027[31]#'|'#[32]"}).shown, Shown{"kept|"});
}

// ---- version check ----

constexpr const char* kNewerText =
    "WARNING: RTL uses newer VLRL-specification!\nThis may result unpredictable results.";

CodeRun runWithHeader(const std::string& header, const Lines& lines) {
    FakePlatform fake;
    return runBytes(fake, codeLines({header}) + codeLines(lines));
}

TEST(RuntimeVersion, NewerVersionWarnsOnceAndRuns) {
    CodeRun run = runWithHeader(
        "RRLR'4.4'", {"R001[31]'0'", "RLBLtop", "RF01[31][31]+'1'", "R0IF[31]<'3'R004top", "R027'ran '#[31]", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].kind, Box::Kind::message);
    EXPECT_EQ(run.boxes[0].text, kNewerText);
    EXPECT_EQ(run.boxes[0].caption, "Velmish Runtime Language Conflict");
    EXPECT_EQ(run.boxes[0].style, 0x30u);
    EXPECT_EQ(run.boxes[1].text, "ran 3");
}

TEST(RuntimeVersion, SameOlderOrNoNumberPassSilently) {
    for (const char* header : {"RRLR'4.3'", "RRLR'4.2'", "RRLR'abc'", "RRLR''", "RRLR'-5'", "RRLR'4.30'",
                               "RRLR'4.3000001'", "RRLR'4.3abc'"}) {
        CodeRun run = runWithHeader(header, {"R027'ran'"});
        EXPECT_EQ(run.shown, Shown{"ran"}) << header;
    }
}

TEST(RuntimeVersion, GreaterVersionsWarn) {
    // 4.30001 is greater than 4.3 also in single precision; atof skips leading blanks and stops
    // at the first character that is no part of the number.
    for (const char* header : {"RRLR'4.4'", "RRLR'5'", "RRLR'4.30001'", "RRLR' 10x'", "RRLR'1e3'"}) {
        CodeRun run = runWithHeader(header, {"R027'ran'"});
        ASSERT_EQ(run.shown.size(), 2u) << header;
        EXPECT_EQ(run.shown[0], kNewerText) << header;
        EXPECT_EQ(run.shown[1], "ran") << header;
    }
}

// ---- the code in the program file ----

class ProgramFile : public ::testing::Test {
  protected:
    void SetUp() override {
        path = std::filesystem::temp_directory_path() /
               ("velrun_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".exe");
    }
    void TearDown() override { std::filesystem::remove(path); }

    void write(const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    std::filesystem::path path;
};

const std::string kImage(300, 'M');  // stands for the runtime's own executable image

TEST_F(ProgramFile, CodeIsReadFromTheOffset) {
    write(kImage + program({"R027'from file'", "R027[3]", "R009"}));
    FakePlatform fake;
    int exitCode = runtime::runProgram(fake, fake, "args", path.string(), static_cast<std::uint32_t>(kImage.size()));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(fake.messageTexts(), (Shown{"from file", path.string()}));
}

TEST_F(ProgramFile, NothingBehindTheOffsetEndsAtOnce) {
    write(kImage);
    FakePlatform fake;
    EXPECT_EQ(runtime::runProgram(fake, fake, "", path.string(), static_cast<std::uint32_t>(kImage.size())), 0);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(ProgramFile, MissingFileShowsErrorInFile) {
    FakePlatform fake;
    EXPECT_EQ(runtime::runProgram(fake, fake, "", path.string(), 300), 1);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Error in file");
    EXPECT_EQ(fake.boxes[0].caption, "VL4");
    EXPECT_EQ(fake.boxes[0].style, 0x10u);
}

TEST_F(ProgramFile, CodeIsReadOnceAtStart) {
    // The file is replaced while the program runs; the jumps after that still find the code
    // that was there at start.
    write(kImage +
          program({"R001[31]'0'", "RLBLtop", "RF01[31][31]+'1'", "R027'round '#[31]", "R0IF[31]<'3'R004top", "R009"}));
    FakePlatform fake;
    fake.onMessageBox = [this](const Box&) { write(kImage + program({"RLBLtop", "R027'replaced'", "R009"})); };
    int exitCode = runtime::runProgram(fake, fake, "", path.string(), static_cast<std::uint32_t>(kImage.size()));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(fake.messageTexts(), (Shown{"round 1", "round 2", "round 3"}));
}

}  // namespace
}  // namespace velrun_test
