// velint: runs a script source file.
#include "interp/startup.h"
#include "platform/native_platform.h"

int main(int argc, char** argv) {
    auto platform = platform::createNativePlatform(platform::Program::interpreter);
    // Without its dialog windows the interpreter ends at once, quietly, with exit code 0.
    if (!platform) return 0;
    auto raw = platform::rawCommandLine();
    interp::LaunchArgs args = raw ? interp::splitCommandLine(*raw) : interp::launchArgsFromArgv(argc, argv);
    return interp::runScript(*platform, args);
}
