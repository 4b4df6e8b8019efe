// The desktop: everything a user sees or answers, and what reaches other windows.
//
// Each action is one call that takes its options and returns an outcome, so the Win32 windows,
// the terminal front end, the GTK module and the unit tests' fake can each implement it in a few
// lines. Platform errors are translated into these return values at the backend's edge.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Message box styles, with the values of the Win32 MB_ flags (scripts pass them as numbers).
namespace style {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kAbortRetryIgnore = 0x2;
inline constexpr unsigned kYesNoCancel = 0x3;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kRetryCancel = 0x5;
inline constexpr unsigned kCancelTryContinue = 0x6;
inline constexpr unsigned kButtonMask = 0xF;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kDefaultButton2 = 0x100;
inline constexpr unsigned kDefaultButton3 = 0x200;
inline constexpr unsigned kDefaultButtonMask = 0xF00;
inline constexpr unsigned kSetForeground = 0x10000;
}  // namespace style

// Values a message box returns for the button chosen (the Win32 ID values).
namespace answer {
inline constexpr int kFailed = 0;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
inline constexpr int kTryAgain = 10;
inline constexpr int kContinue = 11;
}  // namespace answer

// The dialog buttons whose captions scripts can change.
enum class DialogButton { inputOk, inputCancel, editOk, editCancel, listOk };

// What the file dialogs are asked (OPENBOX, SAVEBOX).
struct FileDialogRequest {
    bool save = false;  // the save dialog rather than the open dialog
    std::string title;
    std::string filter;  // "description|pattern|description|pattern", as the script wrote it
    std::string initialDirectory;
    bool multiSelect = false;
};

// What the folder browser gave back (FOLDERBOX).
struct FolderChoice {
    enum class Outcome { chosen, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    std::string path;  // the chosen folder's file-system path when outcome is chosen
};

// What the debugger window shows.
struct DebuggerView {
    std::string line;                  // the next script line
    bool traceMode = false;            // picks the window title
    std::vector<std::string> watches;  // the watch list entries, in order
};

// What the debugger window's user decided about the next command: run it, or end the program
// (Halt or the window's close box, which ends it with exit code 0).
enum class DebuggerStep { go, halt };

// The debugger's side of its window: the window reports the user's actions here, whenever it
// handles messages (during the step wait and during any dialog).
class DebuggerEvents {
  public:
    virtual ~DebuggerEvents() = default;
    // Step: run one command, trace mode off. Trace: run on without waiting.
    virtual void stepPressed() = 0;
    virtual void tracePressed() = 0;
    // Set with watch-list entry `index` selected: assigns value to that watched variable and
    // returns the rebuilt watch list.
    virtual std::vector<std::string> setPressed(int index, const std::string& value) = 0;
    // Set by name (the terminal front end's "set NAME=VALUE"): assigns value to the variable and
    // returns the rebuilt watch list.
    virtual std::vector<std::string> setNamed(const std::string& name, const std::string& value) = 0;
    // The current value of the variable watched at entry `index`, for the value entry.
    virtual std::string watchedValue(int index) = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // A modal message box without owner; returns the answer value of the button chosen.
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    // The box that reports a script or start-up error; the process ends after it.
    virtual void errorBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    // A line for programs that read standard error (an editor jumping to an error); a program
    // without one, as a Windows program started from a shortcut, drops it.
    virtual void writeDiagnostic(const std::string& line) {
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
    }

    // Settings of the dialog windows that scripts change through system variables.
    virtual void setButtonCaption(DialogButton button, const std::string& caption) = 0;
    virtual void setInfoBoxVisible(bool visible) = 0;

    // The modal dialogs; nullopt when the user cancelled or closed them.
    // inputBox: the entry's text. editBox: the control's text (line breaks as CR LF both ways).
    // listBox: the selected entry's text (nullopt also when nothing is selected).
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& initialText) = 0;
    virtual std::optional<std::string> editBox(const std::string& title, const std::string& text, bool readOnly,
                                               int width, int height) = 0;
    virtual std::optional<std::string> listBox(const std::string& title, const std::vector<std::string>& entries,
                                               int width, int height) = 0;
    // The system's file dialog: the chosen path, or with multi-selection the directory and the
    // names joined by "|"; nullopt when cancelled or failed.
    virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
    virtual FolderChoice folderBox(const std::string& title, const std::string& startFolder) = 0;
    // Sizes the info box, centred, and sets its text; setInfoBoxVisible shows or hides it.
    virtual void placeInfoBox(const std::string& text, int width, int height) = 0;

    // The debugger window. events receives the user's actions from the first show on.
    virtual void setDebuggerEvents(DebuggerEvents* events) = 0;
    // Puts this content into the window and shows it (when hidden).
    virtual void showDebugger(const DebuggerView& view) = 0;
    // Enables or disables the Step and Trace buttons.
    virtual void enableDebuggerButtons(bool step, bool trace) = 0;
    virtual void hideDebugger() = 0;
    // Before a command: with wait, waits until the user releases it (Step or Trace) or presses
    // Halt; without, waits for nothing. halt when Halt has been pressed, now or at any time since
    // the window was shown (also while another dialog was up).
    virtual DebuggerStep debuggerStep(bool wait) = 0;

    // Keystrokes for another window (SENDKEYS): brings the top-level window with exactly this
    // title to the front; false when there is none, or when the desktop lets no program type into
    // another (a Wayland session).
    virtual bool activateWindow(const std::string& title) = 0;
    // One key event with a Win32 virtual-key code, down or up.
    virtual void keyEvent(int virtualKey, bool up) = 0;
    // The key and shift state that type this character (VkKeyScanA: low byte the key, high byte
    // 1 Shift, 2 Ctrl, 4 Alt); -1 when no key types it.
    virtual int keyForCharacter(char character) = 0;
    // After the keys of one SENDKEYS: releases every key still held down, where the desktop
    // would otherwise keep it down after the program ends.
    virtual void releaseKeys() {}
    // A command string for the multimedia control interface; its error code (0 success).
    virtual unsigned mciCommand(const std::string& command) = 0;
    // Hands a document or address to the program associated with it, without waiting; above 32
    // on success, else the system's error code (2 not found, 31 no associated program).
    virtual int openDocument(const std::string& target) = 0;

    // Clipboard text; the empty text when there is none or the clipboard cannot be opened.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace platform
