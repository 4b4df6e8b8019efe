// The variable table: get, set and declare, computed names, write hooks and growth.
#include <gtest/gtest.h>

#include <regex>

#include "core/variable_table.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using interp::NameScheme;
using interp::VariableTable;
using platform::DialogButton;

class VariableTableTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    VariableTable vars{fake, fake, NameScheme::scriptNames};
};

TEST_F(VariableTableTest, MissingNameReadsEmpty) {
    EXPECT_EQ(vars.get("nothing"), "");
    EXPECT_FALSE(vars.exists("nothing"));
}

TEST_F(VariableTableTest, SetStoresAndOverwrites) {
    vars.set("a", "1");
    EXPECT_EQ(vars.get("a"), "1");
    vars.set("a", "two");
    EXPECT_EQ(vars.get("a"), "two");
    EXPECT_EQ(vars.records().size(), 1u);
}

TEST_F(VariableTableTest, NamesAreExactCaseAndBlanksCount) {
    vars.set("A", "upper");
    vars.set("a", "lower");
    vars.set(" a ", "blanks");
    EXPECT_EQ(vars.get("A"), "upper");
    EXPECT_EQ(vars.get("a"), "lower");
    EXPECT_EQ(vars.get(" a "), "blanks");
    EXPECT_EQ(vars.records().size(), 3u);
}

TEST_F(VariableTableTest, DeclareCreatesEmptyAndLeavesExistingAlone) {
    vars.declare("d");
    EXPECT_TRUE(vars.exists("d"));
    EXPECT_EQ(vars.get("d"), "");
    vars.set("d", "kept");
    vars.declare("d");
    EXPECT_EQ(vars.get("d"), "kept");
    EXPECT_EQ(vars.records().size(), 1u);
}

TEST_F(VariableTableTest, RecordsKeepCreationOrder) {
    vars.declare("z");
    vars.set("y", "1");
    vars.declare("x");
    vars.set("z", "2");
    ASSERT_EQ(vars.records().size(), 3u);
    EXPECT_EQ(vars.records()[0].name, "z");
    EXPECT_EQ(vars.records()[0].value, "2");
    EXPECT_EQ(vars.records()[1].name, "y");
    EXPECT_EQ(vars.records()[2].name, "x");
}

TEST_F(VariableTableTest, ValuesHoldAnyBytes) {
    std::string bytes("a\0b\xff\n", 5);
    vars.set("bin", bytes);
    EXPECT_EQ(vars.get("bin"), bytes);
}

TEST_F(VariableTableTest, TimeAndDateAreComputedEvenAfterAssignment) {
    vars.set("time", "x");
    vars.set("year", "x");
    vars.set("month", "x");
    vars.set("day", "x");
    EXPECT_TRUE(std::regex_match(vars.get("time"), std::regex(R"([0-2]\d:[0-5]\d:[0-6]\d)"))) << vars.get("time");
    EXPECT_TRUE(std::regex_match(vars.get("year"), std::regex(R"(20\d\d)"))) << vars.get("year");
    EXPECT_TRUE(std::regex_match(vars.get("month"), std::regex(R"(0[1-9]|1[0-2])"))) << vars.get("month");
    EXPECT_TRUE(std::regex_match(vars.get("day"), std::regex(R"(0[1-9]|[12]\d|3[01])"))) << vars.get("day");
    // Other spellings are ordinary variables.
    vars.set("Time", "mine");
    EXPECT_EQ(vars.get("Time"), "mine");
}

TEST_F(VariableTableTest, ClipboardReadsAndWritesThePlatform) {
    fake.clipboard = "from desktop";
    EXPECT_EQ(vars.get("clipboard"), "from desktop");
    vars.set("clipboard", "abc");
    EXPECT_EQ(fake.clipboard, "abc");
    EXPECT_EQ(vars.get("clipboard"), "abc");
    // Someone else changes the clipboard: the stored copy is never read.
    fake.clipboard = "changed";
    EXPECT_EQ(vars.get("clipboard"), "changed");
    vars.set("Clipboard", "plain");
    EXPECT_EQ(fake.clipboard, "changed");
}

TEST_F(VariableTableTest, ButtonCaptionHooksReachTheDialogs) {
    vars.set("IBox_Ok", "Yes!");
    vars.set("IBox_Cancel", "No!");
    vars.set("EditBox_Ok", "Store");
    vars.set("EditBox_Cancel", "Drop");
    vars.set("ListBox_Ok", "Pick");
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Yes!");
    EXPECT_EQ(fake.captions[DialogButton::inputCancel], "No!");
    EXPECT_EQ(fake.captions[DialogButton::editOk], "Store");
    EXPECT_EQ(fake.captions[DialogButton::editCancel], "Drop");
    EXPECT_EQ(fake.captions[DialogButton::listOk], "Pick");
    // The value is stored as for any other name.
    EXPECT_EQ(vars.get("ListBox_Ok"), "Pick");
}

