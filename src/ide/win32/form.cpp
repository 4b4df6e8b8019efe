// The modal tool windows of velide: one window class, a nested message loop per use.
#include "ide/win32/form.h"

#include "ide/fixed_texts.h"

namespace ide::win32 {

void showHandlerError(HWND owner, const std::exception& error) {
    MessageBoxA(owner, error.what(), std::string(kApplicationTitle).c_str(), MB_ICONERROR);
}

namespace {

const char* const kFormClass = "VelideForm";

void registerFormClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, kFormClass, &windowClass)) return;
    windowClass.lpfnWndProc = DefWindowProcA;  // replaced per window by the form's own procedure
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    RegisterClassA(&windowClass);
}

}  // namespace

void Form::create(HINSTANCE instance, HWND owner, int clientWidth, int clientHeight) {
    instance_ = instance;
    owner_ = owner;
    registerFormClass(instance);
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD extended = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, extended);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    hwnd_ = CreateWindowExA(extended, kFormClass, "", style, x, y, width, height, owner, nullptr, instance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::windowProc));
    createControls();
}

HWND Form::add(const char* windowClass, const char* text, DWORD style, int x, int y, int width, int height, int id,
               DWORD extendedStyle) {
    HWND child = CreateWindowExA(extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

std::string Form::controlText(int id) const {
    HWND child = control(id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(child)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT Form::boldFont(int points) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

void Form::close(bool ok) {
    ok_ = ok;
    done_ = true;
}

// The owner is disabled meanwhile, as a modal dialog does; IsDialogMessage gives Tab, Enter
// (IDOK) and Escape (IDCANCEL) their dialog meaning.
bool Form::showModal() {
    done_ = false;
    ok_ = false;
    EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    onShow();
    MSG message;
    bool quit = false;
    while (!done_) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (IsDialogMessageA(hwnd_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    EnableWindow(owner_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
    SetActiveWindow(owner_);
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
    return ok_;
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
    return guarded(hwnd, [&] { return form->handle(message, wParam, lParam); });
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (onMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (onCommand(id, HIWORD(wParam))) return 0;
            if (id == IDOK || id == IDCANCEL) close(id == IDOK);
            return 0;
        }
        case WM_CLOSE: close(false); return 0;
        default: return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

}  // namespace ide::win32
