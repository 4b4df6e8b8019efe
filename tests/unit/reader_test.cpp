// The reading operations: characters and line ends, push back, keywords, separators and
// read-until, and the line numbers that error boxes quote.
#include <gtest/gtest.h>

#include "core/script_error.h"
#include "core/script_reader.h"
#include "core/text.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using interp::ScriptReader;
using interp::ScriptSource;

constexpr int kLineEnd = ScriptReader::kLineEnd;
constexpr int kEnd = ScriptReader::kEnd;

ScriptReader readerOf(const std::string& text) { return ScriptReader(ScriptSource::fromText(text)); }

// ---- next character ----

TEST(NextCharacter, CrLfIsOneLineEndAndCountsOneLine) {
    ScriptReader reader = readerOf("ab\r\nc");
    EXPECT_EQ(reader.next(), 'a');
    EXPECT_EQ(reader.next(), 'b');
    EXPECT_EQ(reader.line(), 1);
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), 'c');
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next(), kEnd);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.line(), 2);
}

TEST(NextCharacter, LineFeedAloneEndsAndCountsALine) {
    ScriptReader reader = readerOf("a\n\nb");
    EXPECT_EQ(reader.next(), 'a');
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.line(), 3);
    EXPECT_EQ(reader.next(), 'b');
}

TEST(NextCharacter, LoneCarriageReturnEndsTheLineAndTakesNoOtherByte) {
    ScriptReader reader = readerOf("a\rXb\r\rc");
    EXPECT_EQ(reader.next(), 'a');
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.next(), 'X');
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), 'b');
    EXPECT_EQ(reader.next(), kLineEnd);
    // Read again after a push back, a lone carriage return is not counted twice.
    reader.pushBack();
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.next(), 'c');
    EXPECT_EQ(reader.line(), 4);
}

TEST(NextCharacter, CarriageReturnAsLastByteIsALineEnd) {
    ScriptReader reader = readerOf("a\r");
    reader.next();
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), kEnd);
    EXPECT_TRUE(reader.atEnd());
}

TEST(NextCharacter, BytesAboveAsciiComeBackUnchanged) {
    ScriptReader reader = readerOf("\xE4\xFF");
    EXPECT_EQ(reader.next(), 0xE4);
    EXPECT_EQ(reader.next(), 0xFF);
}

// ---- push back ----

TEST(PushBack, ReReadingACrLfLineEndDoesNotCountItAgain) {
    ScriptReader reader = readerOf("a\r\nb");
    reader.next();
    ASSERT_EQ(reader.next(), kLineEnd);
    for (int i = 0; i < 3; ++i) {
        reader.pushBack();
        EXPECT_EQ(reader.next(), kLineEnd);
    }
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), 'b');
}

TEST(PushBack, ReReadingALineFeedLineEndDoesNotCountItAgain) {
    ScriptReader reader = readerOf("a\nb\nc");
    reader.next();
    reader.next();
    reader.pushBack();
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.next(), 'b');
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.line(), 3);
}

TEST(PushBack, PlainCharacterIsReadAgain) {
    ScriptReader reader = readerOf("xy");
    reader.next();
    reader.pushBack();
    EXPECT_EQ(reader.next(), 'x');
    EXPECT_EQ(reader.next(), 'y');
}

TEST(PushBack, AtTheEndTheEndIsMetAgain) {
    ScriptReader reader = readerOf("x");
    reader.next();
    EXPECT_EQ(reader.next(), kEnd);
    reader.pushBack();
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next(), kEnd);
    EXPECT_TRUE(reader.atEnd());
}

// ---- keyword reader ----

TEST(KeywordReader, SkipsBlankLinesTabsAndBlanksAndStopsAtABlank) {
    ScriptReader reader = readerOf("\r\n\n \t  ECHO 'x'");
    EXPECT_EQ(reader.readKeyword(), "ECHO");
    EXPECT_EQ(reader.keywordTerminator(), ' ');
    EXPECT_EQ(reader.line(), 3);
    EXPECT_EQ(reader.next(), '\'');
}

