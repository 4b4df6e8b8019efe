// The desktop loaded at the first window: a program that shows no window never loads GTK.
//
// Until a call needs windows, the terminal platform answers, and the settings that reach windows
// before any is shown (button captions, the hidden info box, the debugger's buttons and events)
// are kept and handed to the desktop when it comes. A desktop that cannot be loaded then leaves
// the terminal answering, for good, as at start-up.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace platform {

class LazyDesktop final : public Platform {
  public:
    // Builds the desktop around the system platform it is given, which it then owns; nullptr, with
    // the system platform still the caller's, when there is none.
    using Loader = std::function<Platform*(Platform* system)>;

    LazyDesktop(std::unique_ptr<Platform> console, Loader load);

    // Whether the desktop has been loaded.
    bool loaded() const { return desktop_ != nullptr; }

    // The system: the terminal platform's, which the desktop hands on as well.
    FileSystem& files() override { return console_->files(); }
    Environment& processEnvironment() override { return console_->processEnvironment(); }
    Programs& programs() override { return console_->programs(); }
    std::optional<std::string> userName() override { return console_->userName(); }
    std::optional<WindowsVersion> windowsVersion() override { return console_->windowsVersion(); }
    std::string currentDirectory() override { return console_->currentDirectory(); }
    std::string environmentVariable(const std::string& name) override { return console_->environmentVariable(name); }
    unsigned mciCommand(const std::string& command) override { return console_->mciCommand(command); }

    // Settings kept for the windows to come.
    void setButtonCaption(DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;
    void setDebuggerEvents(DebuggerEvents* events) override;
    void enableDebuggerButtons(bool step, bool trace) override;
    void hideDebugger() override;

    // Everything else shows a window or needs the desktop.
    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initialText) override;
    std::optional<std::string> editBox(const std::string& title, const std::string& text, bool readOnly, int width,
                                       int height) override;
    std::optional<std::string> listBox(const std::string& title, const std::vector<std::string>& entries, int width,
                                       int height) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
    FolderChoice folderBox(const std::string& title, const std::string& startFolder) override;
    void placeInfoBox(const std::string& text, int width, int height) override;
    void showDebugger(const DebuggerView& view) override;
    DebuggerStep debuggerStep(bool wait) override;
    bool activateWindow(const std::string& title) override;
    void keyEvent(int virtualKey, bool up) override;
    int keyForCharacter(char character) override;
    void releaseKeys() override;
    int openDocument(const std::string& target) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;

  private:
    // The desktop, loaded now if this is the first call that needs it; the terminal when it cannot
    // be loaded.
    Platform& windows();

    std::unique_ptr<Platform> owned_;  // the terminal, until the desktop takes it over
    Platform* console_;                // the terminal platform, wherever it is owned
    std::unique_ptr<Platform> desktop_;
    Loader load_;
    bool tried_ = false;  // the desktop was asked for once; it is never asked again

    // Kept until the desktop comes, to be handed to it in order.
    std::vector<std::pair<DialogButton, std::string>> captions_;
    bool infoBoxHidden_ = false;
    DebuggerEvents* debuggerEvents_ = nullptr;
    std::optional<std::pair<bool, bool>> debuggerButtons_;
};

}  // namespace platform
