// The editor's first display, in the same order in every front end.
#pragma once

#include <string>

#include "ide/captions.h"
#include "ide/document_session.h"
#include "ide/highlighter.h"
#include "ide/program_files.h"

namespace ide {

// What the first display asks of the front end besides the document commands.
class StartUpFrontEnd {
  public:
    virtual ~StartUpFrontEnd() = default;
    // Shows the captions (after the language file replaced some) on menus, dialogs and hints.
    virtual void applyCaptions() = 0;
    virtual void showCaretPosition(const std::string& text) = 0;
};

// velmish.lng and its captions first, so that every text shown is the user's language; then
// velmish.syn, so that the script named on the command line (may be empty) opens coloured by it;
// the position panel shows "1:1". Missing files change nothing.
void startEditor(const ProgramFolder& folder, Captions& captions, Highlighter& highlighter, DocumentSession& session,
                 const std::string& scriptPath, StartUpFrontEnd& frontEnd);

}  // namespace ide
