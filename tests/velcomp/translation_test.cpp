// Translation of each command form, values, conditions and inline IF into code lines.
#include <gtest/gtest.h>

#include "compile_helpers.h"

namespace velcomp_test {
namespace {

TEST(Translation, WorkedExample) {
    std::string script =
        "LET [a] = 'Hello'\r\n"
        "%loop\r\n"
        "IF [a] = 'Hello' GOTO loop\r\n"
        "ECHO 'Value: '#[a]\r\n"
        "IF [a] ! 'x'\r\n"
        "ELSEIF [a] = 'y'\r\n"
        "ELSE\r\n"
        "ENDIF\r\n"
        "DEC [b], [c]\r\n"
        "END\r\n"
        "ECHO 'after END'\r\n";
    compiler::Compilation compilation = compileText(script);
    ASSERT_FALSE(compilation.error);
    EXPECT_EQ(compilation.code,
              "RRLR'4.3'\x01"
              "R001[31]'Hello'\x01"
              "RLBLloop\x01"
              "R0IF[31]='Hello'R004loop\x01"
              "R027'Value: '#[31]\x01"
              "RXIF[31]!'x'\x01"
              "RXIE[31]='y'\x01"
              "RXEL\x01"
              "RXEI\x01"
              "R000[32][33]\x01"
              "R009\x01"
              "R027'after END'\x01"
              "R009\x01");
}

TEST(Translation, EmptyScriptIsHeaderAndEndMarker) {
    EXPECT_EQ(compileText("").code, "RRLR'4.3'\x01R009\x01");
    EXPECT_EQ(compileText("\r\n  \r\n\t\r\n").code, "RRLR'4.3'\x01R009\x01");
}

struct FormCase {
    const char* script;  // one command, without its line end
    const char* code;    // the code line it gives
};

void PrintTo(const FormCase& form, std::ostream* out) { *out << form.script; }

// Every command with every operand form; [a] is index 31, [b] 32, [c] 33.
const FormCase kForms[] = {
    {"DEC [a]", "R000[31]"},
    {"DEC [a], [b] ,[c]", "R000[31][32][33]"},
    {"LET [a] = 'x'", "R001[31]'x'"},
    {"LET [a]='x'#[a]#'y'", "R001[31]'x'#[31]#'y'"},
    {"GOTO there", "R004there"},
    {"GOSUB there", "R005there"},
    {"RESUME", "R006"},
    {"IF [a] = 'x'", "RXIF[31]='x'"},
    {"IF [a] = 'x' ECHO 'y'", "R0IF[31]='x'R027'y'"},
    {"MSGBOX 'a', 'b', [a]", "R007'a''b'[31]"},
    {"ECHOBOX 'a','b','c'", "R007'a''b''c'"},
    {"INPUTBOX [a] = 'p', 't', 'd'", "R008[31]'p''t''d'"},
    {"EDITBOX [a] = 'p', 't', 'd'", "R032[31]'p''t''d'"},
    {"LISTBOX [a] = 'p', 'items'", "R031[31]'p''items'"},
    {"REPEAT", "RRPT"},
    {"UNTIL [a] > '3'", "RUNT[31]>'3'"},
    {"HALT", "R009"},
    {"LINKVAR [a] = 'x'", "RF00[31]'x'"},
    {"LINKVAR [a] = 'x' + [b], 'y'#'z'", "RF00[31]'x'[32]'y'#'z'"},
    {"CALCVAR [a] = [a] + '1'", "RF01[31][31]+'1'"},
    {"CALCVAR [a] = '1' - '2' * '3' / '4' ~ '5'", "RF01[31]'1'-'2'*'3'/'4'~'5'"},
    {"SHELL 'notepad', 'x.txt'", "R010'notepad''x.txt'"},
    {"CHDIR 'dir'", "R011'dir'"},
    {"MKDIR dir", "R012'dir'"},
    {"RMDIR [a]", "R013[31]"},
    {"SYSTEM 'cmd'", "R014'cmd'"},
    {"CALL 'prog', 'args'", "R030'prog''args'"},
    {"UPVAR [a] = [b]", "RF03[31][32]"},
    {"LOWVAR [a] = 'X'", "RF04[31]'X'"},
    {"TRIMVAR [a] = [a]", "RF05[31][31]"},
    {"GETCHR [a] = '65'", "RF06[31]'65'"},
    {"GETLEN [a] = [b]", "RF07[31][32]"},
    {"GETENV [a] = PATH", "R015[31]'PATH'"},
    {"LETENV 'X=1'", "R016'X=1'"},
    {"COPYVAR [a] = [b] : '2', '3'", "RF08[31][32]'2''3'"},
    {"COPYVAR [a] = [b], '2', '3'", "RF08[31][32]'2''3'"},
    {"DELFILE 'x.txt'", "R017'x.txt'"},
    {"RENAMEFILE 'a' : 'b'", "R018'a''b'"},
    {"RENAMEFILE 'a', 'b'", "R018'a''b'"},
    {"FILEEXISTS x.txt", "R019'x.txt'"},
    {"GETPOS [a] = 'abc' : 'b'", "RF02[31]'abc''b'"},
    {"OPEN 'x.txt'", "R020'x.txt'"},
    {"NEWFILE 'x.txt'", "R021'x.txt'"},
    {"FILESIZE [a] = x.txt", "R035[31]'x.txt'"},
    {"OPENBOX [a] = 'title', '*.txt'", "R022[31]'title''*.txt'"},
    {"SAVEBOX [a] = 'title', '*.txt'", "R023[31]'title''*.txt'"},
    {"READFILE [a] = 'x.txt' : '2'", "R024[31]'x.txt''2'"},
    {"WRITEFILE 'x.txt', [a]", "R025'x.txt'[31]"},
    {"COPYFILE 'a' : 'b'", "R026'a''b'"},
    {"ECHO 'x'", "R027'x'"},
    {"ECHOLN 'x'", "R027'x'"},
    {"CONFIRM Sure?", "R028'Sure?'"},
    {"MCI 'play x'", "R029'play x'"},
    {"WAIT '100'", "R036'100'"},
    {"FINDFILES [a] = '*.vl'", "R034[31]'*.vl'"},
    {"SENDKEYS 'Window', 'keys'", "R033'Window''keys'"},
    {"SENDKEYS 'Window' : 'keys'", "R033'Window''keys'"},
    {"FOLDERBOX [a] = 'title', 'C:\\'", "R037[31]'title''C:\\'"},
    {"INFOBOX 'title', 'text'", "R038'title''text'"},
    {"GETFILEATT [a] = 'x.txt', 'R'", "R039[31]'x.txt''R'"},
    {"LETFILEATTS 'x.txt' : 'R'", "R040'x.txt''R'"},
    {"REM anything at all", ""},
    {"TEXT anything", ""},
    {"BACK anything", ""},
    {"SHOWTEXT anything", ""},
    {"HIDETEXT", ""},
    {"TITLE My title", ""},
    {"DEBUGVARS [a] [b]", ""},
    {"DEBUGMODE STEP", ""},
};

class CommandForms : public testing::TestWithParam<FormCase> {};

TEST_P(CommandForms, GiveTheirCodeLine) {
    // [a], [b], [c] are declared first so that their indices are fixed; the jumps need their label.
    std::string script = std::string("DEC [a], [b], [c]\r\n") + GetParam().script + "\r\n%there\r\n";
    std::vector<std::string> lines = bodyOf(script);
    ASSERT_EQ(lines.size(), 3u) << GetParam().script;
    EXPECT_EQ(lines[1], GetParam().code) << GetParam().script;
}

// Test names: the position in the table and the keyword ("12_INPUTBOX").
std::string formName(const testing::TestParamInfo<FormCase>& info) {
    std::string_view script = info.param.script;
    return std::to_string(info.index) + "_" + std::string(script.substr(0, script.find(' ')));
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CommandForms, testing::ValuesIn(kForms), formName);

// END is the halt instruction wherever it stands; what follows it is translated and checked.
TEST(Translation, EndIsTheHaltInstructionAndTheTranslationGoesOn) {
    EXPECT_EQ(bodyOf("ECHO 'a'\r\nEND\r\nECHO 'b'\r\n"), (std::vector<std::string>{"R027'a'", "R009", "R027'b'"}));
    EXPECT_EQ(bodyOf("end\r\n"), std::vector<std::string>{"R009"});
    EXPECT_EQ(bodyOf("IF [a] = '1'\r\nEND\r\nENDIF\r\n"), (std::vector<std::string>{"RXIF[31]='1'", "R009", "RXEI"}));
    compiler::CompileError error = errorOf("END\r\nREM\r\nfoo bar\r\n");
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "FOO");
}

// The code format has no escape for a single quote inside a literal.
TEST(Translation, UnquotedTextWithASingleQuoteIsRefused) {
    compiler::CompileError error = errorOf("REM\r\nECHO it's me\r\n");
    EXPECT_EQ(error.number, 0);
    EXPECT_EQ(error.lineCounter - 1, 2);
    EXPECT_EQ(errorOf("LET [a] = x'y\r\n").number, 0);
    EXPECT_EQ(codeLineOf("ECHO its me\r\n"), "R027'its me'");
}

TEST(Translation, KeywordsIgnoreCase) {
    EXPECT_EQ(codeLineOf("echo 'x'\r\n"), "R027'x'");
    EXPECT_EQ(codeLineOf("eChOlN 'x'\r\n"), "R027'x'");
    EXPECT_EQ(codeLineOf("letfileatts 'a', 'b'\r\n"), "R040'a''b'");
}

TEST(Translation, IndentationAndBlankLinesAreSkipped) {
    EXPECT_EQ(bodyOf("\r\n\t  ECHO 'a'\r\n\r\n   \tECHO 'b'\r\n"), (std::vector<std::string>{"R027'a'", "R027'b'"}));
}

TEST(Translation, IgnoredKeywordsLeaveAnEmptyCodeLine) {
    EXPECT_EQ(bodyOf("REM one\r\nECHO 'x'\r\nTITLE two\r\n"), (std::vector<std::string>{"", "R027'x'", ""}));
}

TEST(Translation, IgnoredKeywordAloneOnItsLineKeepsTheNextLine) {
    EXPECT_EQ(bodyOf("REM\r\nECHO 'x'\r\nHIDETEXT\nECHO 'y'\n"),
              (std::vector<std::string>{"", "R027'x'", "", "R027'y'"}));
}

TEST(Translation, CommandAfterAValueOnTheSameLineIsTheNextCommand) {
    EXPECT_EQ(bodyOf("ECHO 'x' ECHO 'y'\r\n"), (std::vector<std::string>{"R027'x'", "R027'y'"}));
    EXPECT_EQ(bodyOf("SENDKEYS 'a' : 'b' HALT\r\n"), (std::vector<std::string>{"R033'a''b'", "R009"}));
}

// What the interpreter refuses after the last operand is refused; what it ignores is ignored.
TEST(Translation, TextAfterTheLastOperandAsTheInterpreterReadsIt) {
    for (const char* line : {"RENAMEFILE 'a' : 'b' HALT", "GETPOS [p] = 'abc', 'b' ECHO [p]",
                             "READFILE [a] = 'f', '1' x", "OPENBOX [a] = 'f', 'g' x"}) {
        EXPECT_EQ(errorOf(std::string(line) + "\r\n").number, 0) << line;
    }
    EXPECT_EQ(bodyOf("REPEAT ECHO 'y'\r\n"), (std::vector<std::string>{"RRPT"}));
    EXPECT_EQ(bodyOf("COPYVAR [a] = 'abc', '1', '2' ECHO 'y'\r\n"), (std::vector<std::string>{"RF08[31]'abc''1''2'"}));
}

TEST(Translation, LastKeywordWithoutLineBreakIsLost) {
    EXPECT_EQ(bodyOf("ECHO 'a'\r\nHALT"), (std::vector<std::string>{"R027'a'"}));
}

TEST(Translation, LastCommandWithoutLineBreakIsTranslated) {
    EXPECT_EQ(bodyOf("ECHO 'a'\r\nECHO 'b'"), (std::vector<std::string>{"R027'a'", "R027'b'"}));
    EXPECT_EQ(bodyOf("LET [a] = bare text"), (std::vector<std::string>{"R001[31]'bare text'"}));
}

// ---- values ----

TEST(Values, LenientValueTakesUnquotedTextToTheLineEnd) {
    EXPECT_EQ(codeLineOf("LET [a] = Hello World\r\n"), "R001[31]'Hello World'");
    EXPECT_EQ(codeLineOf("LET [a] =    Hello   world  \r\n"), "R001[31]'Hello   world  '");
    EXPECT_EQ(codeLineOf("ECHO a # b [c]\n"), "R027'a # b [c]'");
}

TEST(Values, UnquotedTextReplacesWhatWasGathered) {
    EXPECT_EQ(codeLineOf("LET [a] = 'x'#rest\r\n"), "R001[31]'rest'");
    EXPECT_EQ(codeLineOf("LET [x] = 'a' # b c\r\n"), "R001[31]'b c'");
}

TEST(Values, LongUnquotedTextHasNoLimit) {
    std::string text(5000, 'x');
    EXPECT_EQ(codeLineOf("ECHO " + text + "\r\n"), "R027'" + text + "'");
    EXPECT_EQ(codeLineOf("ECHO '" + text + "'\r\n"), "R027'" + text + "'");
}

TEST(Values, BlanksAroundJoinsAreSkipped) { EXPECT_EQ(codeLineOf("ECHO   'a'  #  [b]#'c'\r\n"), "R027'a'#[31]#'c'"); }

TEST(Values, LiteralsKeepTheirBytes) {
    EXPECT_EQ(codeLineOf("ECHO 'a#b[c]\"\t\xff'\r\n"), "R027'a#b[c]\"\t\xff'");
    EXPECT_EQ(codeLineOf("ECHO ''\r\n"), "R027''");
}

TEST(Values, UnclosedLiteralEndsAtTheLineEnd) {
    EXPECT_EQ(bodyOf("ECHO 'abc\r\nECHO 'd'\r\n"), (std::vector<std::string>{"R027'abc'", "R027'd'"}));
}

TEST(Values, UnclosedNameEndsAtTheLineEnd) {
    EXPECT_EQ(bodyOf("ECHO [abc\r\nECHO [abc]\r\n"), (std::vector<std::string>{"R027[31]", "R027[31]"}));
}

TEST(Values, StrictValueRefusesUnquotedText) {
    EXPECT_EQ(errorOf("MSGBOX a, 'b', 'c'\r\n").number, 0);
    EXPECT_EQ(errorOf("MSGBOX 'a'#b, 'b', 'c'\r\n").number, 0);
}

TEST(Values, SecondLiteralWithoutJoinIsTheNextKeyword) {
    compiler::CompileError error = errorOf("LET [a] = 'it''s'\r\n");
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "'S'");
}

