// velrun: the runtime of compiled programs; runs the code appended to its own executable.
#include "platform/native_platform.h"
#include "platform/process.h"
#include "runtime/code_offset.h"
#include "runtime/runtime_startup.h"

int main(int argc, char** argv) {
    auto platform = platform::createNativePlatform(platform::Program::runtime);
    // Without its dialog windows a compiled program ends at once, quietly, with exit code 0.
    if (!platform) return 0;
    // [command] is the text after the program name as the system passes it, not trimmed.
    auto raw = platform::rawCommandLine();
    std::string command = raw.value_or("");
    for (int i = 1; !raw && i < argc; ++i) {
        if (i > 1) command += ' ';
        command += argv[i];
    }
    return runtime::runProgram(*platform, command, platform::ownExecutablePath(), runtime::codeOffset());
}
