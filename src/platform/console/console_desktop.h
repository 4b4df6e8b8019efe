// The terminal front end: boxes are written to the output streams and answered on the input.
//
// Every box is one block "[CAPTION] TEXT" and a line feed; error boxes go to the error stream.
// A box with more than one button then prompts with its button names, e.g. "(Yes/No)? ", and
// reads one line: a button name or its first letter, any case; an empty line is the default
// button; at the end of input the answer is Cancel, else No, else the first button.
//
// The dialogs and the debugger write their blocks in the same way, "[TITLE] ..." first, the
// lines below it indented by two blanks, and then a prompt that ends in "> " (an answer is text,
// not a button name). They read their answers from the same input, one line at a time; a
// carriage return at the end of a line is dropped. Button captions appear without their "&"
// marks ("&&" shows one "&"). In the examples, the captions are the ones the interpreter starts
// with (a compiled program's input box starts with "Ok").
//
// INPUTBOX   [TITLE] PROMPT
//              default: DEFAULT                      (only when there is a default)
//            (OK/Cancel)>                            (IBox_Ok / IBox_Cancel)
//    One line is the answer; an empty line keeps the default; end of input is Cancel.
//
// EDITBOX    [TITLE]
//              |LINE                                 (each line of the text, "|" then the line)
//            (Ok/Cancel, "." ends the text)>         (EditBox_Ok / EditBox_Cancel)
//    The lines up to a line holding only "." are the answer; end of input before it is Cancel.
//    Read-only, the prompt is "(Ok/Cancel, read-only)> ": any one line is OK (the text stays as
//    it was), end of input is Cancel.
//
// LISTBOX    [TITLE]
//              1: ENTRY                              (each entry, numbered from 1)
//            (Ok 1-N)>                               (ListBox_Ok; N the number of entries)
//    A number from 1 to N chooses that entry, else a line equal to an entry's text chooses the
//    first such entry, an empty line chooses the first entry; anything else writes the prompt
//    again and reads again; end of input is Cancel.
//
// OPENBOX    [TITLE] open a file                     ("save a file" for SAVEBOX; "open files"
//              filter: FILTER                         or "save files" with multi-selection)
//              folder: DIRECTORY                     (the current directory)
//            (path)>                                 ("(folder|name|name...)> " with multi-selection)
//    One line is the result; an empty line or end of input is Cancel.
//
// FOLDERBOX  [TITLE] choose a folder
//              start: FOLDER
//            (folder)>
//    One line is the folder; an empty line chooses the start folder; end of input is Cancel.
//
// INFOBOX    [info] TEXT                              (each time the box is shown; hiding writes
//                                                     nothing)
//
// Debugger   [Velmish Debug :: Step Mode] LINE       ("Trace Mode" in trace mode; LINE the next
//              [name] = value                         script line, then each watch entry as the
//              [other] = (variable not existing)      window lists it)
//            (Enter Step, t Trace, h Halt, set NAME=VALUE)>
//    In step mode the block is written before each command and the prompt reads one line
//    (leading blanks and the case of "t", "h" and "set" do not matter): an empty line is Step, "t"
//    Trace, "h" Halt (the program ends with exit code 0), "set NAME=VALUE" assigns VALUE (as
//    typed after the "=") to the variable NAME (written with or without its brackets) through
//    its write hooks, writes the watch entries again and prompts again; anything else prompts
//    again; end of input is Trace.
//    In trace mode the block is written without the prompt. Switching the debugger on writes the
//    block of the command that follows at once; that command does not write it again.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/console/media_loader.h"
#include "platform/desktop.h"
#include "platform/mci/mci_devices.h"

namespace platform {

class ConsoleDesktop : public Desktop {
  public:
    ConsoleDesktop(std::istream& in, std::ostream& out, std::ostream& err);

    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;

    void setButtonCaption(DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;

    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initialText) override;
    std::optional<std::string> editBox(const std::string& title, const std::string& text, bool readOnly, int width,
                                       int height) override;
    std::optional<std::string> listBox(const std::string& title, const std::vector<std::string>& entries, int width,
                                       int height) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
    FolderChoice folderBox(const std::string& title, const std::string& startFolder) override;
    void placeInfoBox(const std::string& text, int width, int height) override;

    void setDebuggerEvents(DebuggerEvents* events) override;
    void showDebugger(const DebuggerView& view) override;
    void enableDebuggerButtons(bool step, bool trace) override;
    void hideDebugger() override;
    DebuggerStep debuggerStep(bool wait) override;

    bool activateWindow(const std::string& title) override;
    void keyEvent(int virtualKey, bool up) override;
    int keyForCharacter(char character) override;
    unsigned mciCommand(const std::string& command) override;
    int openDocument(const std::string& target) override;

    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }

  private:
    // What the dialogs and the debugger write before the lines below their first.
    static constexpr const char* kIndent = "  ";

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    std::string clipboard_;          // kept by the process: there is no desktop clipboard here
    std::string buttonCaptions_[5];  // by DialogButton, for the dialogs
    bool infoBoxVisible_ = false;
    std::string infoBoxText_;  // set by placeInfoBox, written when the box is shown
    DebuggerEvents* debuggerEvents_ = nullptr;
    mci::Devices mci_{loadMediaModule};  // the files MCI opened, played by the media module

    // One line of input without its line end; nullopt at the end of input.
    std::optional<std::string> readLine();
    // A button's caption as the prompts show it.
    std::string captionText(DialogButton button) const;
    void writeWatches(const std::vector<std::string>& watches);
};

}  // namespace platform
