// The debugger's modes, watch list and button meanings.
#include "interp/debugger.h"

#include "core/script_error.h"
#include "core/text.h"
#include "platform/environment.h"

namespace interp {

Debugger::Debugger(interp::VariableTable& vars, platform::System& system, platform::Desktop& desktop)
    : vars_(vars), system_(system), desktop_(desktop) {
    vars_.onGrow = [this](const std::string& name) {
        if (autoWatch_) watch(name);
    };
}

Debugger::~Debugger() {
    vars_.onGrow = nullptr;
    desktop_.setDebuggerEvents(nullptr);
}

void Debugger::applyEnvironment(const std::function<std::string()>& nextLine) {
    // The watch list first, so that the first display already lists it.
    std::string vars = system_.processEnvironment().value("VL_DEBUGVARS").value_or("");
    std::string word = interp::upperCase(vars);
    if (word == "AUTO") {
        autoWatch_ = true;
    } else if (word != "NONE") {
        // Every name written between brackets; text outside them is ignored.
        for (size_t open = vars.find('['); open != std::string::npos; open = vars.find('[', open)) {
            size_t close = vars.find(']', open + 1);
            if (close == std::string::npos) break;
            watch(vars.substr(open + 1, close - open - 1));
            open = close + 1;
        }
    }
    std::string mode = system_.processEnvironment().value("VL_DEBUGMODE").value_or("");
    // The mode is compared exactly; other values leave the debugger as it is.
    if (mode == "STEP") {
        switchOn(false, true, nextLine);
    } else if (mode == "TRACE") {
        switchOn(true, false, nextLine);
    } else if (mode == "NONE") {
        stepMode_ = traceMode_ = false;
    }
}

void Debugger::beforeCommand(const std::function<std::string()>& nextLine) {
    if (!stepMode_) return;
    // Switching the debugger on has just shown this very display when no command ran since.
    if (!displayFresh_) refresh(nextLine());
    displayFresh_ = false;
    // Halt ends the run here, in the command loop, on every platform.
    if (desktop_.debuggerStep(!traceMode_) == platform::DebuggerStep::halt) throw interp::ScriptExit{0};
}

void Debugger::debugMode(const std::string& mode, const std::function<std::string()>& nextLine) {
    std::string word = interp::upperCase(mode);
    if (word == "STEP") {
        switchOn(traceMode_, true, nextLine);
    } else if (word == "TRACE") {
        switchOn(true, false, nextLine);
    } else {
        stepMode_ = traceMode_ = false;
        desktop_.enableDebuggerButtons(true, true);
        desktop_.hideDebugger();
    }
}

void Debugger::switchOn(bool trace, bool traceEnabled, const std::function<std::string()>& nextLine) {
    stepMode_ = true;
    traceMode_ = trace;
    desktop_.setDebuggerEvents(this);
    desktop_.enableDebuggerButtons(true, traceEnabled);
    refresh(nextLine());
    displayFresh_ = true;
}

void Debugger::refresh(const std::string& line) {
    desktop_.showDebugger(platform::DebuggerView{line, traceMode_, watchEntries()});
}

void Debugger::watch(const std::string& name) {
    if (watched_.size() < kWatchSlots) watched_.push_back(name);
}

std::vector<std::string> Debugger::watchEntries() const {
    std::vector<std::string> entries;
    entries.reserve(watched_.size());
    for (const std::string& name : watched_) {
        std::string entry = "[" + name + "] = ";
        if (vars_.exists(name)) {
            vars_.appendValue(name, entry);
        } else {
            entry += "(variable not existing)";
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void Debugger::stepPressed() { traceMode_ = false; }

void Debugger::tracePressed() { stepMode_ = traceMode_ = true; }

std::vector<std::string> Debugger::setPressed(int index, const std::string& value) {
    if (index >= 0 && static_cast<size_t>(index) < watched_.size()) vars_.set(watched_[index], value);
    return watchEntries();
}

std::vector<std::string> Debugger::setNamed(const std::string& name, const std::string& value) {
    vars_.set(name, value);
    return watchEntries();
}

std::string Debugger::watchedValue(int index) {
    if (index < 0 || static_cast<size_t>(index) >= watched_.size()) return {};
    return vars_.get(watched_[index]);
}

std::string upcomingScriptLine(const std::string& script, size_t offset) {
    while (offset < script.size()) {
        size_t end = script.find_first_of("\r\n", offset);
        if (end == std::string::npos) end = script.size();
        std::string line = interp::trimBlanks(std::string_view(script).substr(offset, end - offset));
        if (line.size() >= 2) return line;
        // CR LF is one line end, as the script reader reads it.
        offset = end + 1;
        if (end + 1 < script.size() && script[end] == '\r' && script[end + 1] == '\n') ++offset;
    }
    return {};
}

}  // namespace interp
