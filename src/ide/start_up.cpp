// The editor's first display.
#include "ide/start_up.h"

#include "ide/fixed_texts.h"
#include "ide/language_file.h"
#include "ide/syntax_settings.h"

namespace ide {

void startEditor(const ProgramFolder& folder, Captions& captions, Highlighter& highlighter, DocumentSession& session,
                 const std::string& scriptPath, StartUpFrontEnd& frontEnd) {
    loadLanguageFile(folder.file("velmish.lng"), captions);
    frontEnd.applyCaptions();
    loadSyntaxSettings(folder.file("velmish.syn"), highlighter.settings());
    if (!scriptPath.empty()) session.openAtStart(scriptPath);
    frontEnd.showCaretPosition(caretPositionText(0, 0));
}

}  // namespace ide
