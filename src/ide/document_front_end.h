// What the document commands ask of the window they run in.
#pragma once

#include <optional>
#include <string>

#include "ide/questions.h"

namespace ide {

class DocumentFrontEnd {
  public:
    virtual ~DocumentFrontEnd() = default;

    // A Yes/No question captioned with the application's title; true for Yes.
    virtual bool ask(Question kind, const std::string& text) = 0;
    // The application's error box, for a file that could not be read or written.
    virtual void showError(const std::string& message) = 0;
    // The open dialog with its file name field cleared; nothing when cancelled.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // The save dialog; nothing when cancelled.
    virtual std::optional<std::string> chooseFileToSave() = 0;
    // The bytes of the document the editor shows, to be saved: in the encoding and with the line
    // ends it was read with (see ShownText), the very bytes read while it is unchanged.
    virtual std::string documentBytes() = 0;
    // Shows a document's bytes, replacing the editor's whole text.
    virtual void setEditorText(const std::string& bytes) = 0;
    virtual void putCaretAtStart() = 0;
    // The title refresh: shows the caption and colours the whole text again (or makes it plain
    // with highlighting off).
    virtual void refreshTitle(const std::string& caption) = 0;
    // Ends the program without asking the close guard.
    virtual void quitApplication() = 0;
};

}  // namespace ide
