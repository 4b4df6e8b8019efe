// Which front end a POSIX program uses, the terminal or windows, and where it finds its modules.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class FrontEnd {
    console,            // the terminal, without trying windows
    desktopIfPossible,  // windows when the module loads and a display opens, else the terminal
    desktopRequired,    // windows or a message and exit code 1
};

// The choice from VL_UI (nullptr when unset) and whether DISPLAY or WAYLAND_DISPLAY names a
// display: "console" and "desktop" (any case) decide; otherwise windows are tried with a display.
FrontEnd chooseFrontEnd(const char* vlUi, bool displayNamed);

// Where a module (fileName) is looked for, in order: beside the program, in lib/velmish beside the
// program's bin folder (an installed tree, wherever it lies), in the installed library folder of
// this build (installedDir, empty when the build knows none), then where the Debian package puts
// it: a compiled program may lie anywhere and finds the module only in the last two. Repeats are
// left out.
std::vector<std::string> moduleCandidates(const std::string& fileName, const std::string& programDir,
                                          const std::string& installedDir);
// The installed library folder of this build (the install prefix's lib/velmish); empty when the
// build knows none.
const char* installedModuleDir();
// The places of the desktop module.
std::vector<std::string> desktopModuleCandidates(const std::string& programDir, const std::string& installedDir);

}  // namespace platform