TEST(KeywordReader, LineEndEndsTheKeywordAndIsLeftForTheHandler) {
    ScriptReader reader = readerOf("ENDIF\r\nREM");
    EXPECT_EQ(reader.readKeyword(), "ENDIF");
    EXPECT_EQ(reader.keywordTerminator(), kLineEnd);
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), kLineEnd);
    EXPECT_EQ(reader.line(), 2);
}

TEST(KeywordReader, TabDoesNotEndAKeyword) {
    ScriptReader reader = readerOf("EC\tHO x");
    EXPECT_EQ(reader.readKeyword(), "EC\tHO");
}

TEST(KeywordReader, PercentMakesALabelLineAndLeavesTheNameUnread) {
    ScriptReader reader = readerOf("  %Start here\r\n");
    EXPECT_EQ(reader.readKeyword(), "%");
    EXPECT_EQ(reader.readUntil(kLineEnd), "Start here");
}

TEST(KeywordReader, PercentInsideAWordDropsWhatCameBefore) {
    ScriptReader reader = readerOf("abc%Name\r\n");
    EXPECT_EQ(reader.readKeyword(), "%");
    EXPECT_EQ(reader.readUntil(kLineEnd), "Name");
}

TEST(KeywordReader, LabelLineKeepsThePreviousTerminator) {
    ScriptReader reader = readerOf("REM\r\n%L\r\n");
    reader.readKeyword();
    ASSERT_EQ(reader.keywordTerminator(), kLineEnd);
    reader.next();
    ASSERT_EQ(reader.readKeyword(), "%");
    EXPECT_EQ(reader.keywordTerminator(), kLineEnd);
}

TEST(KeywordReader, EndOfScriptEndsTheRunWithCodeZero) {
    ScriptReader blanks = readerOf(" \r\n\t\r\n");
    try {
        blanks.readKeyword();
        FAIL() << "no exit";
    } catch (const interp::ScriptExit& exit) {
        EXPECT_EQ(exit.code, 0);
    }
    // A keyword that is the very last thing, without a line break, is never returned.
    ScriptReader last = readerOf("ECHO");
    EXPECT_THROW(last.readKeyword(), interp::ScriptExit);
}

// ---- separator reader and read-until ----

TEST(SeparatorReader, SkipsBlanksOnlyAndReportsTheEndAsALineEnd) {
    ScriptReader reader = readerOf("   ,\t");
    EXPECT_EQ(reader.readSeparator(), ',');
    EXPECT_EQ(reader.readSeparator(), '\t');
    EXPECT_EQ(reader.readSeparator(), kLineEnd);
    EXPECT_EQ(reader.readSeparator(), kLineEnd);
}

TEST(SeparatorReader, ConsumesTheLineEnd) {
    ScriptReader reader = readerOf("  \r\nX");
    EXPECT_EQ(reader.readSeparator(), kLineEnd);
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.readSeparator(), 'X');
}

TEST(ReadUntil, StopsAtTheTerminatorAndConsumesIt) {
    ScriptReader reader = readerOf("abc]def");
    EXPECT_EQ(reader.readUntil(']'), "abc");
    EXPECT_EQ(reader.next(), 'd');
}

TEST(ReadUntil, StopsAtTheLineEndAndConsumesIt) {
    for (const std::string& end : {std::string("\r\n"), std::string("\n")}) {
        ScriptReader reader = readerOf("ab cd" + end + "next'");
        EXPECT_EQ(reader.readUntil('\''), "ab cd");
        EXPECT_EQ(reader.line(), 2);
        EXPECT_EQ(reader.readUntil('\''), "next");
    }
}

TEST(ReadUntil, StopsAtTheEnd) {
    ScriptReader reader = readerOf("tail");
    EXPECT_EQ(reader.readUntil('\''), "tail");
    EXPECT_TRUE(reader.atEnd());
}

TEST(ReadUntil, LineEndTerminatorReadsTheRestOfTheLine) {
    ScriptReader reader = readerOf(" rest 'of' [it]\r\nNEXT\r\n");
    EXPECT_EQ(reader.readUntil(kLineEnd), " rest 'of' [it]");
    EXPECT_EQ(reader.readKeyword(), "NEXT");
}

