// Variable name and label tables of the compiler.
#include "compiler/compile_tables.h"

#include "core/system_variables.h"

namespace compiler {

VariableNames::VariableNames() {
    // The system variables take indices 0 to 30 in the order of their table.
#define VELMISH_SYSTEM_NAME(id, index, name) indexOf(name);
    VELMISH_SYSTEM_VARIABLES(VELMISH_SYSTEM_NAME)
#undef VELMISH_SYSTEM_NAME
}

int VariableNames::indexOf(const std::string& name) {
    auto [slot, added] = indices_.try_emplace(name, count());
    if (added) names_.push_back(name);
    return slot->second;
}

bool LabelTables::define(const std::string& name) {
    if (name.empty()) return true;
    return definitions_.insert(name).second;
}

void LabelTables::reference(const std::string& name, int lineCounter) {
    if (referencedNames_.insert(name).second) references_.push_back({name, lineCounter});
}

std::optional<LabelReference> LabelTables::firstUndefined() const {
    for (const LabelReference& reference : references_) {
        if (!definitions_.contains(reference.name)) return reference;
    }
    return std::nullopt;
}

}  // namespace compiler
