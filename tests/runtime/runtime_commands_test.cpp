// The commands a compiled program runs: message boxes with their errorcode results, the
// variable and string commands, and the commands this runtime does not run yet, which end the
// program with exit code 1.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "code_runner.h"

namespace velrun_test {
namespace {

using Shown = std::vector<std::string>;

// ---- MSGBOX, ECHO, CONFIRM ----

TEST(RuntimeMessages, MsgBoxShowsCaptionTextAndStyleAndStoresTheAnswer) {
    FakePlatform fake;
    fake.answers = {7, 1, 0, 1};  // the ECHO boxes take answers too
    CodeRun run = runLines(
        fake, {"R001[31]'Name'", "R007'Cap'#'tion''Hello '#[31]' yesno '", "R027[0]", "R007'c''t''36'", "R027[0]"});
    ASSERT_EQ(run.boxes.size(), 4u);
    EXPECT_EQ(run.boxes[0].caption, "Caption");
    EXPECT_EQ(run.boxes[0].text, "Hello Name");
    EXPECT_EQ(run.boxes[0].style, 0x10004u);
    EXPECT_EQ(run.boxes[1].text, "7");
    EXPECT_EQ(run.boxes[2].style, 0x10024u);
    // A box that fails returns 0, which is stored as it is.
    EXPECT_EQ(run.boxes[3].text, "0");
}

TEST(RuntimeMessages, MsgBoxButtonSets) {
    const std::pair<const char*, unsigned> cases[] = {
        {"OK", 0x10000},          {"okcancel", 0x10001}, {"CancelRetryIgnore", 0x10002},
        {"YESNOCANCEL", 0x10003}, {"YESNO", 0x10004},    {"RETRYCANCEL", 0x10005},
        {"hello", 0x10000},       {"", 0x10000},         {"64", 0x10040},
    };
    for (const auto& [buttons, style] : cases) {
        FakePlatform fake;
        CodeRun run = runLines(fake, {std::string("R007'c''t''") + buttons + "'"});
        ASSERT_EQ(run.boxes.size(), 1u) << buttons;
        EXPECT_EQ(run.boxes[0].style, style) << buttons;
    }
}

TEST(RuntimeMessages, MsgBoxWithoutAnswerStoresTheFirstButton) {
    // The fake presses the first button: OK (1) for a word that is no button set.
    EXPECT_EQ(runLines({"R007'c''t''hello'", "R027[0]"}).shown.back(), "1");
    EXPECT_EQ(runLines({"R007'c''t''CANCELRETRYIGNORE'", "R027[0]"}).shown.back(), "3");
}

TEST(RuntimeMessages, EchoUsesTheTitleAtIndexFourAndLeavesErrorcode) {
    CodeRun run = runLines({"R001[0]'kept'", "R027'first'", "R001[4]'Other'", "R027'second'#[24]", "R027[0]"});
    ASSERT_EQ(run.boxes.size(), 3u);
    EXPECT_EQ(run.boxes[0].caption, "Velmish Echo");
    EXPECT_EQ(run.boxes[0].style, 0x10040u);
    EXPECT_EQ(run.boxes[1].caption, "Other");
    EXPECT_EQ(run.boxes[1].text, "second\n");
    EXPECT_EQ(run.boxes[2].text, "kept");
}

TEST(RuntimeMessages, ConfirmUsesTheTitleAtIndexFiveAndStoresYesOrNo) {
    FakePlatform fake;
    fake.answers = {6, 1, 7, 1, 0, 1};
    CodeRun run = runLines(
        fake, {"R028'Sure?'", "R027[0]", "R001[5]'Ask'", "R028'Really?'", "R027[0]", "R028'Failed box'", "R027[0]"});
    ASSERT_EQ(run.boxes.size(), 6u);
    EXPECT_EQ(run.boxes[0].text, "Sure?");
    EXPECT_EQ(run.boxes[0].caption, "Velmish Confirmation");
    EXPECT_EQ(run.boxes[0].style, 0x10024u);
    EXPECT_EQ(run.boxes[1].text, "0");
    EXPECT_EQ(run.boxes[2].caption, "Ask");
    EXPECT_EQ(run.boxes[3].text, "-1");
    EXPECT_EQ(run.boxes[5].text, "-1");
}

TEST(RuntimeMessages, ErrorcodeDrivesTheProgram) {
    FakePlatform fake;
    fake.answers = {7, 6};
    CodeRun run = runLines(fake, {"RRPT", "R028'Done?'", "RUNT[0]='0'", "R027'finished'"});
    EXPECT_EQ(run.shown, (Shown{"Done?", "Done?", "finished"}));
}

// ---- variable and string commands ----

TEST(RuntimeStringCommands, LinkVarJoinsAllValues) {
    EXPECT_EQ(echoAfter({"R001[32]'y'", "RF00[31]'x'[32]'z'"}, "[31]"), Shown{"xyz"});
    EXPECT_EQ(echoAfter({"RF00[31]'x'"}, "[31]"), Shown{"x"});
    EXPECT_EQ(echoAfter({"R001[31]'a'", "RF00[31][31]'-'#[31][31]"}, "[31]"), Shown{"a-aa"});
    // Joined again on every pass with the values of that moment.
    EXPECT_EQ(
        runLines({"R001[32]'0'", "RRPT", "RF01[32][32]+'1'", "RF00[31]'n='[32]'.'", "R027[31]", "RUNT[32]='2'"}).shown,
        (Shown{"n=1.", "n=2."}));
}

TEST(RuntimeStringCommands, CalcVar) {
    const std::pair<const char*, const char*> cases[] = {
        {"'10'/'4'", "2.5"},     {"'7'~'3'", "1"},           {"'1.5'*'2'", "3"}, {"'abc'+'1'", "1"},
        {"'1'/'3'", "0.333333"}, {"'2'/'3'", "0.666667"},    {"'0'-'0'", "0"},   {"'1'/'0'", "+INF"},
        {"'-1'/'0'", "-INF"},    {"'2'+'3'*'4'", "20"},      {"'-7'~'2'", "-1"}, {"'5'", "5"},
        {"'1'#'2'+'3'", "15"},   {"' 2.50'-'0.25'", "2.25"},
    };
    for (const auto& [calculation, result] : cases) {
        EXPECT_EQ(echoAfter({std::string("RF01[31]") + calculation}, "[31]"), Shown{result}) << calculation;
    }
    EXPECT_EQ(echoAfter({"R001[32]'6'", "R001[33]'4'", "RF01[31][32]*[33]-'4'"}, "[31]"), Shown{"20"});
}

TEST(RuntimeStringCommands, CaseAndBlanks) {
    EXPECT_EQ(echoAfter({"RF03[31]'Stra\xdf"
                         "e 1 abc'"},
                        "[31]"),
              Shown{"STRA\xdf"
                    "E 1 ABC"});
    EXPECT_EQ(echoAfter({"RF04[31]'MiXeD 9'"}, "[31]"), Shown{"mixed 9"});
    EXPECT_EQ(echoAfter({"RF05[31]'  x y  '"}, "[31]"), Shown{"x y"});
    EXPECT_EQ(echoAfter({"RF05[31]'\tx\t '"}, "[31]"), Shown{"\tx\t"});
    EXPECT_EQ(echoAfter({"RF05[31]'    '"}, "[31]"), Shown{""});
}

TEST(RuntimeStringCommands, GetChrAndGetLen) {
    EXPECT_EQ(echoAfter({"RF06[31]'65'"}, "[31]"), Shown{"A"});
    EXPECT_EQ(echoAfter({"RF06[31]'321'"}, "[31]"), Shown{"A"});
    EXPECT_EQ(echoAfter({"RF06[31]'0'"}, "[31]#'|'"), Shown{"|"});
    EXPECT_EQ(echoAfter({"RF07[31]''"}, "[31]"), Shown{"0"});
    EXPECT_EQ(echoAfter({"RF07[31][24]"}, "[31]"), Shown{"1"});
    EXPECT_EQ(echoAfter({"RF07[31]'abc'#[4]"}, "[31]"), Shown{"15"});
}

TEST(RuntimeStringCommands, CopyVar) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"'2'", "'3'", "bcd"}, {"'-1'", "'2'", "ef"}, {"'-5'", "'2'", "ab"},
        {"'5'", "'10'", "ef"}, {"'3'", "'0'", "c"},   {"'3'", "'-4'", "c"},
    };
    for (const auto& [start, count, result] : cases) {
        std::string line = std::string("RF08[31]'abcdef'") + start + count;
        EXPECT_EQ(echoAfter({line}, "[31]"), Shown{result}) << line;
    }
    EXPECT_EQ(echoAfter({"R001[32]'xyz'", "RF08[31][32]'2'#'''1'#'0'"}, "[31]"), Shown{"yz"});
}

