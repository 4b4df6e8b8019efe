// velint: runs a script source file.
#include "interp/startup.h"
#include "platform/native_desktop.h"
#include "platform/system.h"

int main(int argc, char** argv) {
    platform::DesktopStart start = platform::createNativeDesktop(platform::Program::interpreter);
    if (!start.desktop) return platform::endWithoutDesktop(start);
    auto system = platform::createNativeSystem();
    auto raw = platform::rawCommandLine();
    interp::LaunchArgs args = raw ? interp::splitCommandLine(*raw) : interp::launchArgsFromArgv(argc, argv);
    return interp::runScript(*system, *start.desktop, args);
}
