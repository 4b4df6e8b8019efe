// The compiler's command line, console messages, output file and link hand-off.
#include "compiler/velcomp_driver.h"

#include <cstdio>

#include "compiler/compilation.h"
#include "compiler/orca.h"
#include "core/product.h"
#include "core/script_error.h"
#include "core/script_source.h"
#include "core/text.h"
#include "platform/file_system.h"

namespace compiler {

namespace {

constexpr std::string_view kBanner = "Velmish (c) 32-Bit v" VELMISH_LANGUAGE_VERSION
                                     ".0 Compiler v1.4.1\n"
                                     "Made by the Velmish developers for everyone who automates desktop work.\n"
                                     "Report problems and wishes on the Velmish project's issue tracker.\n"
                                     "\n";

constexpr std::string_view kUsage =
    "  Usage:   VELCOMP filename [options]\n\n"
    "    /L                  Automatic link\n"
    "    /R                  Run after compiler halt\n"
    "    /I:filename         Link Icon [filename]\n";

constexpr std::string_view kIconOption = "/I:";

// A file name as the host uses it: lower case where file names ignore case.
std::string hostFileName(const std::string& path, const HostConventions& host) {
    return host.lowerCaseFileNames ? interp::lowerCase(path) : path;
}

// Scripts name files relative to their own folder: the working directory becomes the script's
// directory. A path without a directory part keeps the working directory. Returns the script's
// path as seen from the new working directory: an absolute path stays as it is, a relative one
// with a directory part (sub/prog.vl) becomes its file name, since it no longer leads to the
// script from inside that directory.
std::string enterScriptDirectory(const std::string& scriptPath, const DriverSystem& system,
                                 const HostConventions& host) {
    size_t end = scriptPath.find_last_of(host.directorySeparators);
    if (end == std::string::npos || end == 0) return scriptPath;
    if (!system.changeDirectory(scriptPath.substr(0, end))) return scriptPath;
    bool absolute = host.directorySeparators.find(scriptPath[0]) != std::string_view::npos ||
                    (scriptPath.size() > 1 && scriptPath[1] == ':');
    return absolute ? scriptPath : scriptPath.substr(end + 1);
}

void showOrca(const DriverSystem& system) {
    system.print(orcaPicture());
    system.print("\nI hope you like orcas too :) ... press any key");
    system.waitForKey();
    system.print("\n");
}

DriverOptions readOptions(const std::vector<std::string>& args, const DriverSystem& system) {
    DriverOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "/L") {
            options.link = true;
        } else if (arg == "/R") {
            options.run = true;
        } else if (arg == "/E") {
            options.noWait = true;
        } else if (arg.starts_with(kIconOption)) {
            options.iconPath = arg.substr(kIconOption.size());
        } else if (arg == "/ORCA") {
            showOrca(system);
        } else {
            system.print("Error: Unknown command line option: " + arg + "\n");
            system.waitForKey();
        }
    }
    return options;
}

// The report on the console and, for editors, the error line on standard error; the script is
// named as it was given.
int reportCompileError(const CompileError& error, const std::string& givenScript, const std::string& outputName,
                       const DriverOptions& options, const DriverSystem& system, platform::FileSystem& files) {
    system.print("\n");
    system.print(compileErrorReport(error));
    if (system.printError) {
        system.printError(interp::diagnosticLine(givenScript, error.lineCounter - 1,
                                                 compileErrorMessage(error.number, error.filling)));
    }
    if (!options.noWait) system.waitForKey();
    files.removeFile(outputName);
    return 1;
}

// Writes and closes the output, which it takes over; false when anything failed.
bool writeOutput(std::FILE* output, const std::string& iconPath, const std::string& code) {
    std::string header = controlLine(iconPath);
    bool written = std::fwrite(header.data(), 1, header.size(), output) == header.size() &&
                   std::fwrite(code.data(), 1, code.size(), output) == code.size();
    return std::fclose(output) == 0 && written;
}

// vellink joins the code to the runtime; the linked program is named like the script with "exe".
// A linker that is missing or fails leaves the link control file in place, so the compiled code
// is not lost and can be linked later; the exit code says that there is no program.
int linkAndRun(const std::string& scriptArg, const std::string& outputName, const DriverOptions& options,
               const DriverSystem& system, platform::FileSystem& files, const HostConventions& host) {
    system.print("Automatic link...\n");
    std::string linker = system.ownDirectory() + std::string(host.linkerFileName);
    std::optional<int> linked = system.runAndWait(linker, outputName);
    if (!linked || *linked != 0) {
        system.print(linked ? std::string("Error: linking failed.\n") : "Error: linker not found: " + linker + "\n");
        system.print("The compiled code is kept in " + outputName + ".\n");
        return 1;
    }
    files.removeFile(outputName);
    if (!options.run) return 0;
    std::string program = replaceLastTwo(hostFileName(scriptArg, host), "exe");
    if (host.prefixBareProgramNames && program.find('/') == std::string::npos) program = "./" + program;
    system.runAndWait(program, "");
    return 0;
}

// Compiles the script into the link control file; returns the exit code (0 when it was written).
int compileIntoFile(const std::string& scriptPath, const std::string& givenScript, const std::string& outputName,
                    const DriverOptions& options, const DriverSystem& system, platform::FileSystem& files) {
    system.print("Compiling...");
    auto source = interp::ScriptSource::openFile(scriptPath);
    if (!source) {
        system.print("Error in file...");
        return 1;
    }
    files.removeFile(outputName);
    platform::Stream output = files.openFile(outputName, "ab");
    if (!output) {
        system.print("Error in COC output file...\n");
        return 1;
    }
    Compilation compilation = compileScript(std::move(source));
    if (compilation.error) {
        output.reset();  // nothing was written; the file is deleted next
        return reportCompileError(*compilation.error, givenScript, outputName, options, system, files);
    }
    if (!writeOutput(output.release(), options.iconPath, compilation.code)) {
        files.removeFile(outputName);
        system.print("Error in COC output file...\n");
        return 1;
    }
    system.print("Done\nTotal lines: ");
    system.print(std::to_string(compilation.lineCounter));
    system.print("\n");
    return 0;
}

}  // namespace

std::string controlLine(const std::string& iconPath) { return "COC2;170240;" + iconPath + ";velrun.rtl;\r\n"; }

std::string replaceLastTwo(const std::string& path, std::string_view replacement) {
    return path.substr(0, path.size() < 2 ? 0 : path.size() - 2) + std::string(replacement);
}

int runVelcomp(const std::vector<std::string>& args, const DriverSystem& system, platform::FileSystem& files,
               const HostConventions& host) {
    system.print(kBanner);
    if (args.empty()) {
        system.print(kUsage);
        system.waitForKey();
        return 0;
    }
    const std::string scriptArg = enterScriptDirectory(args[0], system, host);
    DriverOptions options = readOptions(args, system);
    std::string outputName = hostFileName(replaceLastTwo(scriptArg, "coc"), host);
    int code = compileIntoFile(hostFileName(scriptArg, host), args[0], outputName, options, system, files);
    if (code == 0 && options.link) code = linkAndRun(scriptArg, outputName, options, system, files, host);
    return code;
}

}  // namespace compiler
