// Lookups over the system-variable table.
#include "core/system_variables.h"

#include "core/product.h"

namespace interp {

namespace {

struct Entry {
    SystemVariable variable;
    std::string_view name;
};

constexpr Entry kEntries[] = {
#define VELMISH_TABLE_ENTRY(id, index, name) {SystemVariable::id, name},
    VELMISH_SYSTEM_VARIABLES(VELMISH_TABLE_ENTRY)
#undef VELMISH_TABLE_ENTRY
};

}  // namespace

std::string_view scriptName(SystemVariable variable) { return kEntries[static_cast<int>(variable)].name; }

std::optional<std::string_view> fixedStartValue(SystemVariable variable) {
    using V = SystemVariable;
    switch (variable) {
        case V::Echo_Title: return "Velmish Echo";
        case V::Confirm_Title: return "Velmish Confirmation";
        case V::IBox_Cancel: return "Cancel";
        case V::OpenBox_MultiSel:
        case V::SaveBox_MultiSel:
        case V::InfoBox_Enabled: return "-1";  // no multi-selection; the info box hidden
        case V::EditBox_Ok:
        case V::ListBox_Ok: return "&Ok";
        case V::EditBox_Cancel: return "&Cancel";
        case V::EditBox_Width: return "350";
        case V::EditBox_Height: return "238";
        // The desktop front end knows these two as the size no script chose (platform/gtk/desktop_text.h).
        case V::ListBox_Width: return "130";
        case V::ListBox_Height: return "176";
        case V::InfoBox_Width: return "300";
        case V::InfoBox_Height: return "24";
        case V::new_line: return "\n";
        case V::VL_Version: return kLanguageVersion;
        case V::VL_Pro: return "0";
        default: return std::nullopt;
    }
}

std::optional<SystemVariable> systemVariableNamed(std::string_view name) {
    for (const Entry& entry : kEntries) {
        if (entry.name == name) return entry.variable;
    }
    return std::nullopt;
}

}  // namespace interp
