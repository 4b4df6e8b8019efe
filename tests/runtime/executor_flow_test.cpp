// The executor's control flow: jumps, calls and returns, loops, block skipping, conditions, the
// end of the code and the limits of the call and loop stacks. Every program shows what it did
// through ECHO boxes (R027).
#include <gtest/gtest.h>

#include "code_runner.h"

namespace velrun_test {
namespace {

using Shown = std::vector<std::string>;

// Reading the clipboard (variable 25) is counted, so a test can see whether a comparison that
// names it was computed.
class CountingPlatform : public FakePlatform {
  public:
    std::string clipboardText() override {
        ++clipboardReads;
        return FakePlatform::clipboardText();
    }
    int clipboardReads = 0;
};

// ---- the worked example and the main loop ----

TEST(ExecutorRun, WorkedExampleWithTheConditionFalse) {
    // The worked example of the code format, with [31] set so that its IF does not loop.
    CodeRun run = runLines({"R001[31]'Hi'", "RLBLloop", "R0IF[31]='Hello'R004loop", "R027'Value: '#[31]",
                            "RXIF[31]!'x'", "RXIE[31]='y'", "RXEL", "RXEI", "R000[32][33]", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"Value: Hi"});
}

TEST(ExecutorRun, WorkedExampleLoopsWhileTheConditionHolds) {
    // The same shape, with the loop ended by changing [31] after a few rounds.
    CodeRun run = runLines({"R001[31]'Hello'", "R001[34]''", "RLBLloop", "RF00[34][34]'.'", "R027[34]",
                            "R0IF[34]='...'R001[31]'done'", "R0IF[31]='Hello'R004loop", "R027'Value: '#[31]", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{".", "..", "...", "Value: done"}));
}

TEST(ExecutorRun, HeaderAndEndMarkerAloneIsAnEmptyProgram) {
    CodeRun run = runLines({"R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.empty());
}

TEST(ExecutorRun, EmptyCodeStreamEndsAtOnce) {
    FakePlatform fake;
    CodeRun run = runBytes(fake, "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.empty());
}

TEST(ExecutorRun, HaltEndsWithExitCodeZero) {
    CodeRun run = runLines({"R027'before'", "R009", "R027'after'", "R010'x''y'"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"before"});
}

TEST(ExecutorRun, RunningOffTheEndEndsWithExitCodeZero) {
    CodeRun run = runLines({"R027'a'", "R027'b'"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"a", "b"}));
}

TEST(ExecutorRun, UnterminatedLastLineIsNotExecuted) {
    FakePlatform echoing;
    CodeRun echo = runBytes(echoing, program({"R027'a'"}) + "R027'b'");
    EXPECT_EQ(echo.exitCode, 0);
    EXPECT_EQ(echo.shown, Shown{"a"});

    // An unbuilt command would end with exit code 1 if it ran.
    FakePlatform unbuilt;
    EXPECT_EQ(runBytes(unbuilt, program({"R027'a'"}) + "R010'x''y'").exitCode, 0);
    FakePlatform halted;
    EXPECT_EQ(runBytes(halted, program({}) + "R00").exitCode, 0);
}

TEST(ExecutorRun, LinesThatMatchNothingAreIgnored) {
    CodeRun run = runLines({"", "R099", "R099'x'", "R0", "r027'lower'", "R027'shown'", "R002", "", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"shown"});
}

TEST(ExecutorRun, CodeWithoutHeaderRunsFromItsFirstLine) {
    FakePlatform fake;
    CodeRun run = runBytes(fake, codeLines({"R027'first'", "R009"}));
    EXPECT_EQ(run.shown, Shown{"first"});
}

// ---- IF with a command part ----

TEST(ExecutorIf, TrueConditionJumpsOverTheEcho) {
    CodeRun run = runLines({"R001[31]'a'", "R0IF[31]='a'R004end", "R027'no'", "RLBLend", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.shown.empty());
}

TEST(ExecutorIf, CommandPartRunsOnlyWhenTheConditionHolds) {
    EXPECT_EQ(runLines({"R001[31]'b'", "R0IF[31]='a'R027'yes'", "R0IF[31]!'a'R027'no'"}).shown, Shown{"no"});
    EXPECT_EQ(echoAfter({"R0IF'1'='1'R001[31]'set'"}, "[31]"), Shown{"set"});
    EXPECT_EQ(echoAfter({"R0IF'1'='2'R001[31]'set'"}, "[31]"), Shown{""});
    EXPECT_EQ(runLines({"R0IF'a'='a'R0IF'b'='b'R027'both'", "R0IF'a'='a'R0IF'b'='c'R027'one'"}).shown, Shown{"both"});
}

TEST(ExecutorIf, EmptyCommandPartDoesNothing) {
    CodeRun run = runLines({"R001[31]'a'", "R0IF[31]='a'", "R027'next'"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"next"});
}

TEST(ExecutorIf, HaltInTheCommandPartEndsTheProgram) {
    CodeRun run = runLines({"R0IF'a'='a'R009", "R027'after'"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.shown.empty());
}

// ---- conditions ----

TEST(ExecutorCondition, ComparisonOperators) {
    EXPECT_EQ(runLines({"R0IF'abc'='abc'R027'1'", "R0IF'abc'='ABC'R027'2'", "R0IF'a'!'b'R027'3'", "R0IF'a'!'a'R027'4'",
                        "R0IF'10'>'9'R027'5'", "R0IF'10'<'9'R027'6'", "R0IF'abc'<'1'R027'7'", "R0IF'2.5'>'2.25'R027'8'",
                        "R0IF'a'?'a'R027'9'", "R0IF'x'='x'#''R027'10'", "R0IF'ab'='a'#'b'R027'11'"})
                  .shown,
              (Shown{"1", "3", "5", "7", "8", "10", "11"}));
}

TEST(ExecutorCondition, OrStopsComputingOnceTrue) {
    CountingPlatform trueFirst;
    CodeRun run = runLines(trueFirst, {"R001[31]'x'", "R0IF[31]='x'|[25]='y'R027'true'"});
    EXPECT_EQ(run.shown, Shown{"true"});
    EXPECT_EQ(trueFirst.clipboardReads, 0);

    CountingPlatform bothComputed;
    bothComputed.clipboard = "y";
    run = runLines(bothComputed, {"R001[31]'z'", "R0IF[31]='x'|[25]='y'R027'true'"});
    EXPECT_EQ(run.shown, Shown{"true"});
    EXPECT_EQ(bothComputed.clipboardReads, 1);

    CountingPlatform neither;
    run = runLines(neither, {"R001[31]'z'", "R0IF[31]='x'|[25]='y'R027'true'"});
    EXPECT_TRUE(run.shown.empty());
    EXPECT_EQ(neither.clipboardReads, 1);
}

TEST(ExecutorCondition, AndStopsComputingOnceFalse) {
    CountingPlatform falseFirst;
    CodeRun run = runLines(falseFirst, {"R0IF'a'='b'&[25]=''R027'true'"});
    EXPECT_TRUE(run.shown.empty());
    EXPECT_EQ(falseFirst.clipboardReads, 0);

    CountingPlatform trueFirst;
    run = runLines(trueFirst, {"R0IF'a'='a'&[25]=''R027'true'"});
    EXPECT_EQ(run.shown, Shown{"true"});
    EXPECT_EQ(trueFirst.clipboardReads, 1);
}

TEST(ExecutorCondition, LeftToRightWithoutPrecedence) {
    // true | false & false: (true | false) & false is false; "&" before "|" would make it true.
    EXPECT_TRUE(runLines({"R0IF'1'='1'|'1'='2'&'1'='3'R027'true'"}).shown.empty());
    // false & true | true: (false & true) | true.
    EXPECT_EQ(runLines({"R0IF'1'='2'&'1'='1'|'1'='1'R027'true'"}).shown, Shown{"true"});
    // After a skipped comparison the next connective decides again on the result so far.
    CountingPlatform fake;
    CodeRun run = runLines(fake, {"R0IF'1'='1'|[25]='a'|[25]='b'&'2'='2'R027'true'"});
    EXPECT_EQ(run.shown, Shown{"true"});
    EXPECT_EQ(fake.clipboardReads, 0);
}

// ---- jumps ----

TEST(ExecutorJump, ForwardAndBackward) {
    CodeRun run = runLines({"R001[31]''", "R004fwd", "R027'skipped'", "RLBLback", "R027'back'", "R009", "RLBLfwd",
                            "R027'fwd'", "R004back"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"fwd", "back"}));
}

TEST(ExecutorJump, MissingLabelEndsSilently) {
    CodeRun run = runLines({"R027'before'", "R004nowhere", "R027'after'", "RLBLnowher", "RLBLNowhere", "RLBL nowhere",
                            "R027'end'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"before"});
}

TEST(ExecutorJump, MissingLabelAfterOtherJumpsEndsSilently) {
    CodeRun run = runLines({"R001[31]'0'", "RLBLtop", "RF01[31][31]+'1'", "R027[31]", "R0IF[31]<'3'R004top", "R004gone",
                            "R027'after'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"1", "2", "3"}));
}

TEST(ExecutorJump, FirstMatchingLabelWins) {
    CodeRun run = runLines({"R004x", "RLBLx", "R027'first'", "R009", "RLBLx", "R027'second'", "R009"});
    EXPECT_EQ(run.shown, Shown{"first"});
}

TEST(ExecutorJump, LabelsAreComparedExactly) {
    CodeRun run = runLines({"R004Loop 1", "RLBLloop 1", "R027'lower'", "R009", "RLBLLoop 1", "R027'exact'", "R009"});
    EXPECT_EQ(run.shown, Shown{"exact"});
}

TEST(ExecutorJump, LabelInsideACommandPartIsNoTarget) {
    CodeRun run = runLines({"R004x", "R0IF'a'='a'RLBLx", "R027'no'", "RLBLx", "R027'yes'", "R009"});
    EXPECT_EQ(run.shown, Shown{"yes"});
}

// ---- calls and returns ----

TEST(ExecutorCall, ReturnContinuesAfterTheCall) {
    CodeRun run = runLines({"R027'start'", "R005sub", "R027'after'", "R009", "RLBLsub", "R027'in sub'", "R006"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"start", "in sub", "after"}));
}

TEST(ExecutorCall, NestedCallsReturnInReverseOrder) {
    CodeRun run = runLines({"R005a", "R027'main'", "R009", "RLBLa", "R027'a1'", "R005b", "R027'a2'", "R006", "RLBLb",
                            "R027'b1'", "R005c", "R027'b2'", "R006", "RLBLc", "R027'c'", "R006"});
    EXPECT_EQ(run.shown, (Shown{"a1", "b1", "c", "b2", "a2", "main"}));
}

TEST(ExecutorCall, ReturnWithoutCallDoesNothing) {
    EXPECT_EQ(runLines({"R006", "R027'next'"}).shown, Shown{"next"});
    // Once the only call has returned, a further RESUME finds nothing to return to.
    CodeRun run = runLines({"R005s", "R027'back'", "R006", "R027'end'", "R009", "RLBLs", "R006"});
    EXPECT_EQ(run.shown, (Shown{"back", "end"}));
}

TEST(ExecutorCall, SameSubroutineFromSeveralPlacesRepeatedly) {
    // Each call returns to its own place, also when the return scans are remembered.
    CodeRun run = runLines({"R001[31]'0'", "RLBLagain", "R005sub", "R027'one'", "R005sub", "R027'two'",
                            "RF01[31][31]+'1'", "R0IF[31]<'3'R004again", "R009", "RLBLsub", "R027'sub'", "R006"});
    Shown round = {"sub", "one", "sub", "two"};
    Shown expected;
    for (int i = 0; i < 3; ++i) expected.insert(expected.end(), round.begin(), round.end());
    EXPECT_EQ(run.shown, expected);
}

TEST(ExecutorCall, RecursiveCallsUnwindOneByOne) {
    CodeRun run = runLines({"R001[31]'0'", "R005down", "R027'done'", "R009", "RLBLdown", "RF01[31][31]+'1'",
                            "R027'in '#[31]", "R0IF[31]<'3'R005down", "R027'out '#[31]", "RF01[31][31]-'1'", "R006"});
    EXPECT_EQ(run.shown, (Shown{"in 1", "in 2", "in 3", "out 3", "out 2", "out 1", "done"}));
}

TEST(ExecutorCall, JumpOutOfASubroutineKeepsTheCallPending) {
    CodeRun run = runLines({"R005sub", "R027'after call'", "R009", "RLBLsub", "R004elsewhere", "R027'no'",
                            "RLBLelsewhere", "R027'elsewhere'", "R006"});
    EXPECT_EQ(run.shown, (Shown{"elsewhere", "after call"}));
}

TEST(ExecutorCall, CallInACommandPartReturnsAfterThatLine) {
    CodeRun run = runLines({"R0IF'a'='a'R005sub", "R027'after'", "R009", "RLBLsub", "R027'sub'", "R006"});
    EXPECT_EQ(run.shown, (Shown{"sub", "after"}));
}

TEST(ExecutorCall, CallToAMissingLabelEndsSilently) {
    CodeRun run = runLines({"R005none", "R027'after'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.shown.empty());
}

// ---- loops ----

TEST(ExecutorLoop, UntilFalseThreeTimesRunsTheBodyFourTimes) {
    CodeRun run = runLines(
        {"R001[31]'0'", "RRPT", "RF01[31][31]+'1'", "R027'body '#[31]", "RUNT[31]='4'", "R027'after'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"body 1", "body 2", "body 3", "body 4", "after"}));
}

TEST(ExecutorLoop, NestedLoops) {
    CodeRun run = runLines({"R001[31]'0'", "RRPT", "RF01[31][31]+'1'", "R001[32]'0'", "RRPT", "RF01[32][32]+'1'",
                            "R027[31]#'.'#[32]", "RUNT[32]='2'", "RUNT[31]='2'", "R027'end'", "R009"});
    EXPECT_EQ(run.shown, (Shown{"1.1", "1.2", "2.1", "2.2", "end"}));
}

TEST(ExecutorLoop, UntilWithoutLoopDoesNothingAndReadsNoCondition) {
    CountingPlatform fake;
    CodeRun run = runLines(fake, {"RUNT[25]='x'", "R027'after'", "R009"});
    EXPECT_EQ(run.shown, Shown{"after"});
    EXPECT_EQ(fake.clipboardReads, 0);
}

TEST(ExecutorLoop, JumpIntoTheBodyLoopsBackToTheRepeatLine) {
    CodeRun run = runLines({"R001[31]'0'", "R004inside", "RRPT", "R027'top'", "RLBLinside", "RF01[31][31]+'1'",
                            "R027[31]", "RUNT[31]='3'", "R027'end'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"1", "top", "2", "top", "3", "end"}));
}

TEST(ExecutorLoop, RepeatedJumpsIntoTheBody) {
    // The second and third jump into the loop find it open as the first did.
    CodeRun run = runLines({"R001[31]'0'", "RLBLagain", "R001[32]'0'", "R004inside", "RRPT", "R027'top'", "RLBLinside",
                            "RF01[32][32]+'1'", "R027[31]#'.'#[32]", "RUNT[32]='2'", "RF01[31][31]+'1'",
                            "R0IF[31]<'3'R004again", "R027'end'", "R009"});
    EXPECT_EQ(run.shown, (Shown{"0.1", "top", "0.2", "1.1", "top", "1.2", "2.1", "top", "2.2", "end"}));
}

TEST(ExecutorLoop, JumpOutOfALoopForgetsIt) {
    // The search passes the loop's RRPT and its RUNT, so no loop is open at the label and the
    // RUNT after it does nothing.
    CodeRun run = runLines({"RRPT", "R004out", "RUNT'a'='b'", "RLBLout", "R027'x'", "RUNT'a'='b'", "R027'y'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"x", "y"}));
}

TEST(ExecutorLoop, JumpFromOneOpenLoopIntoAnother) {
    // Jumping from inside loop A into loop B leaves only B open: B's RUNT loops back to B, and
    // when B ends the stray RUNT of A finds no loop.
    CodeRun run = runLines({"R001[31]'0'", "RRPT", "R027'A'", "R004b", "RUNT'1'='1'", "RRPT", "R027'B top'", "RLBLb",
                            "RF01[31][31]+'1'", "R027'B '#[31]", "RUNT[31]='2'", "RUNT'1'='2'", "R027'end'", "R009"});
    EXPECT_EQ(run.shown, (Shown{"A", "B 1", "B top", "B 2", "end"}));
}

TEST(ExecutorLoop, ReturnRebuildsTheLoopsOpenAtTheCall) {
    // The call is inside a loop; the subroutine lies after the loop and leaves a loop of its own
    // open. Each return finds the caller's loop open again, also when the scan is remembered.
    CodeRun run = runLines({"R001[31]'0'", "RRPT", "RF01[31][31]+'1'", "R005sub", "R027'loop '#[31]", "RUNT[31]='3'",
                            "R027'end'", "R009", "RLBLsub", "RRPT", "RRPT", "R006"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"loop 1", "loop 2", "loop 3", "end"}));
}

TEST(ExecutorLoop, ReturnForgetsLoopsOpenedInTheSubroutine) {
    // No loop is open at the call, so after the return the stray RUNT finds none, although the
    // subroutine left one open.
    CodeRun run = runLines({"R005sub", "R027'back'", "RUNT'a'='b'", "R027'end'", "R009", "RLBLsub", "RRPT", "R006"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"back", "end"}));
}

TEST(ExecutorLoop, CallInsideTwoNestedLoops) {
    CodeRun run = runLines({"R001[31]'0'", "RRPT", "RF01[31][31]+'1'", "R001[32]'0'", "RRPT", "RF01[32][32]+'1'",
                            "R005show", "RUNT[32]='2'", "RUNT[31]='2'", "R027'end'", "R009", "RLBLshow",
                            "R027[31]#'.'#[32]", "R0IF[32]='1'R006", "RRPT", "R006"});
    EXPECT_EQ(run.shown, (Shown{"1.1", "1.2", "2.1", "2.2", "end"}));
}

TEST(ExecutorLoop, LoopInsideASubroutineCalledTwice) {
    CodeRun run = runLines({"R005count", "R027'mid'", "R005count", "R027'end'", "R009", "RLBLcount", "R001[31]'0'",
                            "RRPT", "RF01[31][31]+'1'", "R027[31]", "RUNT[31]='2'", "R006"});
    EXPECT_EQ(run.shown, (Shown{"1", "2", "mid", "1", "2", "end"}));
}

// ---- the 200-entry stacks ----

Lines repeated(const std::string& line, int count) { return Lines(static_cast<size_t>(count), line); }

TEST(ExecutorLimits, TwoHundredOpenLoopsFit) {
    // The RUNT loops back to the innermost of the 200 loops once; the second round ends it.
    Lines lines = {"R001[31]'0'"};
    Lines loops = repeated("RRPT", 200);
    lines.insert(lines.end(), loops.begin(), loops.end());
    lines.insert(lines.end(), {"RF01[31][31]+'1'", "R027'round '#[31]", "RUNT[31]='2'", "R009"});
    CodeRun run = runLines(lines);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"round 1", "round 2"}));
}

TEST(ExecutorLimits, TwoHundredFirstOpenLoopEndsWithExitCodeOne) {
    Lines lines = repeated("RRPT", 201);
    lines.insert(lines.end(), {"R027'after'", "R009"});
    CodeRun run = runLines(lines);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.shown.empty());
}

TEST(ExecutorLimits, LabelSearchPassingTwoHundredOneLoopsEndsWithExitCodeOne) {
    Lines lines = {"R004target"};
    Lines loops = repeated("RRPT", 201);
    lines.insert(lines.end(), loops.begin(), loops.end());
    lines.insert(lines.end(), {"RLBLtarget", "R027'target'", "R009"});
    CodeRun run = runLines(lines);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.shown.empty());
}

// Calls itself while [31] is below the limit; every call stays open.
Lines recursion(int limit) {
    return {"R001[31]'0'",       "RLBLs", "RF01[31][31]+'1'", "R0IF[31]<'" + std::to_string(limit) + "'R005s",
            "R027'depth '#[31]", "R009"};
}

TEST(ExecutorLimits, TwoHundredNestedCallsFit) {
    CodeRun run = runLines(recursion(201));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"depth 201"});
}

TEST(ExecutorLimits, TwoHundredFirstNestedCallEndsWithExitCodeOne) {
    CodeRun run = runLines(recursion(202));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.shown.empty());
}

TEST(ExecutorLimits, TwoHundredNestedCallsAllReturn) {
    CodeRun run = runLines({"R001[31]'0'", "R005s", "R027'back '#[31]", "R009", "RLBLs", "RF01[31][31]+'1'",
                            "R0IF[31]<'200'R005s", "R027'bottom '#[31]", "RF01[31][31]-'1'", "R006"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.shown.size(), 201u);
    EXPECT_EQ(run.shown.front(), "bottom 200");
    EXPECT_EQ(run.shown[1], "bottom 199");
    EXPECT_EQ(run.shown[199], "bottom 1");
    EXPECT_EQ(run.shown.back(), "back 0");
}

// ---- block IF ----

TEST(ExecutorBlock, TrueBlockRunsAndElseIsSkipped) {
    EXPECT_EQ(runLines({"RXIF'a'='a'", "R027'then'", "RXEL", "R027'else'", "RXEI", "R027'after'"}).shown,
              (Shown{"then", "after"}));
}

TEST(ExecutorBlock, FalseBlockRunsElse) {
    EXPECT_EQ(runLines({"RXIF'a'='b'", "R027'then'", "RXEL", "R027'else'", "RXEI", "R027'after'"}).shown,
              (Shown{"else", "after"}));
}

TEST(ExecutorBlock, FalseBlockWithoutElse) {
    EXPECT_EQ(runLines({"RXIF'a'='b'", "R027'then'", "RXEI", "R027'after'"}).shown, Shown{"after"});
}

TEST(ExecutorBlock, FirstTrueElseIfRuns) {
    EXPECT_EQ(runLines({"R001[31]'c'", "RXIF[31]='a'", "R027'a'", "RXIE[31]='b'", "R027'b'", "RXIE[31]='c'", "R027'c'",
                        "RXIE[31]!'x'", "R027'not x'", "RXEL", "R027'else'", "RXEI", "R027'after'"})
                  .shown,
              (Shown{"c", "after"}));
}

TEST(ExecutorBlock, ElseIfConditionWithConnectives) {
    EXPECT_EQ(runLines({"RXIF'a'='b'", "R027'if'", "RXIE'a'='x'|'b'='b'", "R027'elseif'", "RXEI"}).shown,
              Shown{"elseif"});
}

TEST(ExecutorBlock, NestedBlocksInsideASkippedBranch) {
    CodeRun run = runLines({"RXIF'a'='b'", "RXIF'x'='x'", "R027'no1'", "RXIE'a'='a'",      "R027'no2'", "RXEL",
                            "R027'no3'",   "RXEI",        "R027'no4'", "RXIE'a'='c'",      "R027'no5'", "RXIE'a'='a'",
                            "RXIF'y'='z'", "R027'no6'",   "RXEL",      "R027'inner else'", "RXEI",      "R027'yes'",
                            "RXEL",        "RXIF'q'='q'", "RXEI",      "R027'no7'",        "RXEI",      "R027'after'",
                            "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, (Shown{"inner else", "yes", "after"}));
}

TEST(ExecutorBlock, BranchEndSkipsNestedBlocksToItsOwnEnd) {
    EXPECT_EQ(runLines({"RXIF'a'='a'", "R027'first'", "RXIE'a'='a'", "RXIF'b'='b'", "R027'no1'", "RXEI", "R027'no2'",
                        "RXEL", "R027'no3'", "RXEI", "R027'after'"})
                  .shown,
              (Shown{"first", "after"}));
}

TEST(ExecutorBlock, BlockIfInACommandPartDoesNotNestDuringASkip) {
    CodeRun run = runLines({"RXIF'1'='2'", "R0IF'1'='1'RXIF'1'='2'", "R027'no'", "RXEI", "R027'after'", "R009"});
    EXPECT_EQ(run.shown, Shown{"after"});
}

TEST(ExecutorBlock, UnclosedFalseBlockRunsToTheEnd) {
    CodeRun run = runLines({"R027'before'", "RXIF'a'='b'", "R027'no'", "R009"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.shown, Shown{"before"});
}

TEST(ExecutorBlock, EndIfAloneDoesNothing) { EXPECT_EQ(runLines({"RXEI", "R027'after'"}).shown, Shown{"after"}); }

TEST(ExecutorBlock, BlockInsideALoop) {
    CodeRun run = runLines({"R001[31]'0'", "RRPT", "RF01[31][31]+'1'", "RXIF[31]='2'", "R027'two'", "RXEL", "R027[31]",
                            "RXEI", "RUNT[31]='3'", "R009"});
    EXPECT_EQ(run.shown, (Shown{"1", "two", "3"}));
}

}  // namespace
}  // namespace velrun_test
