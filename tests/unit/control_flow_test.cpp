// IF blocks, loops, jumps and returns, HALT and END.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace velmish_test {
namespace {

using Lines = std::vector<std::string>;

Lines shownBy(const Lines& script) {
    RunResult result = runScript(crlf(script));
    EXPECT_TRUE(result.errors.empty()) << result.errorText();
    return result.shown;
}

// The script run with CR LF and with LF line ends; both must show the same.
Lines shownByBothLineEnds(const Lines& script) {
    RunResult withCrLf = runScript(crlf(script));
    RunResult withLf = runScript(lf(script));
    EXPECT_TRUE(withCrLf.errors.empty()) << withCrLf.errorText();
    EXPECT_EQ(withLf.shown, withCrLf.shown);
    EXPECT_EQ(withLf.exitCode, withCrLf.exitCode);
    return withCrLf.shown;
}

// ---- block IF ----

TEST(BlockIf, TrueRunsThenBranchAndSkipsElse) {
    EXPECT_EQ(shownBy({"IF '1' = '1'", "ECHO 'then'", "ELSE", "ECHO 'else'", "ENDIF", "ECHO 'after'"}),
              (Lines{"then", "after"}));
}

TEST(BlockIf, FalseRunsElseBranch) {
    EXPECT_EQ(shownBy({"IF '1' = '2'", "ECHO 'then'", "ELSE", "ECHO 'else'", "ENDIF", "ECHO 'after'"}),
              (Lines{"else", "after"}));
    EXPECT_EQ(shownBy({"IF '1' = '2'", "ECHO 'then'", "ENDIF", "ECHO 'after'"}), (Lines{"after"}));
}

TEST(BlockIf, FirstTrueElseIfRuns) {
    auto chain = [](const std::string& value) {
        return shownBy({"LET [v] = '" + value + "'", "IF [v] = 'a'", "ECHO 'A'", "ELSEIF [v] = 'b'", "ECHO 'B'",
                        "ELSEIF [v] ! 'zz'", "ECHO 'notzz'", "ELSE", "ECHO 'other'", "ENDIF", "ECHO 'end'"});
    };
    EXPECT_EQ(chain("a"), (Lines{"A", "end"}));
    EXPECT_EQ(chain("b"), (Lines{"B", "end"}));
    EXPECT_EQ(chain("c"), (Lines{"notzz", "end"}));
    EXPECT_EQ(chain("zz"), (Lines{"other", "end"}));
}

TEST(BlockIf, ElseIfAfterARunBranchIsNotEvaluated) {
    // The skipped ELSEIF's condition is malformed; it is never read as a condition.
    EXPECT_EQ(
        shownBy({"IF '1' = '1'", "ECHO 'a'", "ELSEIF bad bad", "ECHO 'b'", "ELSE", "ECHO 'c'", "ENDIF", "ECHO 'd'"}),
        (Lines{"a", "d"}));
}

TEST(BlockIf, NestedBlocksInAFalseBranchAreSkippedWhole) {
    EXPECT_EQ(shownBy({"IF '1' = '2'", "  IF '1' = '1'", "    ECHO 'inner then'", "  ELSE", "    ECHO 'inner else'",
                       "  ENDIF", "  ECHO 'outer then'", "ELSE", "  ECHO 'outer else'", "ENDIF", "ECHO 'end'"}),
              (Lines{"outer else", "end"}));
}

TEST(BlockIf, ElseIfOfANestedBlockInAFalseBranchIsSkipped) {
    EXPECT_EQ(shownBy({"IF '1' = '2'", "  IF '1' = '1'", "  ELSEIF '1' = '1'", "    ECHO 'wrong'", "  ELSEIF bad bad",
                       "  ENDIF", "ELSEIF '2' = '2'", "  ECHO 'outer elseif'", "ENDIF"}),
              (Lines{"outer elseif"}));
}

TEST(BlockIf, NestedBlocksInARunBranchKeepTheirOwnElse) {
    EXPECT_EQ(shownBy({"IF '1' = '1'", "  IF '1' = '2'", "    ECHO 'x'", "  ELSE", "    ECHO 'inner else'", "  ENDIF",
                       "  ECHO 'outer then'", "ELSE", "  IF '1' = '1'", "    ECHO 'y'", "  ELSE", "    ECHO 'z'",
                       "  ENDIF", "  ECHO 'outer else'", "ENDIF", "ECHO 'end'"}),
              (Lines{"inner else", "outer then", "end"}));
}

TEST(BlockIf, OneLineIfInsideASkippedBlockOpensNoBlock) {
    EXPECT_EQ(shownBy({"IF '1' = '2'", "IF '1' = '1' ECHO 'x'", "ECHO 'y'", "ELSE", "ECHO 'else'", "ENDIF"}),
              (Lines{"else"}));
}

TEST(BlockIf, DeepNestingInsideAFalseBranch) {
    Lines script = {"IF '1' = '2'"};
    for (int i = 0; i < 50; ++i) script.push_back("IF '1' = '1'");
    for (int i = 0; i < 50; ++i) script.insert(script.end(), {"ECHO 'deep'", "ELSE", "ENDIF"});
    script.insert(script.end(), {"ELSE", "ECHO 'outer else'", "ENDIF"});
    EXPECT_EQ(shownBy(script), (Lines{"outer else"}));
}

TEST(BlockIf, LabelLinesInASkippedBlockArePassedOverWhole) {
    // After a keyword alone on its line, a label named like a block keyword must not end the skip.
    EXPECT_EQ(shownBy({"IF '1' = '2'", "REM", "%ENDIF", "ECHO 'wrong'", "REM", "%ELSE", "ECHO 'wrong too'", "ENDIF",
                       "ECHO 'after'"}),
              (Lines{"after"}));
    EXPECT_EQ(shownBy({"IF '1' = '1'", "ECHO 'ran'", "ELSE", "REM", "%ENDIF", "ECHO 'wrong'", "ENDIF", "ECHO 'after'"}),
              (Lines{"ran", "after"}));
}

TEST(BlockIf, UnbalancedBlockRunsToTheEnd) {
    RunResult result = runScript(crlf({"IF '1' = '2'", "ECHO 'never'"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_EQ(shownBy({"ENDIF", "ECHO 'ok'", "ENDIF"}), (Lines{"ok"}));
}

TEST(BlockIf, SkippingIsCaseInsensitive) {
    EXPECT_EQ(shownBy({"if '1' = '2'", "echo 'x'", "Else", "echo 'e'", "EndIf", "echo 'end'"}), (Lines{"e", "end"}));
}

// ---- one-line IF ----

TEST(OneLineIf, RunsTheCommandOnlyWhenTrue) {
    EXPECT_EQ(shownBy({"IF '1' = '1' ECHO 'yes'", "IF '1' = '2' ECHO 'no'", "ECHO 'end'"}), (Lines{"yes", "end"}));
}

TEST(OneLineIf, NestedOneLineIfs) {
    EXPECT_EQ(shownBy({"IF '1' = '1' IF '2' = '2' ECHO 'both'", "IF '1' = '1' IF '2' = '3' ECHO 'no'",
                       "IF '1' = '2' IF '2' = '2' ECHO 'no'", "ECHO 'end'"}),
              (Lines{"both", "end"}));
}

TEST(OneLineIf, InlineKeywordIsCaseInsensitiveAndReportedByName) {
    EXPECT_EQ(shownBy({"IF '1' = '1' echo 'low'"}), (Lines{"low"}));
    EXPECT_EQ(runScript(crlf({"IF '1' = '1' frob 'x'"})).errorText(), "Line 1, Error 01: Unknown instruction: FROB");
    EXPECT_EQ(runScript(crlf({"IF '1' = '1' LET [a]"})).errorText(), "Line 2, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(crlf({"IF '1' = '1' ECHO", "REM"})).errorText(),
              "Line 2, Error 03: Parameter expected at ECHO");
}

TEST(OneLineIf, GotoJumpsWhenTrueAndFallsThroughWhenFalse) {
    auto run = [](const std::string& value) {
        return shownBy({"LET [a] = '" + value + "'", "IF [a] = 'go' GOTO Target", "ECHO 'fell through'", "%Target",
                        "ECHO 'target'"});
    };
    EXPECT_EQ(run("go"), (Lines{"target"}));
    EXPECT_EQ(run("stay"), (Lines{"fell through", "target"}));
}

// ---- REPEAT and UNTIL ----

TEST(Loops, RepeatUntilRunsTheBodyUntilTheConditionHolds) {
    EXPECT_EQ(shownByBothLineEnds(
                  {"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "ECHO [i]", "UNTIL [i] = '3'", "ECHO 'done'"}),
              (Lines{"1", "2", "3", "done"}));
}

TEST(Loops, NestedLoops) {
    Lines shown = shownByBothLineEnds({"LET [o] = '0'", "REPEAT", "  CALCVAR [o] = [o] + '1'", "  LET [i] = '0'",
                                       "  REPEAT", "    CALCVAR [i] = [i] + '1'", "    ECHO [o]#'.'#[i]",
                                       "  UNTIL [i] = '2'", "UNTIL [o] = '3'", "ECHO 'done'"});
    EXPECT_EQ(shown, (Lines{"1.1", "1.2", "2.1", "2.2", "3.1", "3.2", "done"}));
}

TEST(Loops, TextAfterRepeatIsIgnoredAndTheLoopStartsOnTheNextLine) {
    // 250 rounds: if each round pushed another entry, the 201st would be refused.
    Lines shown = shownBy(
        {"LET [i] = '0'", "REPEAT ECHO 'never shown'", "CALCVAR [i] = [i] + '1'", "UNTIL [i] = '250'", "ECHO [i]"});
    EXPECT_EQ(shown, (Lines{"250"}));
}

TEST(Loops, UntilWithoutRepeatConsumesItsLine) {
    RunResult result = runScript(crlf({"UNTIL [a] = 'x'", "ECHO 'after'", "UNTIL", "ECHO 'end'"}));
    EXPECT_EQ(result.shown, (Lines{"after", "end"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST(Loops, UntilOnTheLastLineWithoutLineBreak) {
    RunResult result = runScript("LET [i] = '0'\r\nREPEAT\r\nCALCVAR [i] = [i] + '1'\r\nECHO [i]\r\nUNTIL [i] = '2'");
    EXPECT_EQ(result.shown, (Lines{"1", "2"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST(Loops, TwoHundredOpenLoopsAreAllowedAndTheNextIsRefused) {
    Lines allowed(200, "REPEAT");
    allowed.push_back("ECHO 'ok'");
    EXPECT_EQ(shownBy(allowed), (Lines{"ok"}));

    Lines tooMany(201, "REPEAT");
    tooMany.push_back("ECHO 'not reached'");
    RunResult result = runScript(crlf(tooMany));
    EXPECT_EQ(result.errorText(), "Line 202, Error 00: Parse error at REPEAT");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.shown.empty());
}

TEST(Loops, ManyRoundsOfTheSameLoop) {
    Lines shown =
        shownBy({"REM padding", "LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "UNTIL [i] > '999'", "ECHO [i]"});
    EXPECT_EQ(shown, (Lines{"1000"}));
}

// ---- GOTO ----

TEST(Goto, JumpsForwardAndBackward) {
    EXPECT_EQ(shownByBothLineEnds({"LET [n] = '0'", "GOTO Forward", "ECHO 'skipped'", "%Back", "ECHO 'back'#[n]",
                                   "IF [n] = '2' END", "%Forward", "CALCVAR [n] = [n] + '1'", "GOTO Back"}),
              (Lines{"back1", "back2"}));
}

TEST(Goto, MissingLabelEndsQuietly) {
    RunResult result = runScript(crlf({"ECHO 'a'", "GOTO Missing", "ECHO 'b'"}));
    EXPECT_EQ(result.shown, (Lines{"a"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errors.empty());
}

TEST(Goto, LabelOperandMatchesExactly) {
    EXPECT_EQ(shownBy({"GOTO start", "%Start", "ECHO 'wrong'", "%start", "ECHO 'right'"}), (Lines{"right"}));
    EXPECT_EQ(shownBy({"GOTO My Label", "ECHO 'no'", "%My Label", "ECHO 'yes'"}), (Lines{"yes"}));
    EXPECT_EQ(shownBy({"GOTO   Padded", "%Padded", "ECHO 'no'", "%  Padded", "ECHO 'yes'"}), (Lines{"yes"}));
    EXPECT_EQ(runScript(crlf({"GOTO Start ", "%Start", "ECHO 'no'"})).shown, Lines{});
}

TEST(Goto, FirstOfTwoEqualLabelsWinsAndIndentedLabelsCount) {
    EXPECT_EQ(shownBy({"GOTO L", "ECHO 'no'", "   %L", "ECHO 'first'", "END", "%L", "ECHO 'second'"}),
              (Lines{"first"}));
    EXPECT_EQ(shownBy({"GOTO Tail", "ECHO 'no'", "junk%Tail", "ECHO 'yes'"}), (Lines{"yes"}));
}

TEST(Goto, WithoutLabelIsAParseError) {
    EXPECT_EQ(runScript(crlf({"GOTO", "%", "REM"})).errorText(), "Line 2, Error 00: Parse error at GOTO");
    EXPECT_EQ(runScript(crlf({"GOSUB", "REM"})).errorText(), "Line 2, Error 00: Parse error at GOSUB");
}

TEST(Goto, IntoALoopOpensTheLoopsEnclosingTheLabel) {
    EXPECT_EQ(shownByBothLineEnds({"LET [i] = '0'", "GOTO Inside", "REPEAT", "ECHO 'top'", "%Inside",
                                   "CALCVAR [i] = [i] + '1'", "ECHO [i]", "UNTIL [i] = '3'", "ECHO 'end'"}),
              (Lines{"1", "top", "2", "top", "3", "end"}));
}

TEST(Goto, OutOfALoopClosesIt) {
    // At the label no loop is open, so the second UNTIL has no effect.
    EXPECT_EQ(shownByBothLineEnds({"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "IF [i] = '2' GOTO Out",
                                   "UNTIL [i] = '5'", "%Out", "ECHO [i]", "UNTIL [i] = '9'", "ECHO 'end'"}),
              (Lines{"2", "end"}));
}

TEST(Goto, LoopsInsideSkippedBlocksCountForTheStack) {
    // The REPEAT inside the false IF block still counts as a loop enclosing the label.
    EXPECT_EQ(shownBy({"LET [i] = '0'", "IF '1' = '2'", "REPEAT", "ENDIF", "GOTO L", "%L", "CALCVAR [i] = [i] + '1'",
                       "ECHO [i]", "UNTIL [i] = '2'", "ECHO 'end'"}),
              (Lines{"1", "2", "end"}));
}

TEST(Goto, BackwardInsideALoopLeavesOneEntryForIt) {
    // If the GOTO left a stale entry, the final false UNTIL would loop; the guard stops that.
    Lines script = {"LET [i] = '0'",
                    "REPEAT",
                    "%Again",
                    "CALCVAR [g] = [g] + '1'",
                    "IF [g] > '50' HALT 99",
                    "CALCVAR [i] = [i] + '1'",
                    "IF [i] = '2' GOTO Again",
                    "UNTIL [i] > '3'",
                    "ECHO [i]",
                    "UNTIL '1' = '2'",
                    "ECHO 'end'"};
    RunResult result = runScript(crlf(script));
    EXPECT_EQ(result.shown, (Lines{"4", "end"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST(Goto, RepeatedJumpsToTheSameLabelLandTheSame) {
    // Mid is reached first from outside any loop, later from inside a second loop. Each time
    // exactly the first loop must be open there: a false UNTIL goes back to 'top', never to
    // 'second'.
    Lines script = {"LET [n] = '0'",
                    "GOTO Mid",
                    "REPEAT",
                    "  ECHO 'top'#[n]",
                    "  %Mid",
                    "  CALCVAR [n] = [n] + '1'",
                    "  ECHO 'mid'#[n]",
                    "  IF [n] > '5' GOTO Done",
                    "UNTIL [n] ! '2' & [n] ! '4'",
                    "REPEAT",
                    "  ECHO 'second'#[n]",
                    "  GOTO Mid",
                    "%Done",
                    "ECHO 'done'#[n]"};
    EXPECT_EQ(shownByBothLineEnds(script), (Lines{"mid1", "second1", "mid2", "top2", "mid3", "second3", "mid4", "top4",
                                                  "mid5", "second5", "mid6", "done6"}));
}

// ---- GOSUB and RESUME ----

TEST(Gosub, ReturnsToTheLineAfterTheCall) {
    EXPECT_EQ(
        shownByBothLineEnds({"ECHO 'start'", "GOSUB Sub", "ECHO 'back'", "END", "%Sub", "ECHO 'in sub'", "RESUME"}),
        (Lines{"start", "in sub", "back"}));
}

TEST(Gosub, NestedCallsReturnInReverseOrder) {
    EXPECT_EQ(shownByBothLineEnds({"GOSUB A", "ECHO 'main'", "END", "%A", "ECHO 'A1'", "GOSUB B", "ECHO 'A2'", "RESUME",
                                   "%B", "ECHO 'B'", "RESUME"}),
              (Lines{"A1", "B", "A2", "main"}));
}

TEST(Gosub, ResumeWithoutCallHasNoEffect) { EXPECT_EQ(shownBy({"RESUME", "ECHO 'on'"}), (Lines{"on"})); }

TEST(Gosub, CallFromInsideALoopReturnsIntoTheLoop) {
    EXPECT_EQ(shownByBothLineEnds({"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "GOSUB Show",
                                   "UNTIL [i] = '3'", "ECHO 'end'", "END", "%Show", "ECHO [i]", "RESUME"}),
              (Lines{"1", "2", "3", "end"}));
}

TEST(Gosub, ReturnToTheSameLineAfterTheLoopStackChanged) {
    // The subroutine opens loops of its own before returning; the return rebuilds the stack
    // from the text, every time alike.
    Lines script = {"LET [i] = '0'",
                    "REPEAT",
                    "CALCVAR [i] = [i] + '1'",
                    "GOSUB Sub",
                    "UNTIL [i] = '3'",
                    "ECHO 'end'#[i]",
                    "END",
                    "%Sub",
                    "REPEAT",
                    "REPEAT",
                    "ECHO 'sub'#[i]",
                    "RESUME"};
    EXPECT_EQ(shownByBothLineEnds(script), (Lines{"sub1", "sub2", "sub3", "end3"}));
}

TEST(Gosub, TwoHundredNestedCallsReturnAndTheNextIsRefused) {
    EXPECT_EQ(shownBy({"LET [n] = '0'", "GOSUB Down", "ECHO 'back'#[m]", "END", "%Down", "CALCVAR [n] = [n] + '1'",
                       "IF [n] < '200' GOSUB Down", "CALCVAR [m] = [m] + '1'", "RESUME"}),
              (Lines{"back200"}));

    RunResult result = runScript(crlf({"%Sub", "CALCVAR [n] = [n] + '1'", "IF [n] = '200' ECHO 'at200'", "GOSUB Sub"}));
    EXPECT_EQ(result.shown, (Lines{"at200"}));
    EXPECT_EQ(result.errorText(), "Line 5, Error 00: Parse error at GOSUB");
    EXPECT_EQ(result.exitCode, 1);
}

TEST(Gosub, GotoInsideASubroutineKeepsTheReturn) {
    EXPECT_EQ(shownBy({"GOSUB Sub", "ECHO 'back'", "END", "%Sub", "GOTO Later", "ECHO 'no'", "%Later", "ECHO 'later'",
                       "RESUME"}),
              (Lines{"later", "back"}));
}

TEST(Gosub, CallOnTheLastLineWithoutLineBreakReturnsToTheEnd) {
    // The end of the file ends the operand like a line end: the return goes past the call. The
    // counter stops a run that keeps calling the subroutine again.
    RunResult result = runScript(
        "GOTO Main\r\n%Sub\r\nCALCVAR [n] = [n] + '1'\r\nIF [n] > '3' HALT 99\r\nECHO 'in sub'\r\nRESUME\r\n"
        "%Main\r\nGOSUB Sub");
    EXPECT_EQ(result.shown, (Lines{"in sub"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errors.empty()) << result.errorText();
}

TEST(EndOfFile, ActsLikeALineEndForJumpsAndBlocks) {
    EXPECT_EQ(shownBy({"LET [n] = '0'", "%L", "CALCVAR [n] = [n] + '1'", "IF [n] = '3' GOTO Out", "GOTO L"}), Lines{});
    RunResult jumpBack = runScript(
        "LET [n] = '0'\r\n%L\r\nCALCVAR [n] = [n] + '1'\r\nECHO [n]\r\n"
        "IF [n] = '2' END\r\nGOTO L");
    EXPECT_EQ(jumpBack.shown, (Lines{"1", "2"}));
    EXPECT_EQ(runScript("GOTO L\r\nECHO 'no'\r\n%L").exitCode, 0);
    EXPECT_EQ(runScript("IF '1' = '2'").exitCode, 0);
    EXPECT_EQ(runScript("ECHO 'a'\r\nIF '1' = '1'").shown, (Lines{"a"}));
    EXPECT_EQ(runScript("REM\r\n%").errorText(), "Line 2, Error 03: Parameter expected at % Label descriptor");
}

// ---- line numbers after jumps ----

TEST(LineNumbers, ErrorInALaterLoopRoundQuotesItsLine) {
    Lines script = {"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "IF [i] = '3' LET [x]", "UNTIL [i] = '5'"};
    EXPECT_EQ(runScript(crlf(script)).errorText(), "Line 5, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(lf(script)).errorText(), "Line 5, Error 00: Parse error at LET");
}

TEST(LineNumbers, ErrorAfterReturnsQuotesItsLine) {
    Lines script = {"GOSUB S", "GOSUB S", "LET [y]", "END", "%S", "RESUME"};
    EXPECT_EQ(runScript(crlf(script)).errorText(), "Line 4, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(lf(script)).errorText(), "Line 4, Error 00: Parse error at LET");
}

TEST(LineNumbers, ErrorAfterRepeatedJumpsToALabelQuotesItsLine) {
    Lines script = {"LET [n] = '0'", "%L", "CALCVAR [n] = [n] + '1'", "IF [n] = '3' bogus here", "GOTO L"};
    EXPECT_EQ(runScript(crlf(script)).errorText(), "Line 4, Error 01: Unknown instruction: BOGUS");
    EXPECT_EQ(runScript(lf(script)).errorText(), "Line 4, Error 01: Unknown instruction: BOGUS");
}

TEST(LineNumbers, LoopBodyReachedByJumpAndByUntilCountsAlike) {
    // Line 5 is reached through GOTO and through false UNTILs; the error in the fourth round,
    // on line 6, quotes line 7 since the line end of line 6 has been read.
    Lines script = {"LET [i] = '0'",        "GOTO In",        "REPEAT", "%In", "CALCVAR [i] = [i] + '1'",
                    "IF [i] = '4' LET [z]", "UNTIL [i] = '9'"};
    EXPECT_EQ(runScript(crlf(script)).errorText(), "Line 7, Error 00: Parse error at LET");
    EXPECT_EQ(runScript(lf(script)).errorText(), "Line 7, Error 00: Parse error at LET");
}

// ---- HALT and END ----

TEST(Halt, ExitCodes) {
    EXPECT_EQ(runScript(crlf({"HALT", "ECHO 'no'"})).exitCode, 0);
    EXPECT_EQ(runScript(crlf({"HALT   ", "ECHO 'no'"})).exitCode, 0);
    EXPECT_EQ(runScript(crlf({"HALT '3'"})).exitCode, 3);
    EXPECT_EQ(runScript(crlf({"HALT 3"})).exitCode, 3);
    EXPECT_EQ(runScript(crlf({"HALT -2"})).exitCode, -2);
    EXPECT_EQ(runScript(crlf({"HALT '  7x'"})).exitCode, 7);
    EXPECT_EQ(runScript(crlf({"LET [code] = 'abc'", "HALT [code]"})).exitCode, 0);
    EXPECT_EQ(runScript(crlf({"LET [code] = '42'", "HALT [code]"})).exitCode, 42);
    EXPECT_EQ(runScript("HALT 5").exitCode, 5);
}

TEST(Halt, EndsAtOnce) {
    RunResult result = runScript(crlf({"ECHO 'a'", "HALT '4' ECHO 'b'", "ECHO 'c'"}));
    EXPECT_EQ(result.shown, (Lines{"a"}));
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_TRUE(result.errors.empty());
}

TEST(End, EndsWithCodeZero) {
    RunResult result = runScript(crlf({"ECHO 'a'", "END", "ECHO 'b'"}));
    EXPECT_EQ(result.shown, (Lines{"a"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(runScript(crlf({"IF '1' = '1' END", "HALT 9"})).exitCode, 0);
}

}  // namespace
}  // namespace velmish_test
