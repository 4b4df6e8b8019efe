// The Script menu: command lines, the compile and debugger dialogs' rules, and what Run and
// Compile write and start.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/script_menu.h"

namespace velmish_test {
namespace {

using Log = std::vector<std::string>;

const ide::ProgramFolder kWindowsFolder{"C:\\Velmish", '\\', ".exe", "", ""};

TEST(ProgramFilesTest, StartsAreArgumentListsThatWindowsQuotesIntoOneLine) {
    ide::ProgramStart velint = ide::velintStart(kWindowsFolder, "C:\\my scripts\\a.vl", "");
    EXPECT_EQ(velint, (ide::ProgramStart{"C:\\Velmish\\velint.exe", {"C:\\my scripts\\a.vl", ""}, true}));
    // velint reads [command] from its command line as it stands: one blank, even before nothing.
    EXPECT_EQ(ide::windowsCommandLine(velint), "\"C:\\Velmish\\velint.exe\" \"C:\\my scripts\\a.vl\" ");
    velint.arguments[1] = " \"x y\" ";
    EXPECT_EQ(ide::windowsCommandLine(velint), "\"C:\\Velmish\\velint.exe\" \"C:\\my scripts\\a.vl\"  \"x y\" ");
    // Other arguments are read back by the C runtime: quotes escaped, backslashes doubled before one.
    ide::ProgramStart velcomp = ide::velcompStart(kWindowsFolder, "a.vl", {"/L", "/I:C:\\my icons\\", "say \"hi\""});
    EXPECT_EQ(ide::windowsCommandLine(velcomp),
              "\"C:\\Velmish\\velcomp.exe\" \"a.vl\" \"/L\" \"/I:C:\\my icons\\\\\" \"say \\\"hi\\\"\"");
    EXPECT_EQ(ide::referencePage(kWindowsFolder), "C:\\Velmish\\doc\\reference.html");
    EXPECT_EQ(ide::ProgramFolder::of("/opt/velmish/velide").file("velmish.syn"), "/opt/velmish/velmish.syn");
}

// The Linux editor finds programs, data and pages each in the first place that holds them.
TEST(ProgramFilesTest, InstalledProgramsDataAndPagesMayLieInFoldersOfTheirOwn) {
    auto exists = [](const std::string& path) { return path == "/usr/share/velmish/velmish.syn"; };
    std::vector<std::string> places = {"/opt/v", "/usr/share/velmish"};
    EXPECT_EQ(ide::firstFolderWith(places, "velmish.syn", exists), "/usr/share/velmish");
    EXPECT_EQ(ide::firstFolderWith(places, "velint", exists), "/opt/v");
    ide::ProgramFolder installed{"/usr/bin", '/', "", "/usr/share/velmish", "/usr/share/doc/velmish"};
    EXPECT_EQ(installed.program("velint"), "/usr/bin/velint");
    EXPECT_EQ(installed.file("velmish.lng"), "/usr/share/velmish/velmish.lng");
    EXPECT_EQ(ide::manualPage(installed), "/usr/share/doc/velmish/index.html");
}

TEST(CompileOptionsTest, TheOptionsLineFollowsTheCheckBoxes) {
    ide::CompileOptions options;
    EXPECT_EQ(options.line(), "/L");
    options.setAutoLink(false);
    options.setRunAfterHalt(true);  // needs linking: ticks "Automatic linking"
    EXPECT_EQ(options.line(), "/L /R");
    options.setAutoLink(false);
    EXPECT_EQ(options.line(), "/R");
    std::vector<std::string> startedAt;
    auto choose = [&](const std::optional<std::string>& answer) {
        return [&startedAt, answer](const std::string& last) {
            startedAt.push_back(last);
            return answer;
        };
    };
    options.setLinkIcon(true, choose("C:\\my icons\\a.ico"));
    options.setRunAfterHalt(false);  // with an icon linked, "Automatic linking" stays clear
    EXPECT_EQ(options.line(), "/I:\"C:\\my icons\\a.ico\"");
    EXPECT_EQ(options.arguments(), std::vector<std::string>{"/I:C:\\my icons\\a.ico"});
    options.setLinkIcon(false, nullptr);
    EXPECT_EQ(options.line(), "");

    options.setAutoLink(true);
    options.setLinkIcon(true, choose(std::nullopt));  // cancelled
    EXPECT_FALSE(options.linkIcon());
    EXPECT_EQ(options.line(), "/L");
    // The icon dialog starts at the icon chosen last.
    EXPECT_EQ(startedAt, (std::vector<std::string>{"", "C:\\my icons\\a.ico"}));
}

TEST(DebuggerSettingsTest, TheDialogsChoicesBecomeEnvironmentEntries) {
    using Entries = std::vector<ide::EnvironmentEntry>;
    ide::DebuggerSettings settings;
    EXPECT_EQ(settings.environmentEntries(), (Entries{{"VL_DEBUGMODE", "NONE"}}));
    settings.setDebugScript(true);
    EXPECT_FALSE(settings.watchedVariablesEnabled());
    EXPECT_EQ(settings.environmentEntries(), (Entries{{"VL_DEBUGMODE", "STEP"}, {"VL_DEBUGVARS", "AUTO"}}));
    settings.setMode(ide::DebugMode::trace);
    settings.setWatch(ide::VariableWatch::manual);
    EXPECT_TRUE(settings.watchedVariablesEnabled());
    EXPECT_EQ(settings.environmentEntries(), (Entries{{"VL_DEBUGMODE", "TRACE"}, {"VL_DEBUGVARS", std::nullopt}}));
    settings.setWatchedVariables("[a] [b]");
    EXPECT_EQ(settings.environmentEntries()[1], (ide::EnvironmentEntry{"VL_DEBUGVARS", "[a] [b]"}));
    settings.setWatch(ide::VariableWatch::none);
    EXPECT_EQ(settings.environmentEntries()[1], (ide::EnvironmentEntry{"VL_DEBUGVARS", "NONE"}));
    settings.setDebugScript(false);
    settings.setDebugScript(true);  // ticked again: Step and Automatic
    EXPECT_EQ(settings.environmentEntries()[1], (ide::EnvironmentEntry{"VL_DEBUGVARS", "AUTO"}));
}

class ScriptMenuTest : public ::testing::Test, public ide::ScriptMenuFrontEnd {
  protected:
    TempFolder folder;
    ide::Captions captions;
    FakeDocumentWindow documentWindow;
    ide::DocumentSession session{documentWindow, captions};
    ide::ScriptMenu menu{session, *this, kWindowsFolder};
    Log log;
    bool starts = true, confirmed = true;
    std::optional<std::string> commandAnswer;

