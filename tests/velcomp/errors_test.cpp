// Compile errors: numbers, messages and the line numbers of the report, with CR LF and LF
// line ends alike.
#include <gtest/gtest.h>

#include "compile_helpers.h"
#include "compiler/compile_error.h"

namespace velcomp_test {
namespace {

using compiler::CompileError;

// Runs each test with CR LF and with LF line ends: the line numbers must not differ.
class Errors : public testing::TestWithParam<const char*> {
  protected:
    // The lines joined with the line end under test, each line ended by it.
    std::string script(std::initializer_list<std::string> lines) const {
        std::string text;
        for (const std::string& line : lines) text += line + GetParam();
        return text;
    }
    // The line number the report shows.
    static int shownLine(const CompileError& error) { return error.lineCounter - 1; }
};

TEST_P(Errors, UnknownInstructionAloneOnItsLine) {
    CompileError error = errorOf(script({"REM first", "ECHO 'x'", "foo"}));
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "FOO");
    EXPECT_EQ(compiler::compileErrorReport(error),
              "Line 3, Error 1 Unknown instruction: FOO\n\nERROR. Compiling process failed.");
}

TEST_P(Errors, UnknownInstructionFollowedByText) {
    // Found in the middle of its line: the report names the line before.
    CompileError error = errorOf(script({"REM first", "dummy text"}));
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "DUMMY");
    EXPECT_EQ(shownLine(error), 1);
}

TEST_P(Errors, BothSpellingsOfLetFileAttCompile) {
    EXPECT_FALSE(compileText(script({"LETFILEATT 'x', 'R'", "LETFILEATTS 'x', 'R'"})).error);
}

TEST_P(Errors, HaltTakesNoExitCode) {
    CompileError error = errorOf(script({"HALT '3'"}));
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "'3'");
}

TEST_P(Errors, TabAfterKeywordBelongsToTheKeyword) {
    CompileError error = errorOf(script({"ECHO\t'x'"}));
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "ECHO\t'X'");
}

TEST_P(Errors, ParseErrorInTheMiddleOfALine) {
    CompileError error = errorOf(script({"REM", "REM", "LET [a] 'x'"}));
    EXPECT_EQ(error.number, 0);
    EXPECT_EQ(shownLine(error), 2);
    EXPECT_EQ(compiler::compileErrorReport(error), "Line 2, Error 0 Parse error\n\nERROR. Compiling process failed.");
}

TEST_P(Errors, ParseErrorsAtStrictSeparators) {
    EXPECT_EQ(errorOf(script({"DEC [a] [b]"})).number, 0);
    EXPECT_EQ(errorOf(script({"DEC a"})).number, 0);
    EXPECT_EQ(errorOf(script({"MSGBOX 'a'; 'b', 'c'"})).number, 0);
    EXPECT_EQ(errorOf(script({"MSGBOX 'a', 'b', 'c' 'd'"})).number, 0);
    EXPECT_EQ(errorOf(script({"INFOBOX 'a', 'b' x"})).number, 0);
    EXPECT_EQ(errorOf(script({"COPYVAR [a] = 'x' ; '1', '2'"})).number, 0);
    EXPECT_EQ(errorOf(script({"LINKVAR [a] = 'x' - 'y'"})).number, 0);
    EXPECT_EQ(errorOf(script({"CALCVAR [a] = 'x' , 'y'"})).number, 0);
    // A tab is no blank between parameters.
    EXPECT_EQ(errorOf(script({"RENAMEFILE 'a',\t'b'"})).number, 0);
}

TEST_P(Errors, ValuePositionAtTheLineEnd) {
    for (const char* command : {"ECHO", "ECHO ", "LET [a] =", "LET [a] = 'x' #", "MSGBOX 'a', 'b',", "UNTIL",
                                "CALCVAR [a] = '1' +", "RENAMEFILE 'a' :", "ELSEIF [a] ="}) {
        CompileError error = errorOf(script({"IF [b] = 'c'", command, "'next line'"}));
        EXPECT_EQ(error.number, 0) << command;
        EXPECT_EQ(shownLine(error), 2) << command;
    }
}