// ---- conditions ----

TEST(Conditions, AllOperatorsAndConnectives) {
    EXPECT_EQ(codeLineOf("IF [a] = 'x' | [a] ! 'y' & [b] < '3' | [b] > '1'\r\n"),
              "RXIF[31]='x'|[31]!'y'&[32]<'3'|[32]>'1'");
    EXPECT_EQ(codeLineOf("UNTIL 'a'#[a]='b'&[a]!''\r\n"), "RUNT'a'#[31]='b'&[31]!''");
}

TEST(Conditions, ElseIfTakesACondition) {
    EXPECT_EQ(bodyOf("IF [a] = '1'\r\nELSEIF [a] < '5'\r\nENDIF\r\n"),
              (std::vector<std::string>{"RXIF[31]='1'", "RXIE[31]<'5'", "RXEI"}));
    EXPECT_EQ(bodyOf("IF [a] = '1'\r\nELSEIF [a] < '5' | [a] = '7'\r\nENDIF\r\n"),
              (std::vector<std::string>{"RXIF[31]='1'", "RXIE[31]<'5'|[31]='7'", "RXEI"}));
}

TEST(Conditions, MissingOrWrongOperatorIsAParseError) {
    EXPECT_EQ(errorOf("IF [a] 'x'\r\n").number, 0);
    EXPECT_EQ(errorOf("IF [a] ~ 'x'\r\n").number, 0);
    EXPECT_EQ(errorOf("IF [a]\r\nECHO 'x'\r\n").number, 0);
    EXPECT_EQ(errorOf("IF [a] = \r\n'x'\r\n").number, 0);
    EXPECT_EQ(errorOf("IF [a] = 'x' |\r\n[b] = 'y'\r\n").number, 0);
    EXPECT_EQ(errorOf("UNTIL [a] = x\r\n").number, 0);
}

