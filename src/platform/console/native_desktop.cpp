// The native desktop on POSIX systems: windows through the desktop module when there is a
// display and the module loads, else the terminal.
#include "platform/native_desktop.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "platform/console/console_desktop.h"
#include "platform/console/front_end.h"
#include "platform/console/lazy_desktop.h"
#include "platform/desktop_module.h"
#include "platform/process.h"

namespace platform {

namespace {

// Loads the first desktop module found and builds the windows around the terminal front end;
// nullptr when there is no module or it cannot open the display (what failed goes to why). The
// module stays loaded for the life of the process: GTK cannot be unloaded.
Desktop* loadDesktop(Desktop* console, Program program, std::string& why) {
    why = "no desktop module " + std::string(kDesktopModuleFile) + " was found";
    for (const std::string& path : desktopModuleCandidates(ownDirectory(), installedModuleDir())) {
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            // A module that is there but does not load (GTK missing) is worth naming.
            if (::access(path.c_str(), F_OK) == 0) why = ::dlerror();
            continue;
        }
        auto create = reinterpret_cast<CreateDesktop>(::dlsym(module, kDesktopModuleEntry));
        if (!create) {
            why = path + " is no desktop module";
            continue;
        }
        Desktop* desktop = create(kDesktopModuleVersion, console, program == Program::interpreter ? 0 : 1);
        if (desktop) return desktop;
        why = "the desktop module could not open the display";
        return nullptr;
    }
    return nullptr;
}

// Does nothing: the signal is caught only so that a write past the file-size limit (ulimit -f)
// fails with EFBIG, as any failed write does, instead of ending the program. Unlike an ignored
// signal, a caught one is back at its default in the programs that SHELL and RUN start.
void onFileSizeLimit(int) {}

void catchFileSizeLimit() {
    struct sigaction action {};
    action.sa_handler = onFileSizeLimit;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}

bool displayNamed() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

DesktopStart createNativeDesktop(Program program) {
    std::ios::sync_with_stdio(false);
    catchFileSizeLimit();
    auto console = std::make_unique<ConsoleDesktop>(std::cin, std::cout, std::cerr);
    FrontEnd frontEnd = chooseFrontEnd(std::getenv("VL_UI"), displayNamed());
    if (frontEnd == FrontEnd::console) return DesktopStart{std::move(console), 0, {}};
    // Loading the desktop module and opening the display take far longer than a short script
    // runs: they wait for the first window. Only VL_UI=desktop asks at once, to refuse a start
    // without windows.
    if (frontEnd == FrontEnd::desktopIfPossible) {
        auto lazy = std::make_unique<LazyDesktop>(std::move(console), [program](Desktop* terminal) {
            std::string why;
            return loadDesktop(terminal, program, why);
        });
        return DesktopStart{std::move(lazy), 0, {}};
    }
    std::string why;
    if (Desktop* desktop = loadDesktop(console.get(), program, why)) {
        (void)console.release();  // the desktop owns it now
        return DesktopStart{std::unique_ptr<Desktop>(desktop), 0, {}};
    }
    std::string refusal = "VL_UI=desktop, but no windows can be shown: ";
    refusal += displayNamed() ? why : "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return DesktopStart{nullptr, 1, refusal};
}

std::optional<std::string> rawCommandLine() { return std::nullopt; }

}  // namespace platform
