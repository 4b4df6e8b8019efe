// MSGBOX (ECHOBOX), ECHO (ECHOLN) and CONFIRM: what reaches the desktop and what errorcode holds.
#include <gtest/gtest.h>

#include "commands/messages.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using Lines = std::vector<std::string>;
namespace style = platform::style;
namespace answer = platform::answer;

// Runs a MSGBOX with the given button parameter; returns the box and the errorcode afterwards.
std::pair<Box, std::string> msgBox(const std::string& buttons, std::vector<int> answers = {}) {
    RunResult result = runScript(crlf({"MSGBOX 'Cap', 'Text', " + buttons, "ECHO [errorcode]"}), std::move(answers));
    EXPECT_EQ(result.boxes.size(), 2u) << result.errorText();
    if (result.boxes.size() != 2) return {Box{}, ""};
    return {result.boxes[0], result.boxes[1].text};
}

TEST(MsgBox, ButtonKeywordsChooseTheStyle) {
    const std::pair<const char*, unsigned> cases[] = {
        {"'OK'", style::kOk},
        {"'OKCANCEL'", style::kOkCancel},
        {"'CANCELRETRYIGNORE'", style::kAbortRetryIgnore},
        {"'YESNOCANCEL'", style::kYesNoCancel},
        {"'YESNO'", style::kYesNo},
        {"'RETRYCANCEL'", style::kRetryCancel},
        {"'yesno'", style::kYesNo},
        {"'  OkCancel  '", style::kOkCancel},
        {"'36'", 36},
        {"'hello'", style::kOk},
        {"' 4x'", style::kYesNo},
        {"'YES NO'", style::kOk},
        {"'OK'#'CANCEL'", style::kOkCancel},
    };
    for (const auto& [buttons, expected] : cases) {
        auto [box, errorcode] = msgBox(buttons);
        EXPECT_EQ(box.style, expected | style::kSetForeground) << buttons;
    }
}

TEST(MsgBox, ShowsTextAndCaption) {
    RunResult result = runScript(crlf({"LET [who] = 'World'", "ECHOBOX 'Title '#[who], 'Hello '#[who]#'!', 'OK'"}));
    ASSERT_EQ(result.boxes.size(), 1u);
    EXPECT_EQ(result.boxes[0].kind, Box::Kind::message);
    EXPECT_EQ(result.boxes[0].caption, "Title World");
    EXPECT_EQ(result.boxes[0].text, "Hello World!");
}

TEST(MsgBox, StoresTheButtonChosen) {
    EXPECT_EQ(msgBox("'YESNO'", {answer::kNo}).second, "7");
    EXPECT_EQ(msgBox("'YESNO'", {answer::kYes}).second, "6");
    EXPECT_EQ(msgBox("'CANCELRETRYIGNORE'", {answer::kIgnore}).second, "5");
    EXPECT_EQ(msgBox("'OKCANCEL'", {answer::kCancel}).second, "2");
    EXPECT_EQ(msgBox("'OK'", {answer::kFailed}).second, "0");
    // Unanswered, the fake presses the first button.
    EXPECT_EQ(msgBox("'hello'").second, "1");
    EXPECT_EQ(msgBox("'CANCELRETRYIGNORE'").second, "3");
}