// ---- inline IF ----

TEST(InlineIf, CommandCodeFollowsTheCondition) {
    EXPECT_EQ(codeLineOf("IF [a] = 'x' LET [b] = 'y'\r\n"), "R0IF[31]='x'R001[32]'y'");
    EXPECT_EQ(codeLineOf("if [a] = 'x' calcvar [a] = [a] + '1'\r\n"), "R0IF[31]='x'RF01[31][31]+'1'");
    EXPECT_EQ(codeLineOf("IF [a]='x'|[a]='y' HALT\r\n"), "R0IF[31]='x'|[31]='y'R009");
}

TEST(InlineIf, DoesNotOpenABlock) { EXPECT_EQ(errorOf("IF [a] = 'x' ECHO 'y'\r\nENDIF\r\n").number, 10); }

TEST(InlineIf, IgnoredCommandLeavesTheConditionAlone) {
    EXPECT_EQ(codeLineOf("IF [a] = 'x' REM nothing\r\n"), "R0IF[31]='x'");
}

TEST(InlineIf, NestsAndOpensABlockWithATrailingIf) {
    EXPECT_EQ(codeLineOf("IF [a] = 'x' IF [b] = 'y' ECHO 'z'\r\n"), "R0IF[31]='x'R0IF[32]='y'R027'z'");
    EXPECT_EQ(bodyOf("IF [a] = 'x' IF [b] = 'y'\r\nENDIF\r\n"),
              (std::vector<std::string>{"R0IF[31]='x'RXIF[32]='y'", "RXEI"}));
}