TEST_F(VariableTableTest, HooksMatchExactCaseOnly) {
    vars.set("ibox_ok", "x");
    vars.set("infobox_enabled", "hide");
    vars.set("ListBox_Cancel", "x");
    EXPECT_TRUE(fake.captions.empty());
    EXPECT_TRUE(fake.infoBoxVisibility.empty());
}

TEST_F(VariableTableTest, InfoBoxEnabledHidesForMinusOneAndHideShowsOtherwise) {
    const std::pair<const char*, bool> cases[] = {
        {"-1", false}, {"hide", false}, {"HIDE", false}, {"HiDe", false}, {"0", true},
        {"", true},    {"show", true},  {"-1 ", true},   {" hide", true}, {"-10", true},
    };
    for (const auto& [value, visible] : cases) {
        fake.infoBoxVisibility.clear();
        vars.set("InfoBox_Enabled", value);
        ASSERT_EQ(fake.infoBoxVisibility.size(), 1u) << value;
        EXPECT_EQ(fake.infoBoxVisibility[0], visible) << "'" << value << "'";
        EXPECT_EQ(vars.get("InfoBox_Enabled"), value);
    }
}

TEST_F(VariableTableTest, DeclareRunsNoHook) {
    vars.declare("IBox_Ok");
    vars.declare("clipboard");
    EXPECT_TRUE(fake.captions.empty());
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(VariableTableTest, GrowthIsReportedOnlyBeyondTheSixteenInitialSlots) {
    std::vector<std::string> grown;
    vars.onGrow = [&grown](const std::string& name) { grown.push_back(name); };
    // Built with append: GCC 12 warns wrongly (-Wrestrict) about "v" + std::to_string(i) at -O2.
    for (int i = 0; i < 16; ++i) vars.declare(std::string("v").append(std::to_string(i)));
    EXPECT_TRUE(grown.empty());
    vars.set("v0", "again");
    vars.declare("v15");
    EXPECT_TRUE(grown.empty());
    vars.set("seventeenth", "x");
    vars.declare("eighteenth");
    vars.declare("eighteenth");
    vars.set("seventeenth", "y");
    EXPECT_EQ(grown, (std::vector<std::string>{"seventeenth", "eighteenth"}));
}

TEST_F(VariableTableTest, HandlesDoNotCreateAndStayValidWhileTheTableGrows) {
    VariableTable::Handle early = vars.handle("early");
    VariableTable::Handle caption = vars.handle("IBox_Ok");
    VariableTable::Handle clock = vars.handle("time");
    EXPECT_FALSE(vars.exists("early"));
    EXPECT_EQ(early.name(), "early");
    for (int i = 0; i < 2000; ++i) vars.set("filler" + std::to_string(i), std::to_string(i));
    vars.set(early, "via handle");
    EXPECT_EQ(vars.get("early"), "via handle");
    std::string out = ">";
    vars.appendValue(early, out);
    EXPECT_EQ(out, ">via handle");
    vars.set(caption, "Fine");
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Fine");
    std::string now;
    vars.appendValue(clock, now);
    EXPECT_TRUE(std::regex_match(now, std::regex(R"(\d\d:\d\d:\d\d)"))) << now;
    EXPECT_EQ(vars.get("filler1999"), "1999");
}

TEST(VariableTableIndexNames, SystemVariablesAreNamedByIndex) {
    FakePlatform fake;
    VariableTable vars(fake, fake, NameScheme::indexNames);
    EXPECT_EQ(vars.nameOf(interp::SystemVariable::IBox_Ok), "13");
    vars.set("13", "Go");
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Go");
    fake.clipboard = "clip";
    EXPECT_EQ(vars.get("25"), "clip");
    EXPECT_TRUE(std::regex_match(vars.get("7"), std::regex(R"(\d\d:\d\d:\d\d)")));
    vars.set("28", "hide");
    EXPECT_EQ(fake.infoBoxVisibility, std::vector<bool>{false});
    // The script names are ordinary variables there.
    vars.set("time", "plain");
    EXPECT_EQ(vars.get("time"), "plain");
    vars.set("IBox_Ok", "x");
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Go");
}

// ---- the same through scripts ----

TEST(VariableScripts, ClipboardRoundTrip) {
    FakePlatform fake;
    RunResult result = runScript(fake, crlf({"LET [clipboard] = 'abc'", "ECHO [clipboard]"}));
    EXPECT_EQ(fake.clipboard, "abc");
    EXPECT_EQ(result.shown, std::vector<std::string>{"abc"});
}

TEST(VariableScripts, InfoBoxFollowsAssignments) {
    FakePlatform fake;
    runScript(fake,
              crlf({"LET [InfoBox_Enabled] = 'hide'", "LET [InfoBox_Enabled] = '0'", "LET [InfoBox_Enabled] = -1"}));
    // The first entry is the start-up value "-1".
    EXPECT_EQ(fake.infoBoxVisibility, (std::vector<bool>{false, false, true, false}));
}

// ---- writing in place ----

TEST_F(VariableTableTest, AssignCopiesFromAnyPartOfTheVariablesOwnValue) {
    auto a = vars.handle("a");
    std::string scratch;
    vars.assign(a, "0123456789abcdefghijklmnopqrstuvwxyz0123456789");  // beyond the inline room
    vars.assign(a, vars.view(a, scratch).substr(10, 26));
    EXPECT_EQ(vars.get("a"), "abcdefghijklmnopqrstuvwxyz");
    vars.assign(a, vars.view(a, scratch).substr(0, 3));
    EXPECT_EQ(vars.get("a"), "abc");
    vars.assign(a, std::string_view("x\0y", 3));
    EXPECT_EQ(vars.get("a"), std::string("x\0y", 3));
    std::string longer(1000, 'L');
    vars.assign(a, longer);
    EXPECT_EQ(vars.get("a"), longer);
    vars.assign(a, {});
    EXPECT_EQ(vars.get("a"), "");
    EXPECT_TRUE(vars.exists("a"));
}

TEST_F(VariableTableTest, ExchangeStoresTheTextAndHandsTheOldValueBack) {
    auto v = vars.handle("v");
    interp::SmallText room("a short text");
    vars.exchange(v, room);
    EXPECT_EQ(vars.get("v"), "a short text");
    EXPECT_EQ(room.view(), "");
    room.assign("a text much longer than the room a text has inside itself");
    vars.exchange(v, room);
    EXPECT_EQ(vars.get("v"), "a text much longer than the room a text has inside itself");
    EXPECT_EQ(room.view(), "a short text");
    vars.exchange(v, room);
    EXPECT_EQ(vars.get("v"), "a short text");
    EXPECT_EQ(room.view(), "a text much longer than the room a text has inside itself");
}

TEST_F(VariableTableTest, NumberIsWhatTheCurrentTextReadsAs) {
    auto n = vars.handle("n");
    EXPECT_EQ(vars.number(n), 0.0);
    vars.set(n, " 12abc");
    EXPECT_EQ(vars.number(n), 12.0);
    vars.assign(n, "1e3");
    EXPECT_EQ(vars.number(n), 1000.0);
    interp::SmallText room("-2.5");
    vars.exchange(n, room);
    EXPECT_EQ(vars.number(n), -2.5);
    vars.assignNumber(n, "7", 7.0);
    EXPECT_EQ(vars.number(n), 7.0);
    vars.set(n, "x");
    EXPECT_EQ(vars.number(n), 0.0);
}

TEST_F(VariableTableTest, EveryWriteRunsTheWriteHookAndTheLengthLimit) {
    vars.valueLimit = 4;
    vars.assign(vars.handle("IBox_Ok"), "Yes");
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Yes");
    interp::SmallText room("No");
    vars.exchange(vars.handle("IBox_Ok"), room);
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "No");
    EXPECT_THROW(vars.assign(vars.handle("x"), "12345"), std::bad_alloc);
    EXPECT_FALSE(vars.exists("x"));
}

