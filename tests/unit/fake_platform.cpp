// The fake platform of the unit tests.
#include "fake_platform.h"

#include "platform/message_box_buttons.h"

namespace velmish_test {

namespace {

const char* buttonName(platform::DialogButton button) {
    switch (button) {
        case platform::DialogButton::inputOk: return "inputOk";
        case platform::DialogButton::inputCancel: return "inputCancel";
        case platform::DialogButton::editOk: return "editOk";
        case platform::DialogButton::editCancel: return "editCancel";
        case platform::DialogButton::listOk: return "listOk";
    }
    return "?";
}

std::string joinLines(const std::vector<std::string>& lines, const char* end) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

}  // namespace

std::vector<std::string> FakePlatform::messageTexts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        if (box.kind == Box::Kind::message) texts.push_back(box.text);
    }
    return texts;
}

std::vector<Box> FakePlatform::errorBoxes() const {
    std::vector<Box> errors;
    for (const Box& box : boxes) {
        if (box.kind == Box::Kind::error) errors.push_back(box);
    }
    return errors;
}

bool FakePlatform::registerDialogClass() {
    calls.push_back("registerDialogClass");
    return dialogClassRegisters;
}

void FakePlatform::createDialogWindows(int themeOffset) {
    calls.push_back("createDialogWindows");
    dialogThemeOffset = themeOffset;
}

std::optional<std::string> FakePlatform::userName() {
    calls.push_back("userName");
    return user;
}

std::optional<platform::WindowsVersion> FakePlatform::windowsVersion() {
    calls.push_back("windowsVersion");
    return version;
}

std::string FakePlatform::currentDirectory() {
    calls.push_back("currentDirectory");
    return directory;
}

std::string FakePlatform::environmentVariable(const std::string& name) {
    calls.push_back("env " + name);
    auto found = environment.find(name);
    return found == environment.end() ? std::string() : found->second;
}

int FakePlatform::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    boxes.push_back(Box{Box::Kind::message, text, caption, style});
    if (onMessageBox) onMessageBox(boxes.back());
    if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    auto buttons = platform::boxButtons(style);
    return buttons.empty() ? platform::answer::kFailed : buttons.front().answer;
}

void FakePlatform::errorBox(const std::string& text, const std::string& caption, unsigned style) {
    boxes.push_back(Box{Box::Kind::error, text, caption, style});
}

void FakePlatform::setButtonCaption(platform::DialogButton button, const std::string& caption) {
    calls.push_back(std::string("caption ") + buttonName(button) + "=" + caption);
    captions[button] = caption;
}

void FakePlatform::setInfoBoxVisible(bool visible) {
    calls.push_back(visible ? "infoBox shown" : "infoBox hidden");
    infoBoxVisibility.push_back(visible);
}

void FakePlatform::setClipboardText(const std::string& text) {
    calls.push_back("clipboard=" + text);
    clipboard = text;
}

RunResult resultOf(const FakePlatform& fake, int exitCode) {
    return RunResult{exitCode, fake.boxes, fake.messageTexts(), fake.errorBoxes()};
}

RunResult runScript(FakePlatform& fake, const std::string& text, const interp::LaunchArgs& args) {
    int code = interp::runScriptSource(fake, args, interp::ScriptSource::fromText(text));
    return resultOf(fake, code);
}

RunResult runScript(const std::string& text, std::vector<int> answers, const interp::LaunchArgs& args) {
    FakePlatform fake;
    fake.answers.assign(answers.begin(), answers.end());
    return runScript(fake, text, args);
}

std::string crlf(const std::vector<std::string>& lines) { return joinLines(lines, "\r\n"); }
std::string lf(const std::vector<std::string>& lines) { return joinLines(lines, "\n"); }

}  // namespace velmish_test
