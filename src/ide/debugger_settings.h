// The debugger dialog TDebug and the environment entries it hands to velint.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ide {

enum class DebugMode { step, trace };                  // RadioButton1, RadioButton2
enum class VariableWatch { none, automatic, manual };  // RadioButton5, RadioButton3, RadioButton4

// One environment variable of the editor's process; no value removes it.
struct EnvironmentEntry {
    std::string name;
    std::optional<std::string> value;
    bool operator==(const EnvironmentEntry&) const = default;
};

// The dialog's controls, kept for the life of the editor. Which controls are enabled follows
// from the choices, so the front end asks after every click.
class DebuggerSettings {
  public:
    bool debugScript() const { return debugScript_; }
    DebugMode mode() const { return mode_; }
    VariableWatch watch() const { return watch_; }
    const std::string& watchedVariables() const { return watchedVariables_; }

    // CheckBox1Click: ticking starts from Step and Automatic.
    void setDebugScript(bool ticked);
    void setMode(DebugMode mode) { mode_ = mode; }
    void setWatch(VariableWatch watch) { watch_ = watch; }
    void setWatchedVariables(std::string names) { watchedVariables_ = std::move(names); }  // MonVars

    bool optionsEnabled() const { return debugScript_; }  // both groups and their five options
    bool watchedVariablesEnabled() const { return debugScript_ && watch_ == VariableWatch::manual; }

    // The entries to set when the dialog is confirmed: VL_DEBUGMODE, and VL_DEBUGVARS while
    // debugging. An empty Manual list removes VL_DEBUGVARS.
    std::vector<EnvironmentEntry> environmentEntries() const;

  private:
    bool debugScript_ = false;
    DebugMode mode_ = DebugMode::step;
    VariableWatch watch_ = VariableWatch::automatic;
    std::string watchedVariables_;  // "[a] [b]", handed over unchanged
};

}  // namespace ide
