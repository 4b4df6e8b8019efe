// velcomp: compiles a script into a link control file and, on request, links and runs it.
#include <cstdio>
#include <string>
#include <vector>

#include "compiler/host_conventions.h"
#include "compiler/velcomp_driver.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/system.h"

int main(int argc, char** argv) {
    platform::useConsoleForMissingStreams();
    auto native = platform::createNativeSystem();
    platform::FileSystem& files = native->files();
    compiler::DriverSystem system{
        // The console text is velcomp's report to the person at the console; where it cannot be
        // written (a closed or full output) the exit code still tells whether a program was made.
        [](std::string_view text) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);  // before key waits and before other programs write
        },
        [](std::string_view text) {
            std::fwrite(text.data(), 1, text.size(), stderr);
            std::fflush(stderr);
        },
        platform::waitForKey,
        platform::ownDirectory,
        [&files](const std::string& directory) { return files.changeDirectory(directory); },
        platform::runAndWait,
    };
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return compiler::runVelcomp(args, system, files, compiler::nativeConventions());
}
