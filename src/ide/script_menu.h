// The Script menu: Run, Compile, Set [command] and Debugger properties.
#pragma once

#include <optional>
#include <string>

#include "ide/compile_options.h"
#include "ide/debugger_settings.h"
#include "ide/document_session.h"
#include "ide/error_lines.h"
#include "ide/program_files.h"
#include "ide/questions.h"

namespace ide {

// What the Script menu asks of the editor's windows and its system.
class ScriptMenuFrontEnd {
  public:
    virtual ~ScriptMenuFrontEnd() = default;

    // Starts a program without waiting and without a shell; false when it could not start.
    virtual bool startProgram(const ProgramStart& start) = 0;
    // Sets or, with no value, removes a variable of the environment the programs the editor starts
    // afterwards get.
    virtual void setEnvironment(const std::string& name, const std::optional<std::string>& value) = 0;
    // The compile dialog TChooseIcon, modal; true when closed with Compile.
    virtual bool showCompileDialog() = 0;
    // The dialog TCommandVar, modal; the text of CommandValue when closed with its button.
    virtual std::optional<std::string> showCommandDialog() = 0;
    // The debugger dialog TDebug, modal; true when closed with Ok.
    virtual bool showDebugDialog() = 0;
    // A notice with an OK button.
    virtual void tell(Notice kind, const std::string& text, const std::string& caption) = 0;
    // Selects the document's line (counted from 0) and shows the text in the status bar.
    virtual void goToLine(size_t line, const std::string& statusText) = 0;
};

class ScriptMenu {
  public:
    ScriptMenu(DocumentSession& session, ScriptMenuFrontEnd& frontEnd, ProgramFolder folder);

    // The state of the dialogs, which the front end's controls show and change.
    CompileOptions& compileOptions() { return compileOptions_; }
    DebuggerSettings& debuggerSettings() { return debuggerSettings_; }
    const std::string& commandValue() const { return commandValue_; }

    void run();                 // Run2Click, ToolButton9Click
    void compile();             // CompiletoEXE1Click
    void setCommand();          // Setcommand1Click
    void debuggerProperties();  // DebugProperties1Click

    // An error line a program started by Run or Compile wrote to its standard error (read with
    // ErrorLineReader): one that names the document moves the caret to its line.
    void errorReported(ErrorLine error);
    // Go to error: the last such error again; nothing before the first.
    void goToError();

  private:
    DocumentSession& session_;
    ScriptMenuFrontEnd& frontEnd_;
    ProgramFolder folder_;
    CompileOptions compileOptions_;
    DebuggerSettings debuggerSettings_;
    std::string commandValue_;            // handed to scripts as [command]
    std::optional<ErrorLine> lastError_;  // the last error line that named the document
};

}  // namespace ide
