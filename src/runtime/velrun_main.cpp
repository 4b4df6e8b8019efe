// velrun: the runtime of compiled programs; runs the code appended to its own executable.
#include "platform/native_desktop.h"
#include "platform/process.h"
#include "platform/system.h"
#include "runtime/code_offset.h"
#include "runtime/runtime_startup.h"

int main(int argc, char** argv) {
    platform::DesktopStart start = platform::createNativeDesktop(platform::Program::runtime);
    if (!start.desktop) return platform::endWithoutDesktop(start);
    auto system = platform::createNativeSystem();
    // [command] is the text after the program name as the system passes it, not trimmed.
    auto raw = platform::rawCommandLine();
    std::string command = raw.value_or("");
    for (int i = 1; !raw && i < argc; ++i) {
        if (i > 1) command += ' ';
        command += argv[i];
    }
    return runtime::runProgram(*system, *start.desktop, command, platform::ownExecutablePath(), runtime::codeOffset());
}
