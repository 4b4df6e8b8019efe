// The seam between a program and the desktop module (libvelmish_gtk.so), which the program loads
// at run time only when it shows windows, so that it starts on machines without GTK.
#pragma once

#include "platform/platform.h"

namespace platform {

// The module's one exported function, looked up by this name.
inline constexpr const char* kDesktopModuleEntry = "velmish_create_desktop";
// The module's file name, looked for beside the program and in the installed library folder.
inline constexpr const char* kDesktopModuleFile = "libvelmish_gtk.so";
// Raised whenever the Platform class or this signature changes, so that a program never uses a
// module built from other sources.
inline constexpr int kDesktopModuleVersion = 1;

// Builds the desktop front end around system, the platform that keeps the files, the
// environment, programs and system facts. On success the result owns system; nullptr (system
// untouched) when the version differs or no display can be opened. program: 0 the interpreter,
// 1 a compiled program.
using CreateDesktop = Platform* (*)(int version, Platform* system, int program);

}  // namespace platform
