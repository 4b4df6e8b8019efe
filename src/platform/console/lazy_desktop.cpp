// The desktop loaded at the first window.
#include "platform/console/lazy_desktop.h"

namespace platform {

LazyDesktop::LazyDesktop(std::unique_ptr<Desktop> console, Loader load)
    : owned_(std::move(console)), console_(owned_.get()), load_(std::move(load)) {}

Desktop& LazyDesktop::windows() {
    if (desktop_) return *desktop_;
    if (tried_) return *console_;
    tried_ = true;
    Desktop* desktop = load_(console_);
    if (!desktop) return *console_;
    // The desktop owns the terminal front end now, and hands MCI to it.
    (void)owned_.release();
    desktop_.reset(desktop);
    for (const auto& [button, caption] : captions_) desktop_->setButtonCaption(button, caption);
    if (infoBoxHidden_) desktop_->setInfoBoxVisible(false);
    if (debuggerEvents_) desktop_->setDebuggerEvents(debuggerEvents_);
    if (debuggerButtons_) desktop_->enableDebuggerButtons(debuggerButtons_->first, debuggerButtons_->second);
    return *desktop_;
}

void LazyDesktop::setButtonCaption(DialogButton button, const std::string& caption) {
    if (tried_) return windows().setButtonCaption(button, caption);
    captions_.emplace_back(button, caption);
    console_->setButtonCaption(button, caption);
}

void LazyDesktop::setInfoBoxVisible(bool visible) {
    // Hiding a box that was never shown changes nothing on the screen; showing it needs windows.
    if (tried_ || visible) return windows().setInfoBoxVisible(visible);
    infoBoxHidden_ = true;
    console_->setInfoBoxVisible(false);
}

void LazyDesktop::setDebuggerEvents(DebuggerEvents* events) {
    if (tried_) return windows().setDebuggerEvents(events);
    debuggerEvents_ = events;
    console_->setDebuggerEvents(events);
}

void LazyDesktop::enableDebuggerButtons(bool step, bool trace) {
    if (tried_) return windows().enableDebuggerButtons(step, trace);
    debuggerButtons_ = std::pair(step, trace);
    console_->enableDebuggerButtons(step, trace);
}

void LazyDesktop::hideDebugger() {
    // The debugger window is shown only by showDebugger, which loads the desktop.
    if (tried_) return windows().hideDebugger();
    console_->hideDebugger();
}

int LazyDesktop::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    return windows().messageBox(text, caption, style);
}

void LazyDesktop::errorBox(const std::string& text, const std::string& caption, unsigned style) {
    windows().errorBox(text, caption, style);
}

std::optional<std::string> LazyDesktop::inputBox(const std::string& title, const std::string& prompt,
                                                 const std::string& initialText) {
    return windows().inputBox(title, prompt, initialText);
}

std::optional<std::string> LazyDesktop::editBox(const std::string& title, const std::string& text, bool readOnly,
                                                int width, int height) {
    return windows().editBox(title, text, readOnly, width, height);
}

std::optional<std::string> LazyDesktop::listBox(const std::string& title, const std::vector<std::string>& entries,
                                                int width, int height) {
    return windows().listBox(title, entries, width, height);
}

std::optional<std::string> LazyDesktop::fileDialog(const FileDialogRequest& request) {
    return windows().fileDialog(request);
}

FolderChoice LazyDesktop::folderBox(const std::string& title, const std::string& startFolder) {
    return windows().folderBox(title, startFolder);
}

void LazyDesktop::placeInfoBox(const std::string& text, int width, int height) {
    windows().placeInfoBox(text, width, height);
}

void LazyDesktop::showDebugger(const DebuggerView& view) { windows().showDebugger(view); }

DebuggerStep LazyDesktop::debuggerStep(bool wait) { return windows().debuggerStep(wait); }

bool LazyDesktop::activateWindow(const std::string& title) { return windows().activateWindow(title); }

void LazyDesktop::keyEvent(int virtualKey, bool up) { windows().keyEvent(virtualKey, up); }

int LazyDesktop::keyForCharacter(char character) { return windows().keyForCharacter(character); }

void LazyDesktop::releaseKeys() {
    // No key can be down before the desktop sent one.
    if (tried_) windows().releaseKeys();
}

int LazyDesktop::openDocument(const std::string& target) { return windows().openDocument(target); }

std::string LazyDesktop::clipboardText() { return windows().clipboardText(); }

void LazyDesktop::setClipboardText(const std::string& text) { windows().setClipboardText(text); }

}  // namespace platform
