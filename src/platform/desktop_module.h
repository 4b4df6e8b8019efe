// The seam between a program and the desktop module (libvelmish_gtk.so), which the program loads
// at run time only when it shows windows, so that it starts on machines without GTK.
#pragma once

#include "platform/desktop.h"

namespace platform {

// The module's one exported function, looked up by this name.
inline constexpr const char* kDesktopModuleEntry = "velmish_create_desktop";
// The module's file name, looked for beside the program and in the installed library folder.
inline constexpr const char* kDesktopModuleFile = "libvelmish_gtk.so";
// Raised whenever the Desktop class or this signature changes, so that a program never uses a
// module built from other sources.
inline constexpr int kDesktopModuleVersion = 2;

// Builds the desktop front end around console, the terminal front end, which keeps MCI's devices
// and the clipboard where the display has none. On success the result owns console; nullptr
// (console untouched) when the version differs or no display can be opened. program: 0 the
// interpreter, 1 a compiled program.
using CreateDesktop = Desktop* (*)(int version, Desktop* console, int program);

}  // namespace platform
