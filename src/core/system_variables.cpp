// Lookups over the system-variable table.
#include "core/system_variables.h"

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

std::optional<SystemVariable> systemVariableNamed(std::string_view name) {
    for (const Entry& entry : kEntries) {
        if (entry.name == name) return entry.variable;
    }
    return std::nullopt;
}

}  // namespace interp
