// The start values of the system variables.
#include "core/system_start.h"

#include "core/product.h"
#include "core/system_variables.h"
#include "core/windows_version.h"
#include "platform/environment.h"

namespace interp {

namespace {

using S = StartsWith;

constexpr StartValue text(std::string_view value) { return StartValue{S::text, value}; }

// In velint's order of creation; a compiled program creates them in the same order.
constexpr SystemVariableStart kStarts[] = {
    {"command", {S::commandLine}, {S::commandLine}},
    {"errorcode", {S::empty}, {S::empty}},
    {"ownname", {S::ownName}, {S::ownName}},
    {"Echo_Title", text("Velmish Echo"), text("Velmish Echo")},
    {"Confirm_Title", text("Velmish Confirmation"), text("Velmish Confirmation")},
    {"windir", {S::windowsFolder}, {S::windowsFolder}},
    {"IBox_Ok", text("OK"), text("Ok")},
    {"IBox_Cancel", text("Cancel"), text("Cancel")},
    {"current", {S::currentFolder}, {S::currentFolder}},
    {"curuser", {S::userName}, {S::userName}},
    {"winvers", {S::windowsVersion}, {S::windowsVersion}},
    // The date and time are read whenever a script reads them.
    {"day", {S::empty}, {S::empty}},
    {"year", {S::empty}, {S::empty}},
    {"month", {S::empty}, {S::empty}},
    {"time", {S::empty}, {S::empty}},
    // No multi-selection in the file boxes.
    {"OpenBox_MultiSel", text("-1"), text("-1")},
    {"SaveBox_MultiSel", text("-1"), text("-1")},
    {"EditBox_Ok", text("&Ok"), text("&Ok")},
    {"EditBox_Cancel", text("&Cancel"), text("&Cancel")},
    {"EditBox_Width", text("350"), text("350")},
    {"EditBox_Height", text("238"), text("238")},
    // The desktop front end knows these two as the size no script chose (platform/gtk/desktop_text.h).
    {"ListBox_Width", text("130"), text("130")},
    {"ListBox_Height", text("176"), text("176")},
    {"ListBox_Ok", text("&Ok"), text("&Ok")},
    {"InfoBox_Width", text("300"), text("300")},
    {"InfoBox_Height", text("24"), text("24")},
    {"InfoBox_Enabled", text("-1"), text("-1")},  // the info box hidden
    // Only velint lets a script choose the old file functions; a compiled program always uses the
    // shell's file operation.
    {kUseOldFileFunctionsName, text("-1"), {S::absent}},
    {"new_line", text("\n"), text("\n")},
    {"VL_Version", text(kLanguageVersion), text(kLanguageVersion)},
    {"VL_Pro", text("0"), text("0")},
};

std::optional<std::string> valueFrom(const StartValue& start, platform::System& system, const StartFacts& facts) {
    switch (start.source) {
        case S::absent:
        case S::empty: return std::nullopt;
        case S::text: return std::string(start.text);
        case S::commandLine: return facts.commandLine;
        case S::ownName: return facts.ownName;
        case S::windowsFolder: return system.processEnvironment().value("windir").value_or("");
        case S::currentFolder: return system.currentDirectory();
        case S::userName: return system.userName().value_or("unknown");
        case S::windowsVersion: return windowsVersionName(system.windowsVersion());
    }
    return std::nullopt;
}

}  // namespace

void createSystemVariables(VariableTable& vars, platform::System& system, Runner runner, const StartFacts& facts) {
    for (const SystemVariableStart& row : kStarts) {
        const StartValue& start = runner == Runner::interpreter ? row.interpreter : row.compiled;
        if (start.source == S::absent) continue;
        // Indexed variables by the name the table's scheme gives them (compiled programs name
        // them by index).
        std::optional<SystemVariable> indexed = systemVariableNamed(row.name);
        std::string name = indexed ? vars.nameOf(*indexed) : std::string(row.name);
        if (std::optional<std::string> value = valueFrom(start, system, facts)) {
            vars.set(name, std::move(*value));
        } else {
            vars.declare(name);
        }
    }
}

}  // namespace interp
