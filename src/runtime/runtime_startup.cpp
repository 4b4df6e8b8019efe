// Start-up of a compiled program and its system variables, named by index.
#include "runtime/runtime_startup.h"

#include "core/system_start.h"
#include "core/variable_table.h"
#include "runtime/executor.h"

namespace runtime {

namespace {

constexpr const char* kDamagedProgramText = "The program is damaged: its code is incomplete.";

int startAndRun(platform::System& system, platform::Desktop& desktop, const std::string& command,
                const std::string& ownPath, std::unique_ptr<code::CodeImage> code,
                const interp::RunLimits& limits = {}) {
    interp::VariableTable vars(system, desktop, interp::NameScheme::indexNames);
    vars.valueLimit = limits.valueLength;
    interp::createSystemVariables(vars, system, interp::Runner::compiled, interp::StartFacts{command, ownPath});
    Executor executor(system, desktop, vars, std::move(code), limits.commands);
    return executor.run();
}

}  // namespace

int runProgram(platform::System& system, platform::Desktop& desktop, const std::string& command,
               const std::string& ownPath, std::uint32_t codeOffset) {
    auto code = code::CodeImage::readFile(ownPath, codeOffset);
    if (!code) {
        desktop.errorBox("Error in file", "VL4", platform::style::kIconError);
        return 1;
    }
    // Code that was cut off or changed at its end is not run: any part of it may be missing.
    if (!code->empty() && !code->endsWithEndMarker()) {
        desktop.errorBox(kDamagedProgramText, "VL4", platform::style::kIconError);
        return 1;
    }
    return startAndRun(system, desktop, command, ownPath, std::move(code));
}

int runCode(platform::System& system, platform::Desktop& desktop, const std::string& command,
            const std::string& ownPath, std::unique_ptr<code::CodeImage> code, const interp::RunLimits& limits) {
    return startAndRun(system, desktop, command, ownPath, std::move(code), limits);
}

}  // namespace runtime
