// The terminal front end: boxes are written to the output streams and answered on the input.
//
// Every box is one block "[CAPTION] TEXT" and a line feed; error boxes go to the error stream.
// A box with more than one button then prompts with its button names, e.g. "(Yes/No)? ", and
// reads one line: a button name or its first letter, any case; an empty line is the default
// button; at the end of input the answer is Cancel, else No, else the first button.
#pragma once

#include <iosfwd>
#include <string>

#include "platform/platform.h"

namespace platform {

class ConsolePlatform : public Platform {
public:
    ConsolePlatform(std::istream& in, std::ostream& out, std::ostream& err);

    bool registerDialogClass() override { return true; }
    bool visualThemesActive() override { return false; }
    void createDialogWindows(int themeOffset) override;

    std::optional<std::string> userName() override;
    std::optional<WindowsVersion> windowsVersion() override { return std::nullopt; }
    std::string currentDirectory() override;
    std::string environmentVariable(const std::string& name) override;

    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;

    void setButtonCaption(DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;

    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }

private:
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    std::string clipboard_;          // kept by the process: there is no desktop clipboard here
    std::string buttonCaptions_[5];  // by DialogButton, for the dialogs
    bool infoBoxVisible_ = false;
    int themeOffset_ = 0;
};

}  // namespace platform
