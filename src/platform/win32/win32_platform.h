// The Win32 desktop: message boxes, the dialog window class, the clipboard and system facts.
#pragma once

#include <windows.h>

#include <string>

#include "platform/platform.h"

namespace platform {

class Win32Platform : public Platform {
public:
    // dialogClassName: "Velmish 4" in the interpreter, "VL4RTL" in compiled programs.
    explicit Win32Platform(std::string dialogClassName) : dialogClassName_(std::move(dialogClassName)) {}

    bool registerDialogClass() override;
    bool visualThemesActive() override;
    void createDialogWindows(int themeOffset) override;

    std::optional<std::string> userName() override;
    std::optional<WindowsVersion> windowsVersion() override;
    std::string currentDirectory() override;
    std::string environmentVariable(const std::string& name) override;

    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;

    void setButtonCaption(DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;

    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;

private:
    std::string dialogClassName_;
    int themeOffset_ = 0;
    // The dialog windows themselves are created by the dialog commands; until they exist the
    // settings scripts make are kept here and applied when the windows are built.
    std::string buttonCaptions_[5];  // by DialogButton
    bool infoBoxVisible_ = false;
};

}  // namespace platform