TEST(RuntimeStringCommands, GetPos) {
    EXPECT_EQ(echoAfter({"RF02[31]'abcabc''ca'"}, "[31]"), Shown{"3"});
    EXPECT_EQ(echoAfter({"RF02[31]'abc''x'"}, "[31]"), Shown{"0"});
    EXPECT_EQ(echoAfter({"RF02[31]'abc''B'"}, "[31]"), Shown{"0"});
    EXPECT_EQ(echoAfter({"RF02[31]'abc'''"}, "[31]"), Shown{"1"});
    EXPECT_EQ(echoAfter({"RF02[31]''''"}, "[31]"), Shown{"0"});
}

TEST(RuntimeStringCommands, NoneChangesErrorcode) {
    EXPECT_EQ(echoAfter({"R001[0]'e'", "RF00[31]'a'", "RF01[31]'1'+'1'", "RF02[31]'a''a'", "RF03[31]'a'", "RF04[31]'a'",
                         "RF05[31]'a'", "RF06[31]'66'", "RF07[31]'a'", "RF08[31]'a''1''1'"},
                        "[0]"),
              Shown{"e"});
}

TEST(RuntimeStringCommands, ResultIntoTheClipboardIndex) {
    FakePlatform fake;
    runLines(fake, {"RF03[25]'abc'"});
    EXPECT_EQ(fake.clipboard, "ABC");
}

