// The debugger: VL_DEBUGMODE and VL_DEBUGVARS at start-up, DEBUGMODE and DEBUGVARS, the watch
// list with its entry texts, and what Step, Trace, Set and Halt do.
#include "interp/debugger.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/script_error.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using Lines = std::vector<std::string>;

bool sameView(const platform::DebuggerView& a, const platform::DebuggerView& b) {
    return a.line == b.line && a.traceMode == b.traceMode && a.watches == b.watches;
}

// What the window showed, in order: a refresh with the same content as the one before it
// changes nothing on the screen and is left out.
std::vector<platform::DebuggerView> displays(const FakePlatform& fake) {
    std::vector<platform::DebuggerView> shown;
    for (const platform::DebuggerView& view : fake.debuggerViews) {
        if (shown.empty() || !sameView(shown.back(), view)) shown.push_back(view);
    }
    return shown;
}

// The lines of those displays.
Lines viewLines(const FakePlatform& fake) {
    Lines lines;
    for (const platform::DebuggerView& view : displays(fake)) lines.push_back(view.line);
    return lines;
}

// The debugger calls with a repeated refresh of the same content counted once.
Lines windowCalls(const FakePlatform& fake) {
    Lines calls;
    size_t view = 0;
    const platform::DebuggerView* last = nullptr;
    for (const std::string& call : fake.debuggerCalls) {
        if (call == "show") {
            const platform::DebuggerView& current = fake.debuggerViews[view++];
            bool repeated = last && sameView(*last, current) && !calls.empty() && calls.back() == "show";
            last = &current;
            if (repeated) continue;
        }
        calls.push_back(call);
    }
    return calls;
}

size_t countOf(const Lines& calls, const std::string& call) {
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}

FakePlatform withEnvironment(const std::string& mode, const std::string& vars = "") {
    FakePlatform fake;
    if (!mode.empty()) fake.environment["VL_DEBUGMODE"] = mode;
    if (!vars.empty()) fake.environment["VL_DEBUGVARS"] = vars;
    return fake;
}

// ---- VL_DEBUGMODE ----

TEST(DebuggerStart, StepShowsTheFirstLineAndWaitsBeforeAnythingRuns) {
    FakePlatform fake = withEnvironment("STEP");
    fake.debuggerActions = {"h"};
    RunResult result = runScript(fake, crlf({"", "   ", " x ", "\t", "  ECHO 'one'  ", "ECHO 'two'"}));
    EXPECT_EQ(result.exitCode, 0);
    // Halted at the first wait: nothing ran.
    EXPECT_TRUE(result.boxes.empty());
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerViews.front().line, "ECHO 'one'");
    EXPECT_FALSE(fake.debuggerViews.front().traceMode);
    EXPECT_EQ(windowCalls(fake), (Lines{"buttons step=1 trace=1", "show", "wait"}));
}

// Halt pressed while the script runs on in trace mode (during a box) ends the run before the
// next command, with exit code 0.
TEST(DebuggerStart, HaltDuringTraceEndsTheRunBeforeTheNextCommand) {
    FakePlatform fake = withEnvironment("TRACE");
    fake.haltAfterBoxes = 1;
    RunResult result = runScript(fake, crlf({"ECHO 'one'", "ECHO 'two'"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.shown, (Lines{"one"}));
}

TEST(DebuggerStart, StepWaitsBeforeEveryCommandAndShowsTheLineThatRunsNext) {
    FakePlatform fake = withEnvironment("STEP");
    std::vector<size_t> waitsSeenByBoxes;
    fake.onMessageBox = [&](const Box&) { waitsSeenByBoxes.push_back(countOf(fake.debuggerCalls, "wait")); };
    RunResult result = runScript(fake, crlf({"ECHO 'one'", "", "LET [a] = '1'", "ECHO 'two'"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.shown, (Lines{"one", "two"}));
    // Each command waited for its Step before it ran.
    EXPECT_EQ(waitsSeenByBoxes, (std::vector<size_t>{1, 3}));
    // The loop asks once more before it meets the end of the script.
    EXPECT_EQ(viewLines(fake), (Lines{"ECHO 'one'", "LET [a] = '1'", "ECHO 'two'", ""}));
    EXPECT_EQ(countOf(fake.debuggerCalls, "wait"), 4u);
}

TEST(DebuggerStart, TraceShowsEveryLineWithoutWaiting) {
    FakePlatform fake = withEnvironment("TRACE");
    RunResult result = runScript(fake, crlf({"ECHO 'one'", "LET [a] = '1'"}));
    EXPECT_EQ(result.shown, Lines{"one"});
    EXPECT_EQ(countOf(fake.debuggerCalls, "wait"), 0u);
    EXPECT_EQ(fake.debuggerCalls.front(), "buttons step=1 trace=0");
    EXPECT_EQ(viewLines(fake), (Lines{"ECHO 'one'", "LET [a] = '1'", ""}));
    for (const auto& view : fake.debuggerViews) EXPECT_TRUE(view.traceMode);
}

TEST(DebuggerStart, NoneAndOtherValuesLeaveTheDebuggerOff) {
    for (const char* mode : {"NONE", "step", "Trace", " STEP", "yes"}) {
        FakePlatform fake = withEnvironment(mode, "[a]");
        RunResult result = runScript(fake, crlf({"LET [a] = '1'", "ECHO [a]"}));
        EXPECT_EQ(result.shown, Lines{"1"}) << mode;
        EXPECT_TRUE(fake.debuggerCalls.empty()) << mode;
        EXPECT_TRUE(fake.debuggerViews.empty()) << mode;
    }
}

TEST(DebuggerStart, ReadsBothVariablesFromTheEnvironment) {
    FakePlatform fake;
    runScript(fake, crlf({"REM"}));
    EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "env VL_DEBUGMODE"), fake.calls.end());
    EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "env VL_DEBUGVARS"), fake.calls.end());
}

