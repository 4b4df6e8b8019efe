// Start-up of the interpreter and the run of one script.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/run_limits.h"
#include "core/script_source.h"
#include "core/windows_version.h"
#include "platform/desktop.h"
#include "platform/system.h"

namespace interp {

// The script path and the text that becomes [command].
struct LaunchArgs {
    std::string scriptPath;
    std::optional<std::string> command;  // nullopt: [command] is declared empty
};

// Splits the command-line text that follows the program name: a path (in double quotes when it
// holds blanks) and the parameters, trimmed of blanks.
LaunchArgs splitCommandLine(std::string_view commandLine);

// The same from an argument vector: the first argument is the path, the others joined by one
// blank and trimmed are the parameters.
LaunchArgs launchArgsFromArgv(int argc, const char* const* argv);

// The text of the box shown when no script is given.
std::string bannerText();

// Runs the whole life of one script: start-up, the command loop and the end. Returns the exit
// code: 0 at the normal end, 1 after an error, or the HALT value.
int runScript(platform::System& system, platform::Desktop& desktop, const LaunchArgs& args);

// The same for a script already in memory (args.scriptPath only names it); unit tests and the
// fuzzers use this, the fuzzers with limits.
int runScriptSource(platform::System& system, platform::Desktop& desktop, const LaunchArgs& args,
                    std::unique_ptr<ScriptSource> source, const RunLimits& limits = {});

}  // namespace interp