TEST(InlineIf, JumpIsRecordedAsALabelReference) {
    compiler::CompileError error = errorOf("REM x\r\nIF [a] = 'x' GOSUB sub\r\n");
    EXPECT_EQ(error.number, 2);
    EXPECT_EQ(error.filling, "sub");
    EXPECT_EQ(error.lineCounter - 1, 2);
}

TEST(InlineIf, UnknownCommandIsReportedWithItsKeyword) {
    compiler::CompileError error = errorOf("IF [a] = 'x' foo\r\n");
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "FOO");
    // A label marker is no command there.
    EXPECT_EQ(errorOf("IF [a] = 'x' %label\r\n").filling, "%LABEL");
}

TEST(InlineIf, SingleCharacterKeyword) {
    compiler::CompileError error = errorOf("IF [a] = 'x' x ECHO 'y'\r\n");
    EXPECT_EQ(error.number, 1);
    EXPECT_EQ(error.filling, "X");
}

TEST(InlineIf, EndIsTheInlineCommand) {
    compiler::Compilation compilation = compileText("IF [a] = 'x' END\r\nECHO 'b'\r\n");
    ASSERT_FALSE(compilation.error);
    EXPECT_EQ(compilation.code, "RRLR'4.3'\x01R0IF[31]='x'R009\x01R027'b'\x01R009\x01");
}