// ---- VL_DEBUGVARS and the watch list ----

TEST(DebuggerWatch, TheFirstDisplayAlreadyListsTheWatchedNames) {
    FakePlatform fake = withEnvironment("TRACE", "[a]");
    runScript(fake, crlf({"REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerCalls.front(), "buttons step=1 trace=0");
    EXPECT_EQ(fake.debuggerViews.front().watches, Lines{"[a] = (variable not existing)"});
}

TEST(DebuggerWatch, NamedVariablesShowTheirValuesOrThatTheyDoNotExist) {
    FakePlatform fake = withEnvironment("STEP", "watch [errorcode] and [nothing], please");
    fake.debuggerActions = {"", "h"};
    runScript(fake, crlf({"LET [errorcode] = 'five'", "REM"}));
    auto shown = displays(fake);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].watches, (Lines{"[errorcode] = ", "[nothing] = (variable not existing)"}));
    EXPECT_EQ(shown[1].watches, (Lines{"[errorcode] = five", "[nothing] = (variable not existing)"}));
}

TEST(DebuggerWatch, AnUnclosedBracketEndsTheList) {
    FakePlatform fake = withEnvironment("TRACE", "[a][b] [c");
    runScript(fake, crlf({"REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerViews[0].watches, (Lines{"[a] = (variable not existing)", "[b] = (variable not existing)"}));
}

TEST(DebuggerWatch, AutoInAnyCaseWatchesOnlyWhatTheScriptCreates) {
    for (const char* word : {"auto", "AUTO", "Auto"}) {
        FakePlatform fake = withEnvironment("TRACE", word);
        runScript(fake, crlf({"LET [first] = '1'", "LET [errorcode] = 'x'", "INPUTBOX [second] = 'T', 'P', 'D'",
                              "LET [first] = '2'", "REM"}));
        ASSERT_FALSE(fake.debuggerViews.empty()) << word;
        EXPECT_TRUE(fake.debuggerViews.front().watches.empty()) << word;
        EXPECT_EQ(fake.debuggerViews.back().watches, (Lines{"[first] = 2", "[second] = "})) << word;
    }
}

TEST(DebuggerWatch, NoneInAnyCaseWatchesNothing) {
    FakePlatform fake = withEnvironment("TRACE", "none");
    runScript(fake, crlf({"LET [a] = '1'", "REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_TRUE(fake.debuggerViews.back().watches.empty());
}

TEST(DebuggerWatch, TheListHoldsAtMostTwoHundredFiftyNames) {
    std::string names;
    for (int i = 0; i < 300; ++i) names += "[v" + std::to_string(i) + "]";
    FakePlatform fake = withEnvironment("TRACE", names);
    runScript(fake, crlf({"DEBUGVARS [extra]", "REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    const Lines& watches = fake.debuggerViews.back().watches;
    ASSERT_EQ(watches.size(), 250u);
    EXPECT_EQ(watches.front(), "[v0] = (variable not existing)");
    EXPECT_EQ(watches.back(), "[v249] = (variable not existing)");
}

TEST(DebuggerWatch, WatchTextsOfAnyLength) {
    std::string longValue(5000, 'v');
    FakePlatform fake = withEnvironment("TRACE", "[" + std::string(3000, 'n') + "]");
    runScript(fake, crlf({"LET [" + std::string(3000, 'n') + "] = '" + longValue + "'", "REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerViews.back().watches, Lines{"[" + std::string(3000, 'n') + "] = " + longValue});
}

// ---- DEBUGVARS ----

TEST(DebugVars, NamesInBracketsAreAdded) {
    FakePlatform fake = withEnvironment("TRACE", "[a]");
    runScript(fake, crlf({"LET [b] = 'bee'", "DEBUGVARS [b] , [c],[a]", "REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerViews.back().watches,
              (Lines{"[a] = (variable not existing)", "[b] = bee", "[c] = (variable not existing)",
                     "[a] = (variable not existing)"}));
}

TEST(DebugVars, AutoAndNoneSwitchTheAutomaticWatch) {
    FakePlatform fake = withEnvironment("TRACE");
    runScript(fake, crlf({"LET [before] = '0'", "DEBUGVARS auto", "LET [during] = '1'", "DEBUGVARS 'NONE'",
                          "LET [after] = '2'", "DEBUGVARS 'Au'#'to'", "LET [again] = '3'", "REM"}));
    ASSERT_FALSE(fake.debuggerViews.empty());
    // NONE stops the automatic watch; the list stays as it is.
    EXPECT_EQ(fake.debuggerViews.back().watches, (Lines{"[during] = 1", "[again] = 3"}));
}

TEST(DebugVars, ParseErrors) {
    auto error = [](const std::string& line) { return runScript(crlf({line, "REM"})).errorText(); };
    EXPECT_EQ(error("DEBUGVARS a"), "Line 1, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(error("DEBUGVARS 'a'"), "Line 1, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(error("DEBUGVARS [a] [b]"), "Line 1, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(error("DEBUGVARS [a], b"), "Line 1, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(error("DEBUGVARS [a];[b]"), "Line 1, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(error("DEBUGVARS [a],"), "Line 2, Error 00: Parse error at DEBUGVARS");
    EXPECT_EQ(runScript(crlf({"DEBUGVARS [a]", "DEBUGVARS [a], [b]  ", "REM"})).errorText(), "");
}

// ---- DEBUGMODE ----

TEST(DebugMode, StepStartsWaitingWithTheNextCommand) {
    FakePlatform fake;
    std::vector<size_t> waitsSeenByBoxes;
    fake.onMessageBox = [&](const Box&) { waitsSeenByBoxes.push_back(countOf(fake.debuggerCalls, "wait")); };
    RunResult result = runScript(fake, crlf({"ECHO 'off'", "DEBUGMODE step", "", "ECHO 'on'", "ECHO 'still'"}));
    EXPECT_EQ(result.shown, (Lines{"off", "on", "still"}));
    EXPECT_EQ(waitsSeenByBoxes, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(viewLines(fake), (Lines{"ECHO 'on'", "ECHO 'still'", ""}));
    EXPECT_EQ(fake.debuggerCalls.front(), "buttons step=1 trace=1");
}

TEST(DebugMode, TraceRunsOnAndOtherModesSwitchOff) {
    FakePlatform fake;
    RunResult result = runScript(
        fake, crlf({"DEBUGMODE 'TRACE'", "ECHO 'a'", "DEBUGMODE 'off'", "ECHO 'b'", "DEBUGMODE ''", "ECHO 'c'"}));
    EXPECT_EQ(result.shown, (Lines{"a", "b", "c"}));
    EXPECT_EQ(windowCalls(fake), (Lines{"buttons step=1 trace=0", "show", "show", "buttons step=1 trace=1", "hide",
                                        "buttons step=1 trace=1", "hide"}));
    EXPECT_EQ(viewLines(fake), (Lines{"ECHO 'a'", "DEBUGMODE 'off'"}));
}

TEST(DebugMode, StepKeepsTraceModeAsItIs) {
    FakePlatform fake = withEnvironment("TRACE");
    runScript(fake, crlf({"DEBUGMODE 'STEP'", "REM"}));
    EXPECT_EQ(countOf(fake.debuggerCalls, "wait"), 0u);
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_TRUE(fake.debuggerViews.back().traceMode);
}

// ---- Step, Trace, Set, Halt ----

TEST(DebuggerButtons, TraceRunsOnWithoutWaiting) {
    FakePlatform fake = withEnvironment("STEP");
    fake.debuggerActions = {"", "t"};
    RunResult result = runScript(fake, crlf({"ECHO '1'", "ECHO '2'", "ECHO '3'", "ECHO '4'"}));
    EXPECT_EQ(result.shown, (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(countOf(fake.debuggerCalls, "wait"), 2u);
    auto shown = displays(fake);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[1].line, "ECHO '2'");
    EXPECT_FALSE(shown[1].traceMode);
    EXPECT_EQ(shown[2].line, "ECHO '3'");
    EXPECT_TRUE(shown[2].traceMode);
}

TEST(DebuggerButtons, SetChangesTheSelectedVariableAndTheList) {
    FakePlatform fake = withEnvironment("STEP", "[a][b]");
    fake.debuggerActions = {"", "select 0", "setsel 0=changed", "select 0", "setsel 5=ignored", ""};
    RunResult result = runScript(fake, crlf({"LET [a] = 'one'", "ECHO [a]"}));
    EXPECT_EQ(result.shown, Lines{"changed"});
    EXPECT_EQ(fake.selectedValues, (Lines{"one", "changed"}));
    auto shown = displays(fake);
    ASSERT_EQ(shown.size(), 3u);
    // The list as Set rebuilt it, and at the next refresh.
    EXPECT_EQ(shown[1].watches, (Lines{"[a] = changed", "[b] = (variable not existing)"}));
    EXPECT_EQ(shown[2].watches, (Lines{"[a] = changed", "[b] = (variable not existing)"}));
}

TEST(DebuggerButtons, SetByNameAssignsAnyVariableThroughItsWriteHook) {
    FakePlatform fake = withEnvironment("STEP", "[a]");
    fake.debuggerActions = {"set a=typed", "set other=x", "set IBox_Ok=Fine", ""};
    RunResult result = runScript(fake, crlf({"ECHO [a]#[other]"}));
    EXPECT_EQ(result.shown, Lines{"typedx"});
    EXPECT_EQ(fake.captions[platform::DialogButton::inputOk], "Fine");
    ASSERT_FALSE(fake.debuggerViews.empty());
    EXPECT_EQ(fake.debuggerViews.back().watches, Lines{"[a] = typed"});
}

TEST(DebuggerButtons, HaltEndsAtOnceWithExitCodeZero) {
    FakePlatform fake = withEnvironment("STEP");
    fake.debuggerActions = {"", "h"};
    RunResult result = runScript(fake, crlf({"ECHO 'ran'", "HALT 3", "ECHO 'never'"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.shown, Lines{"ran"});
    EXPECT_TRUE(result.errors.empty());
}

TEST(DebuggerButtons, StepEndsTraceMode) {
    FakePlatform fake;
    interp::VariableTable vars(fake, fake, interp::NameScheme::scriptNames);
    interp::Debugger debugger(vars, fake, fake);
    debugger.debugMode("trace", [] { return std::string("LINE"); });
    EXPECT_TRUE(debugger.active());
    EXPECT_TRUE(debugger.traceMode());
    debugger.stepPressed();
    EXPECT_FALSE(debugger.traceMode());
    EXPECT_TRUE(debugger.active());
    debugger.tracePressed();
    EXPECT_TRUE(debugger.traceMode());
    EXPECT_EQ(debugger.watchedValue(0), "");
    EXPECT_EQ(debugger.watchedValue(-1), "");
}

// ---- the next line ----

TEST(UpcomingLine, SkipsShortLinesAndTrimsBlanks) {
    EXPECT_EQ(interp::upcomingScriptLine("ECHO 'a'\r\nECHO 'b'", 0), "ECHO 'a'");
    EXPECT_EQ(interp::upcomingScriptLine("ECHO 'a'\r\nECHO 'b'", 8), "ECHO 'b'");
    EXPECT_EQ(interp::upcomingScriptLine("ECHO 'a'\nx\n \n  ab  \n", 8), "ab");
    EXPECT_EQ(interp::upcomingScriptLine("\r\n\r\n", 0), "");
    EXPECT_EQ(interp::upcomingScriptLine("x", 0), "");
    EXPECT_EQ(interp::upcomingScriptLine("", 0), "");
    EXPECT_EQ(interp::upcomingScriptLine("abc", 5), "");
}

}  // namespace
}  // namespace velmish_test
