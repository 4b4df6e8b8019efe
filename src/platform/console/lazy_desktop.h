// The desktop loaded at the first window: a program that shows no window never loads GTK.
//
// Until a call needs windows, the terminal front end answers, and the settings that reach windows
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

#include "platform/desktop.h"

namespace platform {

class LazyDesktop final : public Desktop {
  public:
    // Builds the desktop around the terminal front end it is given, which it then owns (and hands
    // MCI to); nullptr, with the terminal still the caller's, when there is none.
    using Loader = std::function<Desktop*(Desktop* console)>;

    LazyDesktop(std::unique_ptr<Desktop> console, Loader load);

    // Whether the desktop has been loaded.
    bool loaded() const { return desktop_ != nullptr; }

    // MCI: the terminal front end's devices, which the desktop hands on as well.
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
    Desktop& windows();

    std::unique_ptr<Desktop> owned_;  // the terminal, until the desktop takes it over
    Desktop* console_;                // the terminal front end, wherever it is owned
    std::unique_ptr<Desktop> desktop_;
    Loader load_;
    bool tried_ = false;  // the desktop was asked for once; it is never asked again

    // Kept until the desktop comes, to be handed to it in order.
    std::vector<std::pair<DialogButton, std::string>> captions_;
    bool infoBoxHidden_ = false;
    DebuggerEvents* debuggerEvents_ = nullptr;
    std::optional<std::pair<bool, bool>> debuggerButtons_;
};

}  // namespace platform
