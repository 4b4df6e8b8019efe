// The command table (shortcuts and captions each used once, every command reachable from a menu)
// and the routing of every command to its action, through fake front ends.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fake_front_end.h"
#include "ide/editor_commands.h"

namespace velmish_test {
namespace {

using ide::Command;
using Log = std::vector<std::string>;

std::vector<Command> allCommands() {
    std::vector<Command> commands;
    for (int i = 0; i < ide::kCommandCount; ++i) commands.push_back(static_cast<Command>(i));
    return commands;
}

// Each edition's menus use a caption once and hold every command the edition has; the Windows
// edition keeps its menus without Undo, Redo and the recent files.
void checkEdition(ide::Edition edition, size_t commandCount) {
    std::set<ide::Caption> captions;
    std::set<Command> inMenuBar;
    bool recentFiles = false;
    auto take = [&](const ide::MenuItem& item) {
        if (item.separator()) return;
        EXPECT_TRUE(captions.insert(item.caption).second) << static_cast<int>(item.caption) << " is shown twice";
    };
    for (const ide::MenuColumn& column : ide::menuBar(edition)) {
        EXPECT_TRUE(captions.insert(column.caption).second);
        for (const ide::MenuItem& item : column.items) {
            take(item);
            recentFiles |= item.recentFiles;
            if (item.command) {
                EXPECT_TRUE(ide::hasCommand(edition, *item.command));
                inMenuBar.insert(*item.command);
            }
        }
    }
    for (const ide::MenuItem& item : ide::contextMenu()) take(item);
    for (const ide::ToolButton& button : ide::toolbar()) {
        if (button.command) {
            EXPECT_TRUE(captions.insert(button.hint).second);
        }
    }
    EXPECT_EQ(inMenuBar.size(), commandCount);
    EXPECT_EQ(recentFiles, edition == ide::Edition::linux_desktop);
}

TEST(EditorCommandTableTest, ShortcutsAndCaptionsAreEachUsedOnceAndEveryCommandIsInTheMenuBar) {
    std::map<std::string, Command> shortcuts;
    for (Command command : allCommands()) {
        std::string text = ide::shortcutText(ide::shortcutOf(command));
        if (!text.empty()) {
            EXPECT_TRUE(shortcuts.emplace(text, command).second) << text << " is given twice";
        }
    }
    EXPECT_EQ(shortcuts.size(), 15u);
    EXPECT_EQ(ide::shortcutText(ide::shortcutOf(Command::New)), "Ctrl+N");
    EXPECT_EQ(ide::shortcutText(ide::shortcutOf(Command::Compile)), "F9");
    EXPECT_EQ(ide::shortcutText(ide::shortcutOf(Command::Redo)), "Ctrl+Shift+Z");

    checkEdition(ide::Edition::windows, static_cast<size_t>(ide::kCommandCount) - 2);
    EXPECT_FALSE(ide::hasCommand(ide::Edition::windows, Command::Undo));
    checkEdition(ide::Edition::linux_desktop, static_cast<size_t>(ide::kCommandCount));
}

// One window for every front end the commands reach; each logs what it was asked.
class FakeEditorWindow : public FakeDocumentWindow,
                         public ide::ScriptMenuFrontEnd,
                         public ide::FindFrontEnd,
                         public ide::EditingFrontEnd {
  public:
    void tell(ide::Notice, const std::string& text, const std::string&) override { note("tell " + text); }
    std::string editorText() override { return text; }
    bool startProgram(const ide::ProgramStart& start) override { return note("start " + start.program), true; }
    void setEnvironment(const std::string& name, const std::optional<std::string>&) override { note("set " + name); }
    bool showCompileDialog() override { return note("compile dialog"), false; }
    std::optional<std::string> showCommandDialog() override { return note("command dialog"), std::nullopt; }
    bool showDebugDialog() override { return note("debug dialog"), false; }
    std::optional<std::string> askSearchText(const std::string&) override { return note("find dialog"), std::nullopt; }
    ide::TextSelection selection() override { return {}; }
    void select(ide::TextSelection) override {}
    void undo() override { note("undo"); }
    void redo() override { note("redo"); }
    void cut() override { note("cut"); }
    void copy() override { note("copy"); }
    void paste() override { note("paste"); }
    void deleteSelection() override { note("delete"); }
    void selectAll() override { note("select all"); }
    void openPage(const std::string& address) override { note("page " + address); }
    void showAbout() override { note("about"); }
    void goToLine(size_t line, const std::string& text) override { note("line " + std::to_string(line) + ": " + text); }
    std::string caretLineText() override { return caretLine; }
    size_t caretColumn() override { return column; }
    std::string caretLine = "copyFile 'a', 'b'";
    size_t column = 4;

  private:
    void note(const std::string& entry) { log.push_back(entry); }
};

TEST(EditorCommandRouterTest, EveryCommandReachesItsAction) {
    TempFolder folder;
    ide::Captions captions;
    FakeEditorWindow window;
    ide::ProgramFolder programs{"/velmish", '/', "", "", ""};
    ide::DocumentSession session{window, captions};
    ide::ScriptMenu script{session, window, programs};
    ide::FindCommands find{window, captions};
    ide::CommandRouter router{session, script, find, window, programs};
    window.text = "ECHO";
    session.editorChanged(false);
    window.saveChoices = {folder / "named"};
    router.run(Command::Save);  // named once, so the Script menu's commands go on to their dialogs
    script.errorReported({folder / "named.vl", 3, "Parse error at LET"});

    const std::map<Command, std::string> firstAction = {
        {Command::New, "ask discard"},
        {Command::Open, "open dialog"},
        {Command::Save, ""},
        {Command::SaveAs, "save dialog"},
        {Command::Quit, "ask quit"},
        {Command::Undo, "undo"},
        {Command::Redo, "redo"},
        {Command::Cut, "cut"},
        {Command::Copy, "copy"},
        {Command::Paste, "paste"},
        {Command::Delete, "delete"},
        {Command::SelectAll, "select all"},
        {Command::Find, "find dialog"},
        {Command::FindNext, "find dialog"},
        {Command::Run, "start "},
        {Command::Compile, "compile dialog"},
        {Command::GoToError, "line 2: Line 3: Parse error at LET"},
        {Command::DebugProperties, "debug dialog"},
        {Command::SetCommand, "command dialog"},
        {Command::Manual, "page /velmish/doc/index.html"},
        {Command::Reference, "page file:///velmish/doc/reference.html#COPYFILE"},
        {Command::Website, "page https://velmish.example.org/"},
        {Command::About, "about"},
    };
    for (Command command : allCommands()) {
        window.take();
        window.text += "x";  // changed, so New and Quit ask
        session.editorChanged(false);
        router.run(command);
        Log log = window.take();
        const std::string& expected = firstAction.at(command);
        if (expected.empty()) {
            EXPECT_EQ(readFile(folder / "named.vl"), window.text);  // Save writes without a dialog
        } else {
            ASSERT_FALSE(log.empty()) << static_cast<int>(command);
            EXPECT_EQ(log.front().rfind(expected, 0), 0u) << log.front();
        }
    }
}

}  // namespace
}  // namespace velmish_test
