// Start-up, the command loop and the end of a script run.
#include <new>

#include "core/product.h"
#include "core/script_error.h"
#include "core/system_start.h"
#include "interp/interpreter.h"
#include "interp/startup.h"
#include "platform/environment.h"

namespace interp {

namespace {

constexpr const char* kInterpreterVersion = "1.6.7Pro";
// Longest script path the interpreter accepts (its path buffer holds 2047 characters).
constexpr size_t kMaxScriptPath = 2047;

// With VL_DIAGNOSTICS=1 the error line an editor reads, naming the script as it was named on the
// command line, first, so that the editor shows the line while the error box waits; then the box.
void reportError(Interpreter& in, const ScriptError& error) {
    if (in.system.processEnvironment().value(kDiagnosticsVariable) == "1") {
        in.desktop.writeDiagnostic(diagnosticLine(in.scriptPath, in.reader.line(), errorMessage(error)));
    }
    in.desktop.errorBox(errorBoxText(in.reader.line(), error), kErrorBoxCaption, kErrorBoxStyle);
}

// Runs commands until the script ends; returns the exit code.
int commandLoop(Interpreter& in) {
    try {
        auto nextLine = [&in] { return upcomingLine(in); };
        in.debugger.applyEnvironment(nextLine);
        while (!in.reader.atEnd()) {
            if (in.commandsLeft-- == 0) return 0;
            if (in.debugger.active()) in.debugger.beforeCommand(nextLine);
            if (commandStep(in) < 0) throw ScriptError{kUnknownInstruction, in.currentKeyword()};
        }
        return 0;
    } catch (const ScriptExit& exit) {
        return exit.code;
    } catch (const ScriptError& error) {
        reportError(in, error);
        return 1;
    } catch (const std::bad_alloc&) {
        reportError(in, ScriptError{kOutOfMemory, {}});
        return 1;
    }
}

// Start-up from the system variables on, then the command loop.
int runOpenScript(platform::System& system, platform::Desktop& desktop, const LaunchArgs& args,
                  std::unique_ptr<ScriptSource> source, const RunLimits& limits = {}) {
    Interpreter in(system, desktop, std::move(source), args.scriptPath);
    in.commandsLeft = limits.commands;
    in.vars.valueLimit = limits.valueLength;
    createSystemVariables(in.vars, system, Runner::interpreter, StartFacts{args.command, in.scriptPath});
    return commandLoop(in);
}

}  // namespace

std::string upcomingLine(const Interpreter& in) { return upcomingScriptLine(in.reader.text(), in.reader.offset()); }

std::string bannerText() {
    return std::string("Velmish v" VELMISH_LANGUAGE_VERSION " Interpreter ") + kInterpreterVersion +
           "\nWritten by the Velmish developers.\n\nReport problems and ideas to the Velmish project.";
}

int runScript(platform::System& system, platform::Desktop& desktop, const LaunchArgs& args) {
    if (args.scriptPath.empty()) {
        desktop.errorBox(bannerText(), "ERROR: No input file.", platform::style::kIconInformation);
        return 1;
    }
    auto source = args.scriptPath.size() > kMaxScriptPath ? nullptr : ScriptSource::openFile(args.scriptPath);
    if (!source) {
        desktop.errorBox("File does not exists.", "ERROR", platform::style::kIconError);
        return 1;
    }
    return runOpenScript(system, desktop, args, std::move(source));
}

int runScriptSource(platform::System& system, platform::Desktop& desktop, const LaunchArgs& args,
                    std::unique_ptr<ScriptSource> source, const RunLimits& limits) {
    return runOpenScript(system, desktop, args, std::move(source), limits);
}

Interpreter::Interpreter(platform::System& system, platform::Desktop& desktop, std::unique_ptr<ScriptSource> source,
                         std::string path)
    : system(system),
      desktop(desktop),
      scriptPath(std::move(path)),
      reader(std::move(source)),
      vars(system, desktop, NameScheme::scriptNames) {}

}  // namespace interp
