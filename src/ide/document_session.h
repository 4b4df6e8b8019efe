// The document commands of the main window: New, Open, Save, Save As, Quit and the close guard.
#pragma once

#include <optional>
#include <string>

#include "ide/captions.h"
#include "ide/document.h"
#include "ide/document_file.h"
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
    // Opens the named file (a recently used one), asking first as Open does.
    void openFile(const std::string& path);
    void save();      // Save1Click
    void saveAs();    // Saveas1Click
    void quit();      // Quit1Click
    bool mayClose();  // FormCloseQuery: true when the window may close

    // Run and Compile: names an unnamed document and writes it, leaving the modified mark as it
    // is. False when the user cancelled the naming or the file could not be written.
    bool saveBeforeStart();

    // Changes on disk: a front end that turns this on calls checkDiskChange when its window gets
    // the focus, and every save checks first. When the document's file was changed by another
    // program since it was read or saved, the user is asked: Yes reloads it, No keeps the text
    // (and a save then writes it). Either way the same change is not asked about again.
    void watchDiskChanges() { watching_ = true; }
    void checkDiskChange();

  private:
    bool confirmed(Caption text, Question kind);
    std::optional<std::string> chooseSaveName();
    bool nameIfUnnamed();
    void rename(std::string name);
    bool write();
    void load(const std::string& path, const std::string& bytes);
    bool reloadedAfterDiskChange();

    DocumentFrontEnd& frontEnd_;
    const Captions& captions_;
    Document document_;
    bool quitting_ = false;  // Quit was confirmed: the close guard does not ask again
    bool watching_ = false;
    FileStamp stamp_;  // the document's file as read or saved last
};

}  // namespace ide