// ---- commands that reach the desktop: run where the code says, passed over elsewhere ----

// An opcode line with its operands, and how many calls of the fake platform it leaves behind.
struct DesktopCommand {
    std::string line;
    size_t (*calls)(const FakePlatform&);
};

std::vector<DesktopCommand> desktopCommands() {
    return {
        {"R008[31]'title''prompt''default'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R031[31]'title''a|b'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R032[31]'title''text''READONLY'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R022[31]'title''All|*.*'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R023[31]'title''All|*.*'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R037[31]'title''/tmp'", [](const FakePlatform& f) { return f.dialogs.size(); }},
        {"R038'text''show'", [](const FakePlatform& f) { return f.infoBoxPlacements.size(); }},
        {"R033'no such window''keys'", [](const FakePlatform& f) { return f.activatedWindows.size(); }},
        {"R029'status cdaudio mode'", [](const FakePlatform& f) { return f.mciCommands.size(); }},
        {"R020'/no/such/document'", [](const FakePlatform& f) { return f.openedDocuments.size(); }},
    };
}

class DesktopOpcode : public ::testing::TestWithParam<DesktopCommand> {};

TEST_P(DesktopOpcode, RunsAndTheProgramGoesOn) {
    FakePlatform fake;
    CodeRun run = runLines(fake, {"R027'before'", GetParam().line, "R027'after'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"before", "after"}));
    EXPECT_EQ(GetParam().calls(fake), 1u);
}

TEST_P(DesktopOpcode, InACommandPartRunsOnlyWhenTheConditionHolds) {
    FakePlatform skipped;
    runLines(skipped, {"R0IF'a'='b'" + GetParam().line, "R027'after'", "R009"});
    EXPECT_EQ(GetParam().calls(skipped), 0u);
    FakePlatform taken;
    CodeRun run = runLines(taken, {"R0IF'a'='a'" + GetParam().line, "R027'after'", "R009"});
    EXPECT_EQ(GetParam().calls(taken), 1u);
    EXPECT_EQ(run.shown, Shown{"after"});
}

TEST_P(DesktopOpcode, PassedOverByJumpsAndSkips) {
    FakePlatform fake;
    CodeRun run = runLines(
        fake, {"R004on", GetParam().line, "RLBLon", "RXIF'a'='b'", GetParam().line, "RXEI", "R027'after'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"after"});
    EXPECT_EQ(GetParam().calls(fake), 0u);
}

INSTANTIATE_TEST_SUITE_P(DialogsKeysAndDocuments, DesktopOpcode, ::testing::ValuesIn(desktopCommands()),
                         [](const ::testing::TestParamInfo<DesktopCommand>& info) {
                             return info.param.line.substr(0, 4);
                         });

// ---- the fake's own system ----

TEST(RuntimeSystem, FilesProgramsWaitsAndTheEnvironmentStayInTheFake) {
    std::string dir =
        (std::filesystem::temp_directory_path() / ("velrun-memory-" + std::to_string(::getpid()))).string();
    FakePlatform fake;
    fake.memoryFiles.putFile(dir + "/old.txt", "x");
    fake.recordedPrograms.exitCode = 4;
    CodeRun run =
        runLines(fake, {"R017'" + dir + "/old.txt'", "R027[0]", "R025'" + dir + "/new.txt''line'",
                        "R024[31]'" + dir + "/new.txt''1'", "R027[31]", "R010'prog''hide'", "R014'cmd'", "R027[0]",
                        "R036'60000'", "R016'VELRUN_MEMORY_TEST=1'", "R015[31]'VELRUN_MEMORY_TEST'", "R027[31]"});
    EXPECT_EQ(run.shown, (Shown{"0", "line", "4", "1"}));
    EXPECT_EQ(fake.memoryFiles.contentOf(dir + "/old.txt"), std::nullopt);
    EXPECT_EQ(fake.memoryFiles.contentOf(dir + "/new.txt"), "line\n");
    EXPECT_EQ(fake.recordedPrograms.started, (Shown{"shell prog", "system cmd"}));
    EXPECT_EQ(fake.recordedPrograms.waits, std::vector<int>{60000});
    EXPECT_FALSE(std::filesystem::exists(dir));
    EXPECT_EQ(std::getenv("VELRUN_MEMORY_TEST"), nullptr);
}

}  // namespace
}  // namespace velrun_test
