// The native platform on POSIX systems: windows through the desktop module when there is a
// display and the module loads, else the terminal.
#include "platform/native_platform.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "platform/desktop_module.h"
#include "platform/posix/console_platform.h"
#include "platform/posix/front_end.h"
#include "platform/posix/lazy_desktop.h"
#include "platform/process.h"

namespace platform {

namespace {

// Loads the first desktop module found and builds the windows around system; nullptr when there
// is no module or it cannot open the display (what failed goes to why). The module stays loaded
// for the life of the process: GTK cannot be unloaded.
Platform* loadDesktop(Platform* system, Program program, std::string& why) {
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
        Platform* desktop = create(kDesktopModuleVersion, system, program == Program::interpreter ? 0 : 1);
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

std::unique_ptr<Platform> createNativePlatform(Program program) {
    std::ios::sync_with_stdio(false);
    catchFileSizeLimit();
    auto console = std::make_unique<ConsolePlatform>(std::cin, std::cout, std::cerr);
    FrontEnd frontEnd = chooseFrontEnd(std::getenv("VL_UI"), displayNamed());
    if (frontEnd == FrontEnd::console) return console;
    // Loading the desktop module and opening the display take far longer than a short script
    // runs: they wait for the first window. Only VL_UI=desktop asks at once, to refuse a start
    // without windows.
    if (frontEnd == FrontEnd::desktopIfPossible) {
        return std::make_unique<LazyDesktop>(std::move(console), [program](Platform* system) {
            std::string why;
            return loadDesktop(system, program, why);
        });
    }
    std::string why;
    if (Platform* desktop = loadDesktop(console.get(), program, why)) {
        console.release();  // the desktop owns it now
        return std::unique_ptr<Platform>(desktop);
    }
    if (frontEnd == FrontEnd::desktopRequired) {
        std::cerr << "VL_UI=desktop, but no windows can be shown: "
                  << (displayNamed() ? why : "neither DISPLAY nor WAYLAND_DISPLAY is set") << '\n';
        std::exit(1);
    }
    return console;
}

std::optional<std::string> rawCommandLine() { return std::nullopt; }

}  // namespace platform