    bool startProgram(const ide::ProgramStart& start) override {
        log.push_back("start " + ide::windowsCommandLine(start));
        return starts;
    }
    void setEnvironment(const std::string& name, const std::optional<std::string>& value) override {
        log.push_back(name + "=" + value.value_or("(removed)"));
    }
    bool showCompileDialog() override {
        log.push_back("compile dialog");
        return confirmed;
    }
    std::optional<std::string> showCommandDialog() override { return commandAnswer; }
    bool showDebugDialog() override { return confirmed; }
    void goToLine(size_t line, const std::string& text) override {
        log.push_back("line " + std::to_string(line) + ": " + text);
    }
    void tell(ide::Notice kind, const std::string& text, const std::string& caption) override {
        log.push_back(std::string(kind == ide::Notice::error ? "error " : "notice ") + caption + ": " + text);
    }
};

TEST_F(ScriptMenuTest, RunSavesUnderAChosenNameAndStartsVelintWithTheCommandValue) {
    documentWindow.text = "ECHO [command]";
    session.editorChanged(false);
    menu.run();  // naming cancelled
    EXPECT_EQ(log, Log{});

    documentWindow.saveChoices = {folder / "hello"};
    commandAnswer = "a b";
    menu.setCommand();
    commandAnswer = std::nullopt;
    menu.setCommand();  // closed without its button: the value stays
    menu.run();
    EXPECT_EQ(log, Log{"start \"C:\\Velmish\\velint.exe\" \"" + folder / "hello.vl" + "\" a b"});
    EXPECT_EQ(readFile(folder / "hello.vl"), "ECHO [command]");
    EXPECT_TRUE(session.document().modified);
}

TEST_F(ScriptMenuTest, AVelintThatDoesNotStartIsReported) {
    documentWindow.saveChoices = {folder / "r.vl"};
    starts = false;
    menu.run();
    EXPECT_EQ(log, (Log{"start \"C:\\Velmish\\velint.exe\" \"" + folder / "r.vl" + "\" ",
                        "error ERROR: VELINT.EXE not found."}));
}

TEST_F(ScriptMenuTest, CompileWritesFirstAndReportsAVelcompThatDoesNotStart) {
    documentWindow.saveChoices = {folder / "c.vl"};
    confirmed = false;
    menu.compile();
    menu.debuggerProperties();
    EXPECT_EQ(std::exchange(log, {}), Log{"compile dialog"});
    EXPECT_TRUE(std::filesystem::exists(folder / "c.vl"));

    confirmed = true;
    starts = false;
    menu.compileOptions().setRunAfterHalt(true);
    menu.compile();
    menu.debuggerProperties();
    EXPECT_EQ(log,
              (Log{"compile dialog", "start \"C:\\Velmish\\velcomp.exe\" \"" + folder / "c.vl" + "\" \"/L\" \"/R\"",
                   "error ERROR: VELCOMP.EXE not found.", "VL_DEBUGMODE=NONE"}));
}

// velcomp and velint name the script as velide gave it; an error in another file moves nothing.
TEST_F(ScriptMenuTest, AnErrorLineOfTheDocumentMovesTheCaretAndGoToErrorRepeatsIt) {
    menu.goToError();  // nothing reported yet
    documentWindow.saveChoices = {folder / "prog"};
    session.save();
    ide::ErrorLineReader reader;
    std::string output = folder / "prog.vl" + ":2: error: Unknown instruction: FOO\r\nLinking...\n" +
                         folder / "other.vl" + ":5: error: Parse error\n" + folder / "prog.vl" + ":7: err";
    for (ide::ErrorLine& line : reader.take(output)) menu.errorReported(std::move(line));
    for (ide::ErrorLine& line : reader.take("or: Parse error at LET\n")) menu.errorReported(std::move(line));
    menu.goToError();
    EXPECT_EQ(log, (Log{"line 1: Line 2: Unknown instruction: FOO", "line 6: Line 7: Parse error at LET",
                        "line 6: Line 7: Parse error at LET"}));
}

TEST(ErrorLineTest, TheLineNumberIsTheLastOneBeforeTheErrorMark) {
    EXPECT_EQ(ide::parseErrorLine("C:\\my: scripts\\a.vl:12: error: Label not found: x:1: error: y"),
              (ide::ErrorLine{"C:\\my: scripts\\a.vl:12: error: Label not found: x", 1, "y"}));
    EXPECT_EQ(ide::parseErrorLine("a.vl:3: error: Parse error at LET\r"),
              (ide::ErrorLine{"a.vl", 3, "Parse error at LET"}));
    EXPECT_EQ(ide::parseErrorLine("a.vl:x: error: y"), std::nullopt);
    EXPECT_EQ(ide::parseErrorLine("Line 3, Error 0 Parse error"), std::nullopt);
    EXPECT_EQ(ide::parseErrorLine(":3: error: y"), std::nullopt);  // no file
}

}  // namespace
}  // namespace velmish_test
