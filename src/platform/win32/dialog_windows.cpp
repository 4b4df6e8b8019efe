// The window class shared by the interpreter's dialog windows: the hidden windows made at start-up,
// their window procedure, the modal loop and the settings scripts change through system variables.
#include "platform/program_icon.h"
#include "platform/win32/win32_desktop.h"

namespace platform {

namespace {

// Controls are children shown with their parent.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

std::string windowText(HWND window) {
    auto length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    auto copied = static_cast<int>(
        SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return text;
}

void setText(HWND window, const std::string& text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Win32Desktop::registerDialogClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = dialogClassName_.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

bool Win32Desktop::visualThemesActive() {
    // UxTheme.dll is missing on older systems, so it is looked up at run time.
    HMODULE uxTheme = LoadLibraryA("UxTheme.dll");
    if (!uxTheme) return false;
    using IsThemeActiveFunction = BOOL(WINAPI*)();
    auto isThemeActive =
        reinterpret_cast<IsThemeActiveFunction>(reinterpret_cast<void*>(GetProcAddress(uxTheme, "IsThemeActive")));
    return isThemeActive && isThemeActive() == 1;
}

// ---- Creation -------------------------------------------------------------------------------

HWND Win32Desktop::createTopWindow(DWORD exStyle, DWORD style, int x, int y, int width, int height) {
    // The object travels with the creation parameters, so the procedure knows it from WM_NCCREATE on.
    return CreateWindowExA(exStyle, dialogClassName_.c_str(), "", style, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), this);
}

HWND Win32Desktop::createControl(HWND parent, const char* className, const char* text, int id, DWORD exStyle,
                                 DWORD style, int x, int y, int width, int height) {
    HWND control =
        CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return control;
}

void Win32Desktop::createDialogWindows(int themeOffset) {
    themeOffset_ = themeOffset;
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);

    // The input box is placed by the full-screen client area (the screen without the task bar).
    inputBox_ = createTopWindow(0, WS_CAPTION | WS_SYSMENU, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - 150,
                                GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 55, 300, 102 + themeOffset);
    inputPrompt_ = createControl(inputBox_, "static", "", 0, 0, kChild, 5, 5, 280, 20);
    inputEntry_ = createControl(inputBox_, "edit", "", 0, WS_EX_CLIENTEDGE,
                                kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 5, 22, 285, 24);
    inputOk_ = createControl(inputBox_, "button", "", kInputOk, 0, kChild | WS_TABSTOP | BS_NOTIFY, 15, 50, 80, 25);
    inputCancel_ =
        createControl(inputBox_, "button", "", kInputCancel, 0, kChild | WS_TABSTOP | BS_NOTIFY, 200, 50, 80, 25);

    // Without WS_POPUP or WS_CHILD the window is an overlapped one, which always gets a caption.
    editBox_ = createTopWindow(0, WS_SYSMENU | WS_THICKFRAME, cx / 2 - 175, cy / 2 + themeOffset - 119, 350, 238);
    editText_ =
        createControl(editBox_, "edit", "", kEditText, WS_EX_CLIENTEDGE,
                      kChild | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL,
                      1, 1, 342, 180);
    editOk_ =
        createControl(editBox_, "button", "", kEditOk, 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 1, 185, 100, 25);
    editCancel_ = createControl(editBox_, "button", "", kEditCancel, 0, kChild | WS_TABSTOP, 242, 185, 100, 25);

    listBox_ = createTopWindow(0, WS_SYSMENU | WS_THICKFRAME, cx / 2 - 65, cy / 2 + themeOffset - 88, 130, 176);
    listList_ = createControl(listBox_, "listbox", "", kListList, WS_EX_CLIENTEDGE,
                              kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 1, 1, 122, 140);
    listOk_ =
        createControl(listBox_, "button", "", kListOk, 0, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 1, 125, 122, 24);

    infoBox_ = createTopWindow(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, WS_POPUPWINDOW, cx / 2 - 150, cy / 2 - 12, 300, 24);
    infoText_ = createControl(infoBox_, "static", "", kInfoText, 0, kChild | SS_CENTER, 0, 2, 300, 30);

    // Compiled programs have no debugger.
    if (dialogClassName_ == "Velmish 4") createDebuggerWindow();

    // Settings a script (or the start-up values) made before the windows existed.
    for (int button = 0; button < 5; ++button) {
        if (buttonCaptionSet_[button]) setButtonCaption(static_cast<DialogButton>(button), buttonCaptions_[button]);
    }
    if (infoBoxVisible_) applyInfoBoxVisibility();
}

// ---- Settings from system variables ------------------------------------------------------------

HWND Win32Desktop::buttonWindow(DialogButton button) const {
    switch (button) {
        case DialogButton::inputOk: return inputOk_;
        case DialogButton::inputCancel: return inputCancel_;
        case DialogButton::editOk: return editOk_;
        case DialogButton::editCancel: return editCancel_;
        case DialogButton::listOk: return listOk_;
    }
    return nullptr;
}

void Win32Desktop::setButtonCaption(DialogButton button, const std::string& caption) {
    auto index = static_cast<int>(button);
    buttonCaptions_[index] = caption;
    buttonCaptionSet_[index] = true;
    if (HWND window = buttonWindow(button)) setText(window, caption);
}

void Win32Desktop::setInfoBoxVisible(bool visible) {
    infoBoxVisible_ = visible;
    if (infoBox_) applyInfoBoxVisibility();
}

void Win32Desktop::applyInfoBoxVisibility() {
    if (infoBoxVisible_) {
        ShowWindow(infoBox_, SW_SHOW);
    } else {
        ShowWindow(infoBox_, SW_HIDE);
        // Keeps the box above other windows for the next time it is shown.
        SetWindowPos(infoBox_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    UpdateWindow(infoBox_);
}

// ---- The window procedure ----------------------------------------------------------------------

LRESULT CALLBACK Win32Desktop::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT Win32Desktop::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: onSize(window, LOWORD(lParam), HIWORD(lParam)); return 0;
        case WM_COMMAND: onCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_CLOSE:
            if (window == debugger_) onHalt();
            // The window stays; the dialog ends as after Cancel.
            dialogResult_ = 1;
            dialogDone_ = true;
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void Win32Desktop::onSize(HWND window, int width, int height) {
    // WM_SIZE during creation comes before the handles are stored and matches none of them.
    if (window == editBox_) {
        MoveWindow(editText_, 0, 0, width, height - 35, TRUE);
        MoveWindow(editOk_, 5, height - 28, 100, 25, TRUE);
        MoveWindow(editCancel_, width - 105, height - 28, 100, 25, TRUE);
    } else if (window == listBox_) {
        MoveWindow(listList_, 0, 0, width, height - 35, TRUE);
        MoveWindow(listOk_, 3, height - 28, width - 5, 25, TRUE);
    } else if (window == inputBox_) {
        MoveWindow(inputOk_, 15, height - 28, 80, 25, TRUE);
        MoveWindow(inputCancel_, width - 95, height - 28, 80, 25, TRUE);
    } else if (window == debugger_) {
        layoutDebugger(width, height);
    }
}

void Win32Desktop::onCommand(HWND window, int id, int code) {
    if (window == debugger_) {
        onDebuggerCommand(id, code);
        return;
    }
    // Focus changes of the BS_NOTIFY buttons and the edit controls' notifications are not clicks.
    if (code != 0) return;
    switch (id) {
        case kInputOk:
        case kListOk:
        case kEditOk:
            dialogResult_ = 0;
            dialogDone_ = true;
            break;
        case kInputCancel:
        case kEditCancel:
            dialogResult_ = 1;
            dialogDone_ = true;
            break;
        default: break;
    }
}

// ---- The modal loop -----------------------------------------------------------------------------

void Win32Desktop::runModalLoop(HWND dialog) {
    MSG message;
    while (!dialogDone_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

bool Win32Desktop::runDialog(HWND dialog, HWND focus) {
    ShowWindow(dialog, SW_SHOW);
    SetFocus(focus);
    runModalLoop(dialog);
    // After the quit message the answer is taken as the dialog stands: OK only if it was pressed.
    return dialogResult_ == 0;
}

void Win32Desktop::endDialog(HWND dialog) {
    ShowWindow(dialog, SW_HIDE);
    dialogResult_ = -1;
}

}  // namespace platform
