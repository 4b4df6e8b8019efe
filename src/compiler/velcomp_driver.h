// velcomp's main sequence: banner, options, compilation into the link control file, and the
// hand-off to vellink and the linked program.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/host_conventions.h"

namespace platform {
class FileSystem;
}

namespace compiler {

// What the driver asks of the system; main passes the real console and processes, tests fakes.
struct DriverSystem {
    std::function<void(std::string_view)> print;              // console text
    std::function<void(std::string_view)> printError;         // standard error: the error line
    std::function<void()> waitForKey;                         // one key, no echo
    std::function<std::string()> ownDirectory;                // with its trailing separator
    std::function<bool(const std::string&)> changeDirectory;  // false on failure
    // Program, argument; the program's exit code, nullopt when it could not be started.
    std::function<std::optional<int>(const std::string&, const std::string&)> runAndWait;
};

// The settings taken from the options after the script path.
struct DriverOptions {
    bool link = false;     // /L: start vellink after a successful compilation
    bool run = false;      // /R: with /L, start the linked program afterwards
    bool noWait = false;   // /E: a compile error does not wait for a key
    std::string iconPath;  // /I:path, the last one given
};

// The control line in front of the code: "COC2;170240;<icon>;velrun.rtl;" and CR LF.
std::string controlLine(const std::string& iconPath);

// The path with its last two characters replaced ("prog.vl" and "coc" give "prog.coc").
std::string replaceLastTwo(const std::string& path, std::string_view replacement);

// Runs velcomp with the arguments after the program name; files holds the link control file it
// writes. Returns the exit code.
int runVelcomp(const std::vector<std::string>& args, const DriverSystem& system, platform::FileSystem& files,
               const HostConventions& host);

}  // namespace compiler