TEST(ReadUntil, AfterALongLineTheLineCounterIsRight) {
    std::string longLine(5000, 'x');
    ScriptReader reader = readerOf(longLine + "\r\n" + longLine + "\nEND\r\n");
    EXPECT_EQ(reader.readUntil(kLineEnd), longLine);
    EXPECT_EQ(reader.readUntil(kLineEnd), longLine);
    EXPECT_EQ(reader.line(), 3);
    EXPECT_EQ(reader.readKeyword(), "END");
}

// ---- restart and lines ----

TEST(Restart, StartsAgainAtLineOne) {
    ScriptReader reader = readerOf("A\r\nB\r\nC\r\n");
    reader.readUntil(kLineEnd);
    reader.readUntil(kLineEnd);
    ASSERT_EQ(reader.line(), 3);
    ASSERT_TRUE(reader.restart());
    EXPECT_EQ(reader.line(), 1);
    EXPECT_EQ(reader.readKeyword(), "A");
}

TEST(Restart, SkipToLineLandsOnTheLineForEveryLineEndForm) {
    ScriptReader reader = readerOf("one\r\ntwo\nthree\rfour\r\n");
    reader.restart();
    reader.skipToLine(4);
    EXPECT_EQ(reader.line(), 4);
    EXPECT_EQ(reader.readKeyword(), "four");
    reader.restart();
    reader.skipToLine(3);
    EXPECT_EQ(reader.readKeyword(), "three");
    // A line end read after the skip counts once.
    EXPECT_EQ(reader.line(), 4);
    reader.pushBack();
    reader.next();
    EXPECT_EQ(reader.line(), 4);
}

TEST(ScriptSourceLines, LineStartsFollowTheReaderRules) {
    auto source = ScriptSource::fromText("a\r\nb\nc\rd");
    EXPECT_EQ(source->lineStart(1), 0u);
    EXPECT_EQ(source->lineStart(2), 3u);
    EXPECT_EQ(source->lineStart(3), 5u);
    EXPECT_EQ(source->lineStart(4), 7u);
    EXPECT_EQ(source->lineStart(5), std::nullopt);
    EXPECT_EQ(source->lineEndCount(), 3);
}

// ---- line numbers and messages of script errors ----

TEST(ErrorLines, KeywordAloneReportsTheNextLineAndKeywordWithBlankItsOwnLine) {
    EXPECT_EQ(runScript(crlf({"REM", "foo", "REM"})).errorText(), "Line 3, Error 01: Unknown instruction: FOO");
    EXPECT_EQ(runScript(crlf({"REM", "foo bar"})).errorText(), "Line 2, Error 01: Unknown instruction: FOO");
}

TEST(ErrorLines, LineFeedScriptReportsTheSameLinesAsCrLf) {
    std::vector<std::string> script = {"REM one", "", "  LET [a] = 'x'", "LET [b] 'y'", "REM"};
    RunResult withCrLf = runScript(crlf(script));
    RunResult withLf = runScript(lf(script));
    EXPECT_EQ(withCrLf.errorText(), "Line 4, Error 00: Parse error at LET");
    EXPECT_EQ(withLf.errorText(), withCrLf.errorText());
    EXPECT_EQ(withLf.exitCode, 1);
}

TEST(ErrorLines, MixedLineEndsCountEveryLine) {
    RunResult result = runScript("REM\r\nREM\nREM\r\ndummy x\r\n");
    EXPECT_EQ(result.errorText(), "Line 4, Error 01: Unknown instruction: DUMMY");
}

TEST(ErrorLines, ErrorBoxHasCaptionAndStyleAndEndsWithCodeOne) {
    RunResult result = runScript(crlf({"ECHO 'before'", "dummy", "ECHO 'after'"}));
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].caption, "ERROR");
    EXPECT_EQ(result.errors[0].style, platform::style::kIconError | platform::style::kSetForeground);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.shown, std::vector<std::string>{"before"});
}

