// The window class shared by the interpreter's dialog windows, and their settings.
#include "platform/win32/win32_platform.h"

namespace platform {

namespace {

constexpr int kProgramIconId = 1000;

LRESULT CALLBACK dialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool Win32Platform::registerDialogClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = dialogWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = dialogClassName_.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

bool Win32Platform::visualThemesActive() {
    // UxTheme.dll is missing on older systems, so it is looked up at run time.
    HMODULE uxTheme = LoadLibraryA("UxTheme.dll");
    if (!uxTheme) return false;
    using IsThemeActiveFunction = BOOL(WINAPI*)();
    auto isThemeActive = reinterpret_cast<IsThemeActiveFunction>(
        reinterpret_cast<void*>(GetProcAddress(uxTheme, "IsThemeActive")));
    return isThemeActive && isThemeActive() == 1;
}

void Win32Platform::createDialogWindows(int themeOffset) { themeOffset_ = themeOffset; }

void Win32Platform::setButtonCaption(DialogButton button, const std::string& caption) {
    buttonCaptions_[static_cast<int>(button)] = caption;
}

void Win32Platform::setInfoBoxVisible(bool visible) { infoBoxVisible_ = visible; }

}  // namespace platform
