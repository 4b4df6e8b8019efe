// The document commands of the main window: New, Open, Save, Save As, Quit and the close guard.
#pragma once

#include <optional>
#include <string>

#include "ide/captions.h"
#include "ide/document.h"
#include "ide/document_front_end.h"

namespace ide {

class DocumentSession {
  public:
    // The captions supply the confirmation texts, which the language file may replace.
    DocumentSession(DocumentFrontEnd& frontEnd, const Captions& captions);

    const Document& document() const { return document_; }

    // First display with a script named on the command line: the name is taken exactly as
    // passed, and the document stays clean.
    void openAtStart(const std::string& path);
    // The editor reports a change of its text; changes made while a colouring pass is busy are
    // format changes, not the user's.
    void editorChanged(bool colouringBusy);

    void newDocument();  // New1Click
    void open();         // Open1Click
    void save();         // Save1Click
    void saveAs();       // Saveas1Click
    void quit();         // Quit1Click
    bool mayClose();     // FormCloseQuery: true when the window may close

    // Run and Compile: names an unnamed document and writes it, leaving the modified mark as it
    // is. False when the user cancelled the naming or the file could not be written.
    bool saveBeforeStart();

  private:
    bool confirmed(Caption text, Question kind);
    std::optional<std::string> chooseSaveName();
    bool nameIfUnnamed();
    void rename(std::string name);
    bool write();

    DocumentFrontEnd& frontEnd_;
    const Captions& captions_;
    Document document_;
    bool quitting_ = false;  // Quit was confirmed: the close guard does not ask again
};

}  // namespace ide
