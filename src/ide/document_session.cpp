// The document commands and the state table they follow.
#include "ide/document_session.h"

#include "ide/document_file.h"
#include "ide/fixed_texts.h"

namespace ide {

DocumentSession::DocumentSession(DocumentFrontEnd& frontEnd, const Captions& captions)
    : frontEnd_(frontEnd), captions_(captions) {}

bool DocumentSession::confirmed(Caption text, Question kind) {
    if (!document_.modified) return true;
    return frontEnd_.ask(kind, captions_[text]);
}

void DocumentSession::rename(std::string name) {
    document_.name = std::move(name);
    frontEnd_.refreshTitle(windowCaption(document_.name));
}

bool DocumentSession::write() {
    std::string error = saveDocumentFile(document_.name, frontEnd_.documentBytes());
    if (error.empty()) {
        stamp_ = fileStampOf(document_.name);
        return true;
    }
    frontEnd_.showError(error);
    return false;
}

void DocumentSession::load(const std::string& path, const std::string& bytes) {
    frontEnd_.setEditorText(bytes);
    stamp_ = fileStampOf(path);
}

// Only a file that is still there can be reloaded; a removed one is written again by the next save.
bool DocumentSession::reloadedAfterDiskChange() {
    if (!watching_ || document_.unnamed()) return false;
    FileStamp now = fileStampOf(document_.name);
    if (now == stamp_ || !now.exists()) return false;
    stamp_ = now;
    if (!frontEnd_.ask(Question::reloadChangedFile, reloadQuestion(document_.name))) return false;
    FileRead file = readDocumentFile(document_.name);
    if (!file.ok()) {
        frontEnd_.showError(file.error);
        return false;
    }
    load(document_.name, file.text);
    frontEnd_.putCaretAtStart();
    document_.modified = false;
    frontEnd_.refreshTitle(windowCaption(document_.name));
    return true;
}

void DocumentSession::checkDiskChange() { reloadedAfterDiskChange(); }

// The name chosen in the save dialog, with the script extension. Another existing file of that name
// is replaced only when the user says so (the extension may have been added to what was typed, so
// the dialog itself cannot ask); nothing when the dialog was cancelled or the user said No.
std::optional<std::string> DocumentSession::chooseSaveName() {
    auto chosen = frontEnd_.chooseFileToSave();
    if (!chosen) return std::nullopt;
    std::string name = withScriptExtension(*chosen);
    if (document_.isOwnFile(name) || !documentFileExists(name)) return name;
    if (!frontEnd_.ask(Question::replaceFile, replaceQuestion(name))) return std::nullopt;
    return name;
}

// The naming step: an unnamed document gets the name chosen in the save dialog.
bool DocumentSession::nameIfUnnamed() {
    if (!document_.unnamed()) return true;
    auto name = chooseSaveName();
    if (!name) return false;
    rename(std::move(*name));
    return true;
}

void DocumentSession::openAtStart(const std::string& path) {
    document_.name = path;
    FileRead file = readDocumentFile(path);
    if (file.ok()) load(path, file.text);
    // The caption names the document even when its file could not be read, since Save writes there.
    frontEnd_.refreshTitle(windowCaption(document_.name));
    if (file.ok()) {
        document_.modified = false;
    } else {
        frontEnd_.showError(file.error);
    }
}

void DocumentSession::editorChanged(bool colouringBusy) {
    if (!colouringBusy) document_.modified = true;
}

void DocumentSession::newDocument() {
    if (!confirmed(Caption::NewFileQuestion, Question::discardDocument)) return;
    frontEnd_.setEditorText("");
    stamp_ = {};
    rename(std::string(kUnnamedDocument));
    document_.modified = false;
}

void DocumentSession::open() {
    auto chosen = frontEnd_.chooseFileToOpen();
    if (chosen) openFile(*chosen);
}

void DocumentSession::openFile(const std::string& path) {
    if (!documentFileExists(path)) return;
    if (!confirmed(Caption::OpenFileQuestion, Question::discardDocument)) return;
    FileRead file = readDocumentFile(path);
    if (!file.ok()) {
        frontEnd_.showError(file.error);
        return;
    }
    load(path, file.text);
    rename(path);
    frontEnd_.putCaretAtStart();
    document_.modified = false;
}

// Saving onto the document's own file first asks about a change on disk; reloading instead
// writes nothing.
void DocumentSession::save() {
    if (reloadedAfterDiskChange()) return;
    if (nameIfUnnamed() && write()) document_.modified = false;
}

void DocumentSession::saveAs() {
    auto chosen = chooseSaveName();
    if (!chosen) return;
    // The caption shows the new name even when writing fails: Save goes on writing there.
    std::string name = std::move(*chosen);
    document_.name = name;
    bool written = write();
    frontEnd_.refreshTitle(windowCaption(name));
    if (written) document_.modified = false;
}

void DocumentSession::quit() {
    if (!confirmed(Caption::QuitQuestion, Question::quitWithoutSaving)) return;
    quitting_ = true;
    frontEnd_.quitApplication();
}

bool DocumentSession::mayClose() { return quitting_ || confirmed(Caption::QuitQuestion, Question::quitWithoutSaving); }

bool DocumentSession::saveBeforeStart() { return !reloadedAfterDiskChange() && nameIfUnnamed() && write(); }

}  // namespace ide
