// The editor's command table and the routing from a command to its action.
#include "ide/editor_commands.h"

#include <array>

#include "ide/about_texts.h"
#include "ide/help_topics.h"

namespace ide {

namespace {

struct CommandShortcut {
    Command command;
    Shortcut shortcut;
};

// Each shortcut, written once: the menus show it, the front ends make it work.
constexpr CommandShortcut kShortcuts[] = {
    {Command::New, {'N'}},        {Command::Open, {'O'}},      {Command::Save, {'S'}},
    {Command::Quit, {'Q'}},       {Command::Cut, {'X'}},       {Command::Copy, {'C'}},
    {Command::Paste, {'V'}},      {Command::SelectAll, {'A'}}, {Command::Find, {'F'}},
    {Command::FindNext, {0, 3}},  {Command::Run, {0, 5}},      {Command::Compile, {0, 9}},
    {Command::Reference, {0, 1}}, {Command::Undo, {'Z'}},      {Command::Redo, {'Z', 0, true}},
};

constexpr MenuItem kSeparator{};

constexpr MenuItem kFile[] = {
    {Command::New, Caption::New1, 0},
    {Command::Open, Caption::Open1, 1},
    {Command::Save, Caption::Save1, 2},
    {Command::SaveAs, Caption::Saveas1},
    kSeparator,
    {Command::Compile, Caption::CreateEXEFile1},
    kSeparator,
    {Command::Quit, Caption::Quit1},
};
// The Linux editor's File and Edit menus: the Windows ones with the recently used files after Open,
// and Undo and Redo at the top.
constexpr MenuItem kFileLinux[] = {
    {Command::New, Caption::New1, 0},
    {Command::Open, Caption::Open1, 1},
    {std::nullopt, Caption::Recentfiles1, -1, true},
    {Command::Save, Caption::Save1, 2},
    {Command::SaveAs, Caption::Saveas1},
    kSeparator,
    {Command::Compile, Caption::CreateEXEFile1},
    kSeparator,
    {Command::Quit, Caption::Quit1},
};
constexpr MenuItem kEditLinux[] = {
    {Command::Undo, Caption::Undo1},
    {Command::Redo, Caption::Redo1},
    kSeparator,
    {Command::Cut, Caption::Cut1, 4},
    {Command::Copy, Caption::Copy1, 3},
    {Command::Paste, Caption::Paste1, 5},
    {Command::Delete, Caption::Delete1},
    {Command::SelectAll, Caption::Selectall1},
    kSeparator,
    {Command::Find, Caption::Find1, 8},
    {Command::FindNext, Caption::Findnext1},
};
constexpr MenuItem kEdit[] = {
    {Command::Cut, Caption::Cut1, 4},          {Command::Copy, Caption::Copy1, 3},
    {Command::Paste, Caption::Paste1, 5},      {Command::Delete, Caption::Delete1},
    {Command::SelectAll, Caption::Selectall1}, kSeparator,
    {Command::Find, Caption::Find1, 8},        {Command::FindNext, Caption::Findnext1},
};
constexpr MenuItem kScript[] = {
    {Command::Run, Caption::Run2, 6},
    {Command::Compile, Caption::CompiletoEXE1},
    {Command::GoToError, Caption::GoToError1},
    kSeparator,
    {Command::DebugProperties, Caption::DebugProperties1},
    {Command::SetCommand, Caption::Setcommand1},
};
constexpr MenuItem kHelp[] = {
    {Command::Manual, Caption::Manual1, 7},
    {Command::Reference, Caption::Reference1},
    kSeparator,
    {Command::Website, Caption::Website1},
    kSeparator,
    {Command::About, Caption::About1},
};
constexpr MenuColumn kBar[] = {
    {Caption::File1, kFile},
    {Caption::Edit1, kEdit},
    {Caption::Run1, kScript},
    {Caption::Help1, kHelp},
};
constexpr MenuColumn kBarLinux[] = {
    {Caption::File1, kFileLinux},
    {Caption::Edit1, kEditLinux},
    {Caption::Run1, kScript},
    {Caption::Help1, kHelp},
};
constexpr MenuItem kContext[] = {
    {Command::Cut, Caption::Cut2},
    {Command::Copy, Caption::Copy2},
    {Command::Paste, Caption::Paste2},
    {Command::Delete, Caption::Delete2},
    kSeparator,
    {Command::SelectAll, Caption::Selectall2},
};

// The find button runs Find next; the help button opens the manual.
constexpr ToolButton kToolbar[] = {
    {Command::New, 0, Caption::ToolButton1},       {Command::Open, 1, Caption::ToolButton2},
    {Command::Save, 2, Caption::ToolButton3},      {},
    {Command::FindNext, 8, Caption::ToolButton12}, {},
    {Command::Cut, 4, Caption::ToolButton6},       {Command::Copy, 3, Caption::ToolButton5},
    {Command::Paste, 5, Caption::ToolButton7},     {},
    {Command::Run, 6, Caption::ToolButton9},       {},
    {Command::Manual, 7, Caption::ToolButton11},
};

}  // namespace

Shortcut shortcutOf(Command command) {
    for (const CommandShortcut& entry : kShortcuts) {
        if (entry.command == command) return entry.shortcut;
    }
    return {};
}

std::string shortcutText(Shortcut shortcut) {
    std::string text;
    if (shortcut.letter) text.append(shortcut.shift ? "Ctrl+Shift+" : "Ctrl+").append(1, shortcut.letter);
    if (shortcut.functionKey) text.append("F").append(std::to_string(shortcut.functionKey));
    return text;
}

bool hasCommand(Edition edition, Command command) {
    return edition == Edition::linux_desktop || (command != Command::Undo && command != Command::Redo);
}

std::span<const MenuColumn> menuBar(Edition edition) { return edition == Edition::windows ? kBar : kBarLinux; }
std::span<const MenuItem> contextMenu() { return kContext; }
std::span<const ToolButton> toolbar() { return kToolbar; }

// F1: the reference at the command or system variable the caret is on, else its first page.
void CommandRouter::openReference() {
    auto anchor = referenceAnchor(editing_.caretLineText(), editing_.caretColumn());
    editing_.openPage(pageAddress(referencePage(folder_), anchor));
}

void CommandRouter::run(Command command) {
    switch (command) {
        case Command::New: documents_.newDocument(); break;
        case Command::Open: documents_.open(); break;
        case Command::Save: documents_.save(); break;
        case Command::SaveAs: documents_.saveAs(); break;
        case Command::Quit: documents_.quit(); break;
        case Command::Undo: editing_.undo(); break;
        case Command::Redo: editing_.redo(); break;
        case Command::Cut: editing_.cut(); break;
        case Command::Copy: editing_.copy(); break;
        case Command::Paste: editing_.paste(); break;
        case Command::Delete: editing_.deleteSelection(); break;
        case Command::SelectAll: editing_.selectAll(); break;
        case Command::Find: find_.find(); break;
        case Command::FindNext: find_.findNext(); break;
        case Command::Run: script_.run(); break;
        case Command::Compile: script_.compile(); break;
        case Command::GoToError: script_.goToError(); break;
        case Command::DebugProperties: script_.debuggerProperties(); break;
        case Command::SetCommand: script_.setCommand(); break;
        case Command::Manual: editing_.openPage(manualPage(folder_)); break;
        case Command::Reference: openReference(); break;
        case Command::Website: editing_.openPage(std::string(kWebsiteAddress)); break;
        case Command::About: editing_.showAbout(); break;
    }
}

}  // namespace ide
