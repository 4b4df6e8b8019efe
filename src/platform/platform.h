// The platform layer: everything the interpreter asks of the desktop and the system.
//
// Each action is one call that takes its options and returns an outcome, so the Win32 backend,
// the POSIX console backend and the unit tests' fake can each implement it in a few lines.
// Platform errors are translated into these return values at the backend's edge.
#pragma once

#include <optional>
#include <string>

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

// What the system reports about its version (GetVersionExA's fields).
struct WindowsVersion {
    unsigned platformId;  // 1 for the 9x family, 2 for the NT family
    unsigned major;
    unsigned minor;
    unsigned build;  // low 16 bits of the build number
};

class Platform {
public:
    virtual ~Platform() = default;

    // Start-up: the window class shared by the dialog windows, the visual-theme check and the
    // hidden dialog windows.
    virtual bool registerDialogClass() = 0;
    virtual bool visualThemesActive() = 0;
    virtual void createDialogWindows(int themeOffset) = 0;

    // System information; nullopt when the system call fails.
    virtual std::optional<std::string> userName() = 0;
    virtual std::optional<WindowsVersion> windowsVersion() = 0;
    virtual std::string currentDirectory() = 0;
    virtual std::string environmentVariable(const std::string& name) = 0;

    // A modal message box without owner; returns the answer value of the button chosen.
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    // The box that reports a script or start-up error; the process ends after it.
    virtual void errorBox(const std::string& text, const std::string& caption, unsigned style) = 0;

    // Settings of the dialog windows that scripts change through system variables.
    virtual void setButtonCaption(DialogButton button, const std::string& caption) = 0;
    virtual void setInfoBoxVisible(bool visible) = 0;

    // Clipboard text; the empty text when there is none or the clipboard cannot be opened.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace platform
