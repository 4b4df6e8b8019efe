// The editor's commands: one table of what the user can do, where each command shows (menus,
// context menu, toolbar) and its shortcut, written once; and the routing from a command to the
// core's action. A front end builds its menus, shortcuts and toolbar from these tables and hands
// every command it receives to CommandRouter.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "ide/captions.h"
#include "ide/document_session.h"
#include "ide/find_commands.h"
#include "ide/program_files.h"
#include "ide/script_menu.h"

namespace ide {

// Every user action; the order is the menus' order. A command may stand in several places
// (Compile in the File and Script menus, Find next on the toolbar's find button).
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Quit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    Find,
    FindNext,
    Run,
    Compile,
    GoToError,
    DebugProperties,
    SetCommand,
    Manual,
    Reference,
    Website,
    About,
};
inline constexpr int kCommandCount = static_cast<int>(Command::About) + 1;

// A key with its modifiers: a letter with Ctrl (and maybe Shift), or a function key alone.
struct Shortcut {
    char letter = 0;      // 'A' to 'Z', with Ctrl
    int functionKey = 0;  // 1 for F1 ... 12 for F12
    bool shift = false;   // with a letter: Ctrl+Shift
    bool empty() const { return letter == 0 && functionKey == 0; }
    bool operator==(const Shortcut&) const = default;
};

// The command's shortcut; empty when it has none.
Shortcut shortcutOf(Command command);
// The shortcut as menus show it: "Ctrl+N", "Ctrl+Shift+Z", "F3"; empty when there is none.
std::string shortcutText(Shortcut shortcut);

// The two editors. The Windows one keeps its menus as they always were; the Linux one adds what
// every Linux editor has: Undo and Redo, and the recently used files.
enum class Edition { windows, linux_desktop };
// Whether the edition has the command at all (in its menus and shortcuts).
bool hasCommand(Edition edition, Command command);

// One item of a menu: a command with its caption, a separator (no command), or the submenu of
// recently used files (no command, recentFiles set), whose entries open their file.
struct MenuItem {
    std::optional<Command> command;
    Caption caption = Caption::File1;  // unused for a separator
    int image = -1;                    // index in the editor's nine images, -1 for none
    bool recentFiles = false;
    bool separator() const { return !command && !recentFiles; }
};

struct MenuColumn {
    Caption caption;  // "&File"
    std::span<const MenuItem> items;
};

// The menu bar of an edition, left to right, and the editor's context menu.
std::span<const MenuColumn> menuBar(Edition edition = Edition::windows);
std::span<const MenuItem> contextMenu();

// One toolbar button, or a separator (no command); its hint is a caption, so the language file
// replaces it too.
struct ToolButton {
    std::optional<Command> command;
    int image = -1;
    Caption hint = Caption::ToolButton1;
};
std::span<const ToolButton> toolbar();

// What the commands that act on the editor control and the help pages ask of the front end.
class EditingFrontEnd {
  public:
    virtual ~EditingFrontEnd() = default;
    // Takes back the last change of the text, or makes it again; colouring is never one.
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void cut() = 0;
    virtual void copy() = 0;
    // Paste1Click: the clipboard's plain text, coloured where highlighting is on.
    virtual void paste() = 0;
    virtual void deleteSelection() = 0;
    virtual void selectAll() = 0;
    // Opens a page or address with the system's viewer.
    virtual void openPage(const std::string& address) = 0;
    // The caret's line and its column in it (help on the word at the caret).
    virtual std::string caretLineText() = 0;
    virtual size_t caretColumn() = 0;
    virtual void showAbout() = 0;
};

// Runs a command: the document, Script menu and find commands of the core, the rest through the
// front end.
class CommandRouter {
  public:
    CommandRouter(DocumentSession& documents, ScriptMenu& script, FindCommands& find, EditingFrontEnd& editing,
                  const ProgramFolder& folder)
        : documents_(documents), script_(script), find_(find), editing_(editing), folder_(folder) {}

    void run(Command command);

  private:
    void openReference();

    DocumentSession& documents_;
    ScriptMenu& script_;
    FindCommands& find_;
    EditingFrontEnd& editing_;
    const ProgramFolder& folder_;
};

}  // namespace ide
