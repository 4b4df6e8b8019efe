// Turning a command line into the script path and [command].
#include "core/text.h"
#include "interp/startup.h"

namespace interp {

LaunchArgs splitCommandLine(std::string_view commandLine) {
    char delimiter = ' ';
    if (!commandLine.empty() && commandLine.front() == '"') {
        commandLine.remove_prefix(1);
        delimiter = '"';
    }
    size_t end = commandLine.find(delimiter);
    LaunchArgs args;
    args.scriptPath = std::string(commandLine.substr(0, end));
    if (end != std::string_view::npos) {
        std::string_view rest = commandLine.substr(end + 1);
        args.command = rest == " " ? std::string() : trimBlanks(rest);
    }
    return args;
}

LaunchArgs launchArgsFromArgv(int argc, const char* const* argv) {
    LaunchArgs args;
    if (argc >= 2) args.scriptPath = argv[1];
    if (argc >= 3) {
        std::string joined = argv[2];
        for (int i = 3; i < argc; ++i) joined += std::string(" ") + argv[i];
        args.command = trimBlanks(joined);
    }
    return args;
}

}  // namespace interp
