// The desktop of the machine the program runs on, and what it knows about how it was started.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/desktop.h"

namespace platform {

// Which program the desktop serves: the dialog window class is named after it.
enum class Program { interpreter, runtime };

// The desktop made at start-up, or why the program ends instead.
struct DesktopStart {
    std::unique_ptr<Desktop> desktop;  // nullptr when there is none: the program ends at once
    int exitCode = 0;                  // then the program's exit code
    std::string refusal;               // and the line it writes to standard error (none when empty)
};

// The Win32 desktop on Windows: it registers the dialog window class and creates the hidden dialog
// windows; without the class there is no desktop, and the program ends with exit code 0 without a
// word. On POSIX systems the terminal, or windows through the desktop module when a display is
// named (VL_UI chooses); VL_UI=desktop without windows ends the program with exit code 1 and a
// line that says why.
DesktopStart createNativeDesktop(Program program);

// For main when the start made no desktop: writes the refusal, if any, to standard error and gives
// the exit code.
inline int endWithoutDesktop(const DesktopStart& start) {
    if (!start.refusal.empty()) std::fprintf(stderr, "%s\n", start.refusal.c_str());
    return start.exitCode;
}

// On Windows, the command-line text after the program name, which the program splits itself;
// nullopt where the system hands over an argument vector instead.
std::optional<std::string> rawCommandLine();

}  // namespace platform
