// Values: literals, references and "#" joins in their strict and lenient forms.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace velmish_test {
namespace {

// The value LET gives [v], shown through ECHO.
std::string letValue(const std::string& value, const std::vector<std::string>& before = {}) {
    std::vector<std::string> lines = before;
    lines.push_back("LET [v] = " + value);
    lines.push_back("ECHO '<'#[v]#'>'");
    RunResult result = runScript(crlf(lines));
    EXPECT_EQ(result.exitCode, 0) << result.errorText();
    return result.shown.empty() ? "(nothing shown)" : result.shown.back();
}

TEST(Values, LiteralsAndReferencesJoin) {
    EXPECT_EQ(letValue("[a]#'y'#[a]", {"LET [a] = 'x'"}), "<xyx>");
    EXPECT_EQ(letValue("'Hello '#[name]#'!'", {"LET [name] = 'Ann'"}), "<Hello Ann!>");
}

TEST(Values, BlanksAroundHashAndBeforeElements) {
    EXPECT_EQ(letValue("   'a'   #   [b]#  'c'  ", {"LET [b] = 'B'"}), "<aBc>");
}

TEST(Values, EmptyLiteralAndUndefinedVariableAreEmpty) {
    EXPECT_EQ(letValue("''"), "<>");
    EXPECT_EQ(letValue("[undefined]"), "<>");
    EXPECT_EQ(letValue("''#[undefined]#''"), "<>");
}

TEST(Values, LiteralKeepsEverythingBetweenTheQuotes) { EXPECT_EQ(letValue("' #[x]# \"%\" '"), "< #[x]# \"%\" >"); }

TEST(Values, UnquotedTextRunsToTheLineEndWithTrailingBlanks) {
    EXPECT_EQ(letValue("Hello   world  "), "<Hello   world  >");
    EXPECT_EQ(letValue("a#[b]#'c'"), "<a#[b]#'c'>");
}

TEST(Values, UnquotedTextAfterHashReplacesWhatCameBefore) {
    EXPECT_EQ(letValue("'a' # b c"), "<b c>");
    EXPECT_EQ(letValue("[x]#'y'#z", {"LET [x] = 'X'"}), "<z>");
}

TEST(Values, LiteralNotClosedEndsAtTheLineEnd) {
    RunResult result = runScript(crlf({"LET [a] = 'abc", "ECHO [a]#'!'"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{"abc!"});
}

TEST(Values, SecondLiteralWithoutHashIsTheNextCommand) {
    // 'it''s': the value stops after 'it' and "'s'" is read as the next keyword.
    RunResult result = runScript(crlf({"LET [a] = 'it''s'", "ECHO [a]"}));
    EXPECT_EQ(result.errorText(), "Line 2, Error 01: Unknown instruction: 'S'");
    EXPECT_TRUE(result.shown.empty());
    // A keyword in place of the second literal shows that "it" alone was stored.
    RunResult sameLine = runScript(crlf({"LET [a] = 'it' ECHO [a]"}));
    EXPECT_EQ(sameLine.shown, std::vector<std::string>{"it"});
}

TEST(Values, LeadingHashIsUnquotedText) { EXPECT_EQ(letValue("#'x'"), "<#'x'>"); }

TEST(Values, HashAtTheLineEndExpectsAParameter) {
    EXPECT_EQ(runScript(crlf({"LET [a] = 'x' #", "REM"})).errorText(), "Line 2, Error 03: Parameter expected at LET");
    EXPECT_EQ(runScript(crlf({"ECHO 'x'#", "REM"})).errorText(), "Line 2, Error 03: Parameter expected at ECHO");
}

TEST(Values, EndOfFileAtAValuePositionActsLikeALineEnd) {
    RunResult result = runScript("ECHO 'a'\r\nLET [a] = 'x' #");
    EXPECT_EQ(result.errorText(), "Line 2, Error 03: Parameter expected at LET");
    EXPECT_EQ(runScript("ECHO ").errorText(), "Line 1, Error 03: Parameter expected at ECHO");
}

TEST(Values, StrictPositionRefusesUnquotedText) {
    EXPECT_EQ(runScript(crlf({"MSGBOX 'c', text, 'OK'"})).errorText(), "Line 1, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(runScript(crlf({"MSGBOX 'c', 'a'#b, 'OK'"})).errorText(), "Line 1, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(runScript(crlf({"LINKVAR [a] = 'x', y"})).errorText(), "Line 1, Error 00: Parse error at LINKVAR");
}

TEST(Values, VariableNameNotClosedEndsAtTheLineEnd) {
    RunResult result = runScript(crlf({"LET [a b] = 'v'", "ECHO [a b", "ECHO 'next'"}));
    EXPECT_EQ(result.shown, (std::vector<std::string>{"v", "next"}));
}

TEST(Values, ReferenceReadsTheCurrentValue) {
    RunResult result = runScript(crlf({"LET [a] = '1'", "LET [a] = [a]#[a]", "LET [a] = [a]#[a]", "ECHO [a]"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{"1111"});
}

TEST(Values, LongValuesSurvive) {
    std::string text(3000, 'q');
    RunResult result = runScript(crlf({"LET [a] = '" + text + "'", "LET [b] = [a]#[a]", "ECHO [b]"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{text + text});
}

}  // namespace
}  // namespace velmish_test