TEST(InlineIf, CommandMissingAfterTheConditionIsAParseError) {
    EXPECT_EQ(errorOf("IF [a] = 'x' ECHO\r\n'y'\r\n").number, 0);
}

// ---- block IF depth ----

TEST(BlockIf, ClosingWithoutOpenBlockIsError10) {
    for (const char* word : {"ENDIF", "ELSE", "ELSEIF [a] = 'x'"}) {
        compiler::CompileError error = errorOf(std::string("ECHO 'a'\r\n") + word + "\r\n");
        EXPECT_EQ(error.number, 10) << word;
    }
    EXPECT_EQ(errorOf("IF [a] = 'x'\r\nENDIF\r\nELSE\r\n").number, 10);
}

TEST(BlockIf, NestedBlocksAndUnclosedBlocksAtTheEnd) {
    EXPECT_EQ(bodyOf("IF [a]='1'\r\nIF [a]='2'\r\nENDIF\r\nELSE\r\nENDIF\r\n"),
              (std::vector<std::string>{"RXIF[31]='1'", "RXIF[31]='2'", "RXEI", "RXEL", "RXEI"}));
    EXPECT_EQ(bodyOf("IF [a]='1'\r\nREPEAT\r\n"), (std::vector<std::string>{"RXIF[31]='1'", "RRPT"}));
}

}  // namespace
}  // namespace velcomp_test