TEST(VariableScripts, CaseAndBlanksMakeDifferentVariables) {
    RunResult result = runScript(crlf({"LET [A] = 'up'", "LET [a] = 'low'", "LET [ a ] = 'bl'", "ECHO [A]#[a]#[ a ]"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{"uplowbl"});
}

TEST(VariableScripts, DecDeclaresAndLeavesValues) {
    RunResult result = runScript(
        crlf({"LET [b] = 'keep'", "DEC [a], [b]", "DEC [a]", "DEC [c],[d] , [e]", "ECHO '<'#[a]#[b]#[c]#'>'"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{"<keep>"});
    EXPECT_EQ(result.exitCode, 0);
}

TEST(VariableScripts, DecSyntaxErrors) {
    EXPECT_EQ(runScript(crlf({"DEC [a] [b]"})).errorText(), "Line 1, Error 00: Parse error at DEC");
    EXPECT_EQ(runScript(crlf({"DEC a"})).errorText(), "Line 1, Error 00: Parse error at DEC");
    // A comma promises another name; the line end there is refused.
    EXPECT_EQ(runScript(crlf({"DEC [a],", "REM"})).errorText(), "Line 2, Error 00: Parse error at DEC");
}

TEST(VariableScripts, LetSyntaxErrors) {
    EXPECT_EQ(runScript(crlf({"LET [a] 'x'"})).errorText(), "Line 1, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"LET a = 'x'"})).errorText(), "Line 1, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"LET [a]", "ECHO 'x'"})).errorText(), "Line 2, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"LET", "[a] = 'x'"})).errorText(), "Line 2, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"LET [a] =", "ECHO 'x'"})).errorText(), "Line 2, Error 03: Parameter expected at LET");
    EXPECT_EQ(runScript(crlf({"LET [a] =   ", "ECHO 'x'"})).errorText(), "Line 2, Error 03: Parameter expected at LET");
}

TEST(VariableScripts, ComputedNameCanBeAssignedButStillComputes) {
    RunResult result = runScript(crlf({"LET [time] = 'x'", "ECHO [time]"}));
    ASSERT_EQ(result.shown.size(), 1u);
    EXPECT_TRUE(std::regex_match(result.shown[0], std::regex(R"(\d\d:\d\d:\d\d)"))) << result.shown[0];
}

}  // namespace
}  // namespace velmish_test