TEST(ErrorLines, LabelLineWithoutANameIsErrorThree) {
    EXPECT_EQ(runScript(crlf({"REM", "%", "REM"})).errorText(),
              "Line 3, Error 03: Parameter expected at % Label descriptor");
    EXPECT_EQ(runScript(crlf({"   %   ", "REM"})).errorText(),
              "Line 2, Error 03: Parameter expected at % Label descriptor");
}

// ---- command step ----

TEST(CommandStep, LowerCaseScriptRunsLikeUpperCase) {
    std::vector<std::string> upper = {"LET [a] = '1'", "IF [a] = '1'", "ECHO 'yes'", "ELSE", "ECHO 'no'", "ENDIF"};
    std::vector<std::string> lower = {"let [a] = '1'", "if [a] = '1'", "echo 'yes'", "else", "echo 'no'", "endif"};
    EXPECT_EQ(runScript(crlf(lower)).shown, runScript(crlf(upper)).shown);
    EXPECT_EQ(runScript(crlf(lower)).shown, std::vector<std::string>{"yes"});
}

TEST(CommandStep, IndentedAndBlankLinesRun) {
    RunResult result = runScript("\r\n\t\tECHO 'a'\r\n    \r\n  \tECHO 'b'\r\n");
    EXPECT_EQ(result.shown, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST(CommandStep, TabBetweenParametersIsAParseError) {
    EXPECT_EQ(runScript(crlf({"LET [a]\t= 'x'"})).errorText(), "Line 1, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"MSGBOX 'c',\t't', 'OK'"})).errorText(), "Line 1, Error 00: Parse error at MSGBOX");
}

TEST(CommandStep, CommentAndIgnoredKeywordsHaveNoEffect) {
    RunResult result = runScript(crlf(
        {"REM ECHO 'no'", "TITLE x 'y' [z]", "TEXT a", "BACK b", "SHOWTEXT", "HIDETEXT c", "rem lower", "ECHO 'yes'"}));
    EXPECT_EQ(result.shown, std::vector<std::string>{"yes"});
    EXPECT_EQ(result.exitCode, 0);
}

TEST(CommandStep, LastKeywordWithoutLineBreakIsNotRun) {
    RunResult result = runScript("ECHO 'a'\r\nEND");
    EXPECT_EQ(result.shown, std::vector<std::string>{"a"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(runScript("ECHO 'a'\r\nfoo").exitCode, 0);
}

TEST(CommandStep, LastCommandWithParametersAndNoLineBreakRuns) {
    EXPECT_EQ(runScript("ECHO 'a'\r\nECHO 'b'").shown, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(runScript("MSGBOX 'c', 't', 'OK'").shown, std::vector<std::string>{"t"});
}

TEST(CommandStep, EmptyScriptEndsAtOnce) {
    RunResult result = runScript("");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty());
}

TEST(CommandStep, LineStartingWithAVariableIsUnknown) {
    EXPECT_EQ(runScript(crlf({"[a] = 'x'"})).errorText(), "Line 1, Error 01: Unknown instruction: [A]");
}

TEST(CommandStep, CommandAfterAValueOnTheSameLineRuns) {
    RunResult result = runScript(crlf({"ECHO 'a' ECHO 'b'", "LET [x] = 'c' ECHO [x]"}));
    EXPECT_EQ(result.shown, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(CommandStep, LeftoverTextAfterAValueIsUnknown) {
    EXPECT_EQ(runScript(crlf({"LET [a] = 'x' junk", "REM"})).errorText(),
              "Line 2, Error 01: Unknown instruction: JUNK");
}

TEST(CommandStep, KeywordsInAnyCaseReachTheirParameters) {
    // A value where the target "[name]" belongs is a parse error of that very command.
    for (const char* keyword : {"readfile", "INPUTBOX", "FindFiles", "GETENV", "filesize", "OpenBox"}) {
        std::string upper = interp::upperCase(keyword);
        EXPECT_EQ(runScript(crlf({std::string(keyword) + " 'x'"})).errorText(),
                  "Line 1, Error 00: Parse error at " + upper)
            << keyword;
    }
}

}  // namespace
}  // namespace velmish_test