TEST(MsgBox, SyntaxErrors) {
    auto error = [](const std::string& line) { return runScript(crlf({line, "REM"})).errorText(); };
    EXPECT_EQ(error("MSGBOX 'a', 'b', 'OK' x"), "Line 1, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(error("MSGBOX 'a' 'b', 'OK'"), "Line 1, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(error("MSGBOX 'a', 'b', OK"), "Line 1, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(error("ECHOBOX 'a', 'b'"), "Line 2, Error 00: Parse error at ECHOBOX");
    // A line end where a comma belongs is a parse error; after a comma it is a missing value.
    EXPECT_EQ(error("MSGBOX 'a'"), "Line 2, Error 00: Parse error at MSGBOX");
    EXPECT_EQ(error("MSGBOX 'a',"), "Line 2, Error 03: Parameter expected at MSGBOX");
    EXPECT_EQ(error("MSGBOX 'a', 'b',"), "Line 2, Error 03: Parameter expected at MSGBOX");
    EXPECT_EQ(error("MSGBOX"), "Line 2, Error 03: Parameter expected at MSGBOX");
    EXPECT_TRUE(runScript(crlf({"MSGBOX 'a', 'b', 'OK'   ", "REM"})).errors.empty());
}

TEST(MsgBox, StyleFromButtonParameter) {
    EXPECT_EQ(commands::msgBoxStyle("RetryCancel"), style::kRetryCancel);
    EXPECT_EQ(commands::msgBoxStyle("\tOK"), 0u);
    EXPECT_EQ(commands::msgBoxStyle("292"), 292u);
    EXPECT_EQ(commands::msgBoxStyle(""), 0u);
}

TEST(Echo, UsesEchoTitleAndInformationStyle) {
    RunResult result = runScript(crlf({"ECHO 'one'", "LET [Echo_Title] = 'Mine'", "ECHOLN 'two'"}));
    ASSERT_EQ(result.boxes.size(), 2u);
    EXPECT_EQ(result.boxes[0].caption, "Velmish Echo");
    EXPECT_EQ(result.boxes[1].caption, "Mine");
    EXPECT_EQ(result.boxes[1].text, "two");
    for (const Box& box : result.boxes) EXPECT_EQ(box.style, style::kSetForeground | style::kIconInformation);
}

TEST(Echo, UnquotedWordsAreShownExactly) {
    EXPECT_EQ(runScript(crlf({"ECHO   Hello, [world] #1 's'  "})).shown, Lines{"Hello, [world] #1 's'  "});
}

TEST(Echo, LeavesErrorcodeAlone) {
    RunResult result = runScript(crlf({"MSGBOX 'c', 't', 'YESNO'", "ECHO 'x'", "ECHO [errorcode]"}), {answer::kNo});
    EXPECT_EQ(result.shown.back(), "7");
}

TEST(Echo, EmptyValueExpectsAParameter) {
    EXPECT_EQ(runScript(crlf({"ECHO", "REM"})).errorText(), "Line 2, Error 03: Parameter expected at ECHO");
}

TEST(Confirm, AsksAYesNoQuestionUnderConfirmTitle) {
    RunResult result = runScript(crlf({"CONFIRM Continue?", "LET [Confirm_Title] = 'Sure'", "CONFIRM 'Again'"}));
    ASSERT_EQ(result.boxes.size(), 2u);
    EXPECT_EQ(result.boxes[0].text, "Continue?");
    EXPECT_EQ(result.boxes[0].caption, "Velmish Confirmation");
    EXPECT_EQ(result.boxes[0].style, style::kSetForeground | style::kIconQuestion | style::kYesNo);
    EXPECT_EQ(result.boxes[1].caption, "Sure");
}

TEST(Confirm, YesIsZeroAnythingElseMinusOne) {
    auto errorcodeAfter = [](std::vector<int> answers) {
        RunResult result = runScript(crlf({"CONFIRM 'q'", "ECHO [errorcode]"}), std::move(answers));
        return result.shown.back();
    };
    EXPECT_EQ(errorcodeAfter({answer::kYes}), "0");
    EXPECT_EQ(errorcodeAfter({answer::kNo}), "-1");
    EXPECT_EQ(errorcodeAfter({answer::kFailed}), "-1");
    EXPECT_EQ(errorcodeAfter({}), "0");
}

TEST(Confirm, ScriptBranchesOnTheAnswer) {
    Lines script = {"CONFIRM 'Go on?'", "IF [errorcode] = '0'", "ECHO 'yes'", "ELSE", "ECHO 'no'", "ENDIF"};
    EXPECT_EQ(runScript(crlf(script), {answer::kYes}).shown.back(), "yes");
    EXPECT_EQ(runScript(crlf(script), {answer::kNo}).shown.back(), "no");
}

}  // namespace
}  // namespace velmish_test
