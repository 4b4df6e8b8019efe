// The debugger: step and trace modes, the watch list and what the debugger window reports.
//
// The interpreter asks it before every command (beforeCommand); the window, through the
// desktop, reports the user's buttons back to it (DebuggerEvents).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/variable_table.h"
#include "platform/desktop.h"
#include "platform/system.h"

namespace interp {

class Debugger : public platform::DebuggerEvents {
  public:
    // Most names the watch list holds; further names are ignored.
    static constexpr size_t kWatchSlots = 250;

    // The environment holds the start-up settings; the desktop shows the window.
    Debugger(interp::VariableTable& vars, platform::System& system, platform::Desktop& desktop);
    ~Debugger() override;
    Debugger(const Debugger&) = delete;
    Debugger& operator=(const Debugger&) = delete;

    // Start-up: VL_DEBUGMODE and VL_DEBUGVARS from the environment. nextLine gives the script
    // line that runs next, for the display.
    void applyEnvironment(const std::function<std::string()>& nextLine);

    bool active() const { return stepMode_; }
    // Before every command: refreshes the display in step mode, and waits for Step unless in
    // trace mode.
    void beforeCommand(const std::function<std::string()>& nextLine);

    // DEBUGMODE: "STEP", "TRACE" (any case) or anything else to switch the debugger off.
    void debugMode(const std::string& mode, const std::function<std::string()>& nextLine);
    // DEBUGVARS AUTO / NONE: the automatic watch of every variable the script creates.
    void setAutoWatch(bool on) { autoWatch_ = on; }
    // DEBUGVARS [name], VL_DEBUGVARS: adds a name to the watch list.
    void watch(const std::string& name);

    // The watch list as the window lists it: "[name] = value" or "(variable not existing)".
    std::vector<std::string> watchEntries() const;
    const std::vector<std::string>& watchedNames() const { return watched_; }
    bool traceMode() const { return traceMode_; }
    bool autoWatch() const { return autoWatch_; }

    // What the window reports.
    void stepPressed() override;
    void tracePressed() override;
    std::vector<std::string> setPressed(int index, const std::string& value) override;
    std::vector<std::string> setNamed(const std::string& name, const std::string& value) override;
    std::string watchedValue(int index) override;

  private:
    void refresh(const std::string& line);
    void switchOn(bool trace, bool traceEnabled, const std::function<std::string()>& nextLine);

    interp::VariableTable& vars_;
    platform::System& system_;
    platform::Desktop& desktop_;
    bool stepMode_ = false;
    bool traceMode_ = false;
    bool autoWatch_ = false;
    bool displayFresh_ = false;  // shown by switching on, no command run since
    std::vector<std::string> watched_;
};

// The next script line from this offset as the debugger shows it: blanks removed at both ends,
// lines shorter than two characters passed over.
std::string upcomingScriptLine(const std::string& script, size_t offset);

}  // namespace interp
