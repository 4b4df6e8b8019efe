// A small modal tool window made of code-created controls: created once, hidden between uses.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace ide::win32 {

// The application's error box for an error that escaped a handler: the program goes on, with the
// document intact, instead of ending.
void showHandlerError(HWND owner, const std::exception& error);

// Runs a window procedure's handler. An error must not cross the system's code (it would end the
// program and lose the document): it is shown, afterError runs, and the message counts as handled.
template <typename Handler, typename AfterError>
LRESULT guarded(HWND owner, Handler handler, AfterError afterError) {
    try {
        return handler();
    } catch (const std::exception& error) {
        afterError();
        showHandlerError(owner, error);
        return 0;
    }
}
template <typename Handler>
LRESULT guarded(HWND owner, Handler handler) {
    return guarded(owner, handler, [] {});
}

class Form {
  public:
    virtual ~Form() = default;

    // Creates the hidden window with the given client size, centred on the desktop.
    void create(HINSTANCE instance, HWND owner, int clientWidth, int clientHeight);
    HWND hwnd() const { return hwnd_; }
    // Shows the form until a button or its close box ends it; true when it ended with OK.
    bool showModal();

  protected:
    // Builds the controls; called once by create.
    virtual void createControls() = 0;
    // Runs each time the form is shown.
    virtual void onShow() {}
    // A control's notification; IDOK and IDCANCEL close the form unless this returns true.
    virtual bool onCommand(int id, int code) {
        (void)id, (void)code;
        return false;
    }
    // Any other message; return true with the result set to handle it.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }

    HWND add(const char* windowClass, const char* text, DWORD style, int x, int y, int width, int height, int id,
             DWORD extendedStyle = 0);
    HWND control(int id) const { return GetDlgItem(hwnd_, id); }
    std::string controlText(int id) const;
    void setText(int id, const std::string& text) const { SetDlgItemTextA(hwnd_, id, text.c_str()); }
    bool checked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setChecked(int id, bool on) const { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }
    void close(bool ok);
    static HFONT boldFont(int points);

    HINSTANCE instance_ = nullptr;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool done_ = false;
    bool ok_ = false;
};

}  // namespace ide::win32
