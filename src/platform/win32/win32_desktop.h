// The Win32 desktop: message boxes, the dialog windows and the debugger window, keys for other
// windows, MCI, documents and the clipboard.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace platform {

// The text of a window or control, of any length (WM_GETTEXTLENGTH, then WM_GETTEXT).
std::string windowText(HWND window);
// Sets a window's title or a control's text (WM_SETTEXT).
void setText(HWND window, const std::string& text);

class Win32Desktop : public Desktop {
  public:
    // dialogClassName: "Velmish 4" in the interpreter, "VL4RTL" in compiled programs.
    explicit Win32Desktop(std::string dialogClassName) : dialogClassName_(std::move(dialogClassName)) {}

    // Start-up (createNativeDesktop): the window class shared by the dialog windows, the
    // visual-theme check and the hidden dialog windows, which grow by themeOffset pixels where
    // themes draw thicker frames.
    bool registerDialogClass();
    bool visualThemesActive();
    void createDialogWindows(int themeOffset);

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

    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;

  private:
    // Control ids the window procedure tells apart.
    enum ControlId : int {
        kInputOk = 1,      // also what IsDialogMessageA sends for Enter
        kInputCancel = 2,  // also what IsDialogMessageA sends for Escape
        kListList = 4,
        kListOk = 5,
        kEditText = 7,
        kEditOk = 8,
        kEditCancel = 9,
        kInfoText = 12,
        kWatchList = 12,
        kLineDisplay = 13,
        kStep = 14,
        kHalt = 15,
        kTrace = 16,
        kSet = 17,
    };

    // The window class's procedure: finds the Win32Desktop the window belongs to (stored at
    // creation) and hands the message to it.
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onSize(HWND window, int width, int height);
    void onCommand(HWND window, int id, int code);
    void onDebuggerCommand(int id, int code);
    void onStep();
    void onTrace();
    void onSet();
    void onWatchSelection();
    void onHalt();

    // Window creation (dialog_windows.cpp, debugger_window.cpp).
    HWND createTopWindow(DWORD exStyle, DWORD style, int x, int y, int width, int height);
    HWND createControl(HWND parent, const char* className, const char* text, int id, DWORD exStyle, DWORD style, int x,
                       int y, int width, int height);
    void createDebuggerWindow();
    void layoutDebugger(int width, int height);
    void fillWatchList(const std::vector<std::string>& entries);

    // Runs the message loop of a modal dialog until the dialog is done or the quit message comes;
    // the window's controls get their keyboard handling (Enter, Escape, Tab) through
    // IsDialogMessageA.
    void runModalLoop(HWND dialog);
    // Shows a filled dialog window, gives the focus to its main control and runs the loop; true
    // when the dialog ended with OK. endDialog hides it again once the answer is read.
    bool runDialog(HWND dialog, HWND focus);
    void endDialog(HWND dialog);
    HWND buttonWindow(DialogButton button) const;
    void applyInfoBoxVisibility();

    std::string dialogClassName_;
    int themeOffset_ = 0;
    // Captions and info box visibility set before the windows exist; applied when they are built.
    std::string buttonCaptions_[5];  // by DialogButton
    bool buttonCaptionSet_[5] = {};  // by DialogButton
    bool infoBoxVisible_ = false;

    // The shared dialog state: the window procedure sets it, the modal loops read it.
    bool dialogDone_ = false;  // set when a button or the close box ends a dialog
    int dialogResult_ = -1;    // 0 after OK, 1 after Cancel or close, -1 while no dialog runs

    HWND inputBox_ = nullptr;  // input box and its controls
    HWND inputPrompt_ = nullptr;
    HWND inputEntry_ = nullptr;
    HWND inputOk_ = nullptr;
    HWND inputCancel_ = nullptr;
    HWND editBox_ = nullptr;  // edit box and its controls
    HWND editText_ = nullptr;
    HWND editOk_ = nullptr;
    HWND editCancel_ = nullptr;
    HWND listBox_ = nullptr;  // list box and its controls
    HWND listList_ = nullptr;
    HWND listOk_ = nullptr;
    HWND infoBox_ = nullptr;  // info box and its text
    HWND infoText_ = nullptr;
    HWND debugger_ = nullptr;  // debugger window (interpreter only) and its controls
    HWND watchList_ = nullptr;
    HWND lineDisplay_ = nullptr;
    HWND stepButton_ = nullptr;
    HWND traceButton_ = nullptr;
    HWND valueEntry_ = nullptr;
    HWND setButton_ = nullptr;
    HWND haltButton_ = nullptr;
    DebuggerEvents* debuggerEvents_ = nullptr;  // the debugger's side; none until it is switched on
    bool haltPressed_ = false;                  // Halt or the close box; the next command is not run
};

}  // namespace platform