TEST_P(Errors, SeparatorMissingAtTheLineEnd) {
    for (const char* command :
         {"MSGBOX 'a', 'b'", "EDITBOX [a] = 'p', 't'", "LISTBOX [a]", "FINDFILES [a]", "SENDKEYS 'w'",
          "GETPOS [a] = 'x'", "LET [a]", "DEC", "DEC [a],", "COPYVAR [a] = 'x' : '1'", "IF [a]"}) {
        CompileError error = errorOf(script({"REM", command, ", 'c'"}));
        EXPECT_EQ(error.number, 0) << command;
        EXPECT_EQ(shownLine(error), 2) << command;
    }
}

TEST_P(Errors, JumpWithoutLabel) {
    for (const char* command : {"GOTO", "GOSUB", "GOTO ", "goto"}) {
        CompileError error = errorOf(script({"REM", command, "label"}));
        EXPECT_EQ(error.number, 0) << command;
        EXPECT_EQ(shownLine(error), 2) << command;
    }
}

TEST_P(Errors, TerminatorByteInTextIsAParseError) {
    for (const char* command : {"ECHO 'a\x01'", "ECHO a\x01", "%a\x01", "GOTO a\x01", "IF [a] = '\x01' HALT"}) {
        EXPECT_EQ(errorOf(script({command})).number, 0) << command;
    }
    // Elsewhere the byte is harmless: a name becomes an index, a comment is not written.
    EXPECT_EQ(codeLineOf(script({"ECHO [\x01]"})), "R027[31]");
    EXPECT_EQ(codeLineOf(script({"REM \x01"})), "");
}

TEST_P(Errors, LabelNotFoundNamesTheFirstJump) {
    CompileError error = errorOf(script({"REM", "GOTO nowhere", "REM", "GOSUB nowhere", "%somewhere"}));
    EXPECT_EQ(error.number, 2);
    EXPECT_EQ(error.filling, "nowhere");
    EXPECT_EQ(shownLine(error), 2);
    EXPECT_EQ(compiler::compileErrorReport(error),
              "Line 2, Error 2 Label not found: nowhere\n\nERROR. Compiling process failed.");
}

TEST_P(Errors, LabelCheckFollowsTheOrderOfFirstUse) {
    CompileError error = errorOf(script({"GOTO b", "GOTO a", "GOTO b"}));
    EXPECT_EQ(error.filling, "b");
    EXPECT_EQ(shownLine(error), 1);
}

TEST_P(Errors, DoubleLabelDefinition) {
    CompileError error = errorOf(script({"%a", "ECHO 'x'", "%a"}));
    EXPECT_EQ(error.number, 3);
    EXPECT_EQ(error.filling, "a");
    EXPECT_EQ(shownLine(error), 3);
    EXPECT_EQ(compiler::compileErrorReport(error),
              "Line 3, Error 3 Double label definition: a\n\nERROR. Compiling process failed.");
}

TEST_P(Errors, BlockCommandsWithoutOpenIf) {
    CompileError error = errorOf(script({"REM", "ENDIF"}));
    EXPECT_EQ(error.number, 10);
    EXPECT_EQ(shownLine(error), 2);
    EXPECT_EQ(compiler::compileErrorReport(error),
              "Line 2, Error 10 Unknown error; Errorcode\n\nERROR. Compiling process failed.");
}

TEST_P(Errors, LinesCountTheSameWithEitherLineEnd) {
    compiler::Compilation compilation = compileText(script({"REM", "", "ECHO 'x'", "%l"}));
    ASSERT_FALSE(compilation.error);
    EXPECT_EQ(compilation.lineCounter, 5);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, Errors, testing::Values("\r\n", "\n"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "\n" ? "LF" : "CRLF";
                         });

TEST(ErrorMessages, OtherNumbersAreUnknownErrors) {
    EXPECT_EQ(compiler::compileErrorMessage(7, "x"), "Unknown error; Errorcode");
    EXPECT_EQ(compiler::compileErrorMessage(10, ""), "Unknown error; Errorcode");
    EXPECT_EQ(compiler::compileErrorMessage(0, "ignored"), "Parse error");
}

}  // namespace
}  // namespace velcomp_test
