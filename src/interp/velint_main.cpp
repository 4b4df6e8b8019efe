// velint: runs a script source file.
#include "interp/startup.h"
#include "platform/native_platform.h"

int main(int argc, char** argv) {
    auto platform = platform::createNativePlatform(platform::Program::interpreter);
    auto raw = platform::rawCommandLine();
    interp::LaunchArgs args = raw ? interp::splitCommandLine(*raw) : interp::launchArgsFromArgv(argc, argv);
    return interp::runScript(*platform, args);
}
