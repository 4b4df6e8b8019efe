// Start-up of a compiled program and its system variables, named by index.
#include "runtime/runtime_startup.h"

#include "interp/startup.h"
#include "interp/variable_table.h"
#include "runtime/executor.h"

namespace runtime {

namespace {

void createSystemVariables(interp::VariableTable& vars, platform::Platform& system, const std::string& command,
                           const std::string& ownPath) {
    using V = interp::SystemVariable;
    auto declare = [&](V variable) { vars.declare(vars.nameOf(variable)); };
    declare(V::errorcode);
    vars.set(V::command, command);
    vars.set(V::current, system.currentDirectory());
    vars.set(V::ownname, ownPath);
    vars.set(V::Echo_Title, "Velmish Echo");
    vars.set(V::Confirm_Title, "Velmish Confirmation");
    vars.set(V::windir, system.environmentVariable("windir"));
    declare(V::time);
    vars.set(V::winvers, interp::windowsVersionName(system.windowsVersion()));
    vars.set(V::curuser, system.userName().value_or("unknown"));
    declare(V::year);
    declare(V::month);
    declare(V::day);
    vars.set(V::IBox_Ok, "Ok");
    vars.set(V::IBox_Cancel, "Cancel");
    vars.set(V::OpenBox_MultiSel, "-1");
    vars.set(V::SaveBox_MultiSel, "-1");
    vars.set(V::EditBox_Ok, "&Ok");
    vars.set(V::EditBox_Cancel, "&Cancel");
    vars.set(V::EditBox_Width, "350");
    vars.set(V::EditBox_Height, "238");
    vars.set(V::ListBox_Width, "130");
    vars.set(V::ListBox_Height, "176");
    vars.set(V::ListBox_Ok, "&Ok");
    vars.set(V::new_line, "\n");
    vars.set(V::InfoBox_Width, "300");
    vars.set(V::InfoBox_Height, "24");
    vars.set(V::InfoBox_Enabled, "-1");
    vars.set(V::VL_Version, "4.3");
    vars.set(V::VL_Pro, "0");
}

int startAndRun(platform::Platform& platform, const std::string& command, const std::string& ownPath,
                std::unique_ptr<CodeImage> code) {
    interp::VariableTable vars(platform, interp::NameScheme::indexNames);
    createSystemVariables(vars, platform, command, ownPath);
    Executor executor(platform, vars, std::move(code));
    return executor.run();
}

}  // namespace

int runProgram(platform::Platform& platform, const std::string& command, const std::string& ownPath,
               std::uint32_t codeOffset) {
    if (!platform.registerDialogClass()) return 0;
    platform.createDialogWindows(platform.visualThemesActive() ? 10 : 0);
    auto code = CodeImage::readFile(ownPath, codeOffset);
    if (!code) {
        platform.errorBox("Error in file", "VL4", platform::style::kIconError);
        return 1;
    }
    return startAndRun(platform, command, ownPath, std::move(code));
}

int runCode(platform::Platform& platform, const std::string& command, const std::string& ownPath,
            std::unique_ptr<CodeImage> code) {
    if (!platform.registerDialogClass()) return 0;
    platform.createDialogWindows(platform.visualThemesActive() ? 10 : 0);
    return startAndRun(platform, command, ownPath, std::move(code));
}

}  // namespace runtime
