// The Win32 desktop is the native desktop on Windows.
#include "platform/native_desktop.h"

#include "platform/win32/win32_desktop.h"

namespace platform {

namespace {

// How many pixels taller the dialog windows are made, or placed lower, while visual themes are
// active: the themed frames are thicker.
constexpr int kThemeOffset = 10;

}  // namespace

DesktopStart createNativeDesktop(Program program) {
    auto desktop = std::make_unique<Win32Desktop>(program == Program::interpreter ? "Velmish 4" : "VL4RTL");
    // Without the window class the program ends at once, quietly, with exit code 0.
    if (!desktop->registerDialogClass()) return DesktopStart{};
    desktop->createDialogWindows(desktop->visualThemesActive() ? kThemeOffset : 0);
    return DesktopStart{std::move(desktop), 0, {}};
}

std::optional<std::string> rawCommandLine() {
    // The text after the program name and the blanks that follow it, as WinMain receives it.
    const char* line = GetCommandLineA();
    if (*line == '"') {
        ++line;
        while (*line && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t') ++line;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return std::string(line);
}

}  // namespace platform
