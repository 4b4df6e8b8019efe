// Start-up of a compiled program and its system variables, named by index.
#include "runtime/runtime_startup.h"

#include "core/system_variables.h"
#include "core/variable_table.h"
#include "core/windows_version.h"
#include "runtime/executor.h"

namespace runtime {

namespace {

constexpr const char* kDamagedProgramText = "The program is damaged: its code is incomplete.";

void createSystemVariables(interp::VariableTable& vars, platform::Platform& system, const std::string& command,
                           const std::string& ownPath) {
    using V = interp::SystemVariable;
    auto declare = [&](V variable) { vars.declare(vars.nameOf(variable)); };
    declare(V::errorcode);
    vars.set(V::command, command);
    vars.set(V::current, system.currentDirectory());
    vars.set(V::ownname, ownPath);
    interp::setFixedStartValues(vars, {V::Echo_Title, V::Confirm_Title});
    vars.set(V::windir, system.environmentVariable("windir"));
    declare(V::time);
    vars.set(V::winvers, interp::windowsVersionName(system.windowsVersion()));
    vars.set(V::curuser, system.userName().value_or("unknown"));
    declare(V::year);
    declare(V::month);
    declare(V::day);
    vars.set(V::IBox_Ok, "Ok");  // the interpreter starts with "OK"
    interp::setFixedStartValues(
        vars, {V::IBox_Cancel, V::OpenBox_MultiSel, V::SaveBox_MultiSel, V::EditBox_Ok, V::EditBox_Cancel,
               V::EditBox_Width, V::EditBox_Height, V::ListBox_Width, V::ListBox_Height, V::ListBox_Ok, V::new_line,
               V::InfoBox_Width, V::InfoBox_Height, V::InfoBox_Enabled, V::VL_Version, V::VL_Pro});
}

int startAndRun(platform::Platform& platform, const std::string& command, const std::string& ownPath,
                std::unique_ptr<CodeImage> code, const interp::RunLimits& limits = {}) {
    interp::VariableTable vars(platform, interp::NameScheme::indexNames);
    vars.valueLimit = limits.valueLength;
    createSystemVariables(vars, platform, command, ownPath);
    Executor executor(platform, vars, std::move(code), limits.commands);
    return executor.run();
}

}  // namespace

int runProgram(platform::Platform& platform, const std::string& command, const std::string& ownPath,
               std::uint32_t codeOffset) {
    auto code = CodeImage::readFile(ownPath, codeOffset);
    if (!code) {
        platform.errorBox("Error in file", "VL4", platform::style::kIconError);
        return 1;
    }
    // Code that was cut off or changed at its end is not run: any part of it may be missing.
    if (!code->empty() && !code->endsWithEndMarker()) {
        platform.errorBox(kDamagedProgramText, "VL4", platform::style::kIconError);
        return 1;
    }
    return startAndRun(platform, command, ownPath, std::move(code));
}

int runCode(platform::Platform& platform, const std::string& command, const std::string& ownPath,
            std::unique_ptr<CodeImage> code, const interp::RunLimits& limits) {
    return startAndRun(platform, command, ownPath, std::move(code), limits);
}

}  // namespace runtime
