// The start values of the system variables.
#include "core/system_start.h"

#include "core/product.h"
#include "core/system_variables.h"
#include "core/windows_version.h"
#include "platform/environment.h"

namespace interp {

namespace {

using S = StartsWith;

using V = SystemVariable;

constexpr StartValue text(std::string_view value) { return StartValue{S::text, value}; }
constexpr SystemVariableStart indexed(V variable, StartValue interpreter, StartValue compiled) {
    return SystemVariableStart{variable, {}, interpreter, compiled};
}
constexpr SystemVariableStart unindexed(std::string_view name, StartValue interpreter, StartValue compiled) {
    return SystemVariableStart{std::nullopt, name, interpreter, compiled};
}

// In velint's order of creation; a compiled program creates them in the same order.
constexpr SystemVariableStart kStarts[] = {
    indexed(V::command, {S::commandLine}, {S::commandLine}),
    indexed(V::errorcode, {S::empty}, {S::empty}),
    indexed(V::ownname, {S::ownName}, {S::ownName}),
    indexed(V::Echo_Title, text("Velmish Echo"), text("Velmish Echo")),
    indexed(V::Confirm_Title, text("Velmish Confirmation"), text("Velmish Confirmation")),
    indexed(V::windir, {S::windowsFolder}, {S::windowsFolder}),
    indexed(V::IBox_Ok, text("OK"), text("Ok")),
    indexed(V::IBox_Cancel, text("Cancel"), text("Cancel")),
    indexed(V::current, {S::currentFolder}, {S::currentFolder}),
    indexed(V::curuser, {S::userName}, {S::userName}),
    indexed(V::winvers, {S::windowsVersion}, {S::windowsVersion}),
    // The date and time are read whenever a script reads them.
    indexed(V::day, {S::empty}, {S::empty}),
    indexed(V::year, {S::empty}, {S::empty}),
    indexed(V::month, {S::empty}, {S::empty}),
    indexed(V::time, {S::empty}, {S::empty}),
    // No multi-selection in the file boxes.
    indexed(V::OpenBox_MultiSel, text("-1"), text("-1")),
    indexed(V::SaveBox_MultiSel, text("-1"), text("-1")),
    indexed(V::EditBox_Ok, text("&Ok"), text("&Ok")),
    indexed(V::EditBox_Cancel, text("&Cancel"), text("&Cancel")),
    indexed(V::EditBox_Width, text("350"), text("350")),
    indexed(V::EditBox_Height, text("238"), text("238")),
    // The desktop front end knows these two as the size no script chose (platform/gtk/desktop_text.h).
    indexed(V::ListBox_Width, text("130"), text("130")),
    indexed(V::ListBox_Height, text("176"), text("176")),
    indexed(V::ListBox_Ok, text("&Ok"), text("&Ok")),
    indexed(V::InfoBox_Width, text("300"), text("300")),
    indexed(V::InfoBox_Height, text("24"), text("24")),
    indexed(V::InfoBox_Enabled, text("-1"), text("-1")),  // the info box hidden
    // Only velint lets a script choose the old file functions; a compiled program always uses the
    // shell's file operation.
    unindexed(kUseOldFileFunctionsName, text("-1"), {S::absent}),
    indexed(V::new_line, text("\n"), text("\n")),
    indexed(V::VL_Version, text(kLanguageVersion), text(kLanguageVersion)),
    indexed(V::VL_Pro, text("0"), text("0")),
};

std::optional<std::string> valueFrom(const StartValue& start, platform::System& system, const StartFacts& facts) {
    switch (start.source) {
        case S::absent:
        case S::empty: return std::nullopt;
        case S::text: return std::string(start.text);
        case S::commandLine:
            if (!facts.commandLine) return std::nullopt;
            return std::string(*facts.commandLine);
        case S::ownName: return std::string(facts.ownName);
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
        std::optional<std::string> value = valueFrom(start, system, facts);
        if (row.variable && value) {
            vars.set(*row.variable, std::move(*value));
        } else if (row.variable) {
            vars.declare(vars.nameOf(*row.variable));
        } else if (value) {
            vars.set(row.unindexedName, std::move(*value));
        } else {
            vars.declare(row.unindexedName);
        }
    }
}

}  // namespace interp
