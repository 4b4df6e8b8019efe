// The Script menu: command lines, the compile and debugger dialogs' rules, and what Run, Compile,
// Set [command] and Debugger properties start and set.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/script_menu.h"

namespace velmish_test {
namespace {

using Log = std::vector<std::string>;

const ide::ProgramFolder kWindowsFolder{"C:\\Velmish", '\\', ".exe"};

TEST(ProgramFilesTest, CommandLinesQuoteTheDocumentAndEndWithOneBlankBeforeTheRest) {
    EXPECT_EQ(ide::velintCommandLine(kWindowsFolder, "C:\\my scripts\\a.vl", ""),
              "C:\\Velmish\\velint.exe \"C:\\my scripts\\a.vl\" ");
    EXPECT_EQ(ide::velintCommandLine(kWindowsFolder, "a.vl", "x  y"), "C:\\Velmish\\velint.exe \"a.vl\" x  y");
    EXPECT_EQ(ide::velcompCommandLine(kWindowsFolder, "a.vl", "/L"), "C:\\Velmish\\velcomp.exe \"a.vl\" /L");
    EXPECT_EQ(ide::referencePage(kWindowsFolder), "C:\\Velmish\\doc\\reference.html");
    EXPECT_EQ(ide::manualPage(kWindowsFolder), "C:\\Velmish\\doc\\index.html");

    ide::ProgramFolder here = ide::ProgramFolder::of("/opt/velmish/bin/velide");
    EXPECT_EQ(here.path, "/opt/velmish/bin");
    EXPECT_EQ(here.file("velmish.syn"), "/opt/velmish/bin/velmish.syn");
}

TEST(CompileOptionsTest, TheOptionsLineFollowsTheCheckBoxes) {
    ide::CompileOptions options;
    EXPECT_EQ(options.line(), "/L");
    options.setAutoLink(false);
    EXPECT_EQ(options.line(), "");
    options.setRunAfterHalt(true);  // needs linking: ticks "Automatic linking"
    EXPECT_TRUE(options.autoLink());
    EXPECT_EQ(options.line(), "/L /R");
    options.setAutoLink(false);
    EXPECT_EQ(options.line(), "/R");

    options.setLinkIcon(true, [] { return std::optional<std::string>("C:\\my icons\\a.ico"); });
    EXPECT_EQ(options.line(), "/I:\"C:\\my icons\\a.ico\" /R");
    options.setRunAfterHalt(false);  // with an icon linked, "Automatic linking" stays clear
    EXPECT_FALSE(options.autoLink());
    EXPECT_EQ(options.line(), "/I:\"C:\\my icons\\a.ico\"");
    options.setLinkIcon(false, nullptr);
    EXPECT_EQ(options.line(), "");
}

TEST(CompileOptionsTest, CancellingTheIconDialogClearsLinkIconAgain) {
    ide::CompileOptions options;
    options.setLinkIcon(true, [] { return std::optional<std::string>("a.ico"); });
    options.setLinkIcon(false, nullptr);
    int asked = 0;
    options.setLinkIcon(true, [&] {
        ++asked;
        return std::optional<std::string>();
    });
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(options.linkIcon());
    EXPECT_EQ(options.line(), "/L");
}

TEST(DebuggerSettingsTest, TheDialogsChoicesBecomeEnvironmentEntries) {
    using Entries = std::vector<ide::EnvironmentEntry>;
    ide::DebuggerSettings settings;
    EXPECT_FALSE(settings.optionsEnabled());
    EXPECT_EQ(settings.environmentEntries(), (Entries{{"VL_DEBUGMODE", "NONE"}}));

    settings.setDebugScript(true);
    EXPECT_TRUE(settings.optionsEnabled());
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
    EXPECT_EQ(settings.environmentEntries(), (Entries{{"VL_DEBUGMODE", "STEP"}, {"VL_DEBUGVARS", "AUTO"}}));
}

class FakeScriptMenuWindow : public ide::ScriptMenuFrontEnd {
  public:
    Log log;
    bool starts = true, compileConfirmed = true, debugConfirmed = true;
    std::optional<std::string> commandAnswer;

    bool startProgram(const std::string& commandLine) override {
        log.push_back("start " + commandLine);
        return starts;
    }
    void setEnvironment(const std::string& name, const std::optional<std::string>& value) override {
        log.push_back(value ? "set " + name + "=" + *value : "remove " + name);
    }
    bool showCompileDialog() override {
        log.push_back("compile dialog");
        return compileConfirmed;
    }
    std::optional<std::string> showCommandDialog() override { return commandAnswer; }
    bool showDebugDialog() override { return debugConfirmed; }
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        log.push_back("box " + std::to_string(flags) + " " + caption + ": " + text);
        return 1;
    }
};

class ScriptMenuTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ide::Captions captions;
    FakeDocumentWindow documentWindow;
    ide::DocumentSession session{documentWindow, captions};
    FakeScriptMenuWindow window;
    ide::ScriptMenu menu{session, window, kWindowsFolder};

    Log take() { return std::exchange(window.log, {}); }
};

TEST_F(ScriptMenuTest, RunSavesUnderAChosenNameAndStartsVelintWithTheCommandValue) {
    documentWindow.text = "ECHO [command]";
    menu.run();  // naming cancelled
    EXPECT_EQ(take(), Log{});

    documentWindow.saveChoices = {folder / "hello"};
    window.commandAnswer = "a b";
    menu.setCommand();
    window.commandAnswer = std::nullopt;
    menu.setCommand();  // closed without its button: the value stays
    menu.run();
    EXPECT_EQ(take(), Log{"start C:\\Velmish\\velint.exe \"" + folder / "hello.vl" + "\" a b"});
    EXPECT_EQ(readFile(folder / "hello.vl"), "ECHO [command]");
}

TEST_F(ScriptMenuTest, CompileWritesFirstAndReportsAVelcompThatDoesNotStart) {
    documentWindow.saveChoices = {folder / "c.vl"};
    window.compileConfirmed = false;
    menu.compile();
    EXPECT_EQ(take(), Log{"compile dialog"});
    EXPECT_TRUE(std::filesystem::exists(folder / "c.vl"));

    window.compileConfirmed = true;
    window.starts = false;
    menu.compileOptions().setRunAfterHalt(true);
    menu.compile();
    EXPECT_EQ(take(), (Log{"compile dialog", "start C:\\Velmish\\velcomp.exe \"" + folder / "c.vl" + "\" /L /R",
                           "box 16 ERROR: VELCOMP.EXE not found."}));
}

TEST_F(ScriptMenuTest, DebuggerPropertiesSetTheEnvironmentOnlyWhenConfirmed) {
    menu.debuggerSettings().setDebugScript(true);
    menu.debuggerSettings().setWatch(ide::VariableWatch::manual);
    window.debugConfirmed = false;
    menu.debuggerProperties();
    EXPECT_EQ(take(), Log{});
    window.debugConfirmed = true;
    menu.debuggerProperties();
    EXPECT_EQ(take(), (Log{"set VL_DEBUGMODE=STEP", "remove VL_DEBUGVARS"}));
}

}  // namespace
}  // namespace velmish_test
