// The debugger dialog's rules and its environment entries.
#include "ide/debugger_settings.h"

namespace ide {

void DebuggerSettings::setDebugScript(bool ticked) {
    debugScript_ = ticked;
    if (ticked) {
        mode_ = DebugMode::step;
        watch_ = VariableWatch::automatic;
    }
}

std::vector<EnvironmentEntry> DebuggerSettings::environmentEntries() const {
    if (!debugScript_) return {{"VL_DEBUGMODE", "NONE"}};
    std::optional<std::string> vars;
    switch (watch_) {
        case VariableWatch::automatic: vars = "AUTO"; break;
        case VariableWatch::none: vars = "NONE"; break;
        case VariableWatch::manual:
            if (!watchedVariables_.empty()) vars = watchedVariables_;
            break;
    }
    return {{"VL_DEBUGMODE", mode_ == DebugMode::step ? "STEP" : "TRACE"}, {"VL_DEBUGVARS", vars}};
}

}  // namespace ide
