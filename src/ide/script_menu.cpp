// The Script menu: the document is saved first, then velint or velcomp is started.
#include "ide/script_menu.h"

#include "ide/fixed_texts.h"

namespace ide {

ScriptMenu::ScriptMenu(DocumentSession& session, ScriptMenuFrontEnd& frontEnd, ProgramFolder folder)
    : session_(session), frontEnd_(frontEnd), folder_(std::move(folder)) {}

// A velint that does not start is reported as Compile reports velcomp: the script's own boxes
// are otherwise the only sign that it runs.
void ScriptMenu::run() {
    if (!session_.saveBeforeStart()) return;
    if (!frontEnd_.startProgram(velintStart(folder_, session_.document().name, commandValue_))) {
        frontEnd_.tell(Notice::error, std::string(kVelintMissing), std::string(kErrorCaption));
    }
}

// The document is written before the dialog shows and stays written when it is closed.
void ScriptMenu::compile() {
    if (!session_.saveBeforeStart() || !frontEnd_.showCompileDialog()) return;
    if (!frontEnd_.startProgram(velcompStart(folder_, session_.document().name, compileOptions_.arguments()))) {
        frontEnd_.tell(Notice::error, std::string(kVelcompMissing), std::string(kErrorCaption));
    }
}

void ScriptMenu::errorReported(ErrorLine error) {
    if (!session_.document().isOwnFile(error.file)) return;
    lastError_ = std::move(error);
    goToError();
}

void ScriptMenu::goToError() {
    if (!lastError_) return;
    size_t line = lastError_->line > 0 ? lastError_->line - 1 : 0;
    frontEnd_.goToLine(line, "Line " + std::to_string(lastError_->line) + ": " + lastError_->text);
}

void ScriptMenu::setCommand() {
    if (auto value = frontEnd_.showCommandDialog()) commandValue_ = *value;
}

void ScriptMenu::debuggerProperties() {
    if (!frontEnd_.showDebugDialog()) return;
    for (const EnvironmentEntry& entry : debuggerSettings_.environmentEntries()) {
        frontEnd_.setEnvironment(entry.name, entry.value);
    }
}

}  // namespace ide
