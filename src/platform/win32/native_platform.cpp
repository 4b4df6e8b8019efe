// The Win32 desktop is the native platform on Windows.
#include "platform/native_platform.h"

#include "platform/win32/win32_platform.h"

namespace platform {

namespace {

// How many pixels taller the dialog windows are made, or placed lower, while visual themes are
// active: the themed frames are thicker.
constexpr int kThemeOffset = 10;

}  // namespace

std::unique_ptr<Platform> createNativePlatform(Program program) {
    auto desktop = std::make_unique<Win32Platform>(program == Program::interpreter ? "Velmish 4" : "VL4RTL");
    if (!desktop->registerDialogClass()) return nullptr;
    desktop->createDialogWindows(desktop->visualThemesActive() ? kThemeOffset : 0);
    return desktop;
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
