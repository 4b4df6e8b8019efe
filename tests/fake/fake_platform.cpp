// The fake system and desktop of the unit tests.
#include "fake_platform.h"

#include <ctime>

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

FakePlatform::FakePlatform(SystemAccess access) {
    if (access == SystemAccess::native) {
        nativeFiles_ = platform::createNativeFileSystem();
        nativeEnvironment_ = platform::createNativeEnvironment();
        nativePrograms_ = platform::createNativePrograms();
        recordedEnvironment_.readFrom(*nativeEnvironment_);
    }
}

platform::FileSystem& FakePlatform::files() {
    return nativeFiles_ ? *nativeFiles_ : static_cast<platform::FileSystem&>(memoryFiles);
}

platform::Environment& FakePlatform::processEnvironment() { return recordedEnvironment_; }

platform::Programs& FakePlatform::programs() {
    return nativePrograms_ ? *nativePrograms_ : static_cast<platform::Programs&>(recordedPrograms);
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

platform::LocalTime FakePlatform::localTime() {
    if (clock) return *clock;
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    return platform::LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                               local.tm_hour,        local.tm_min,     local.tm_sec};
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
    int code = interp::runScriptSource(fake, fake, args, interp::ScriptSource::fromText(text));
    return resultOf(fake, code);
}

RunResult runScript(const std::string& text, std::vector<int> answers, const interp::LaunchArgs& args) {
    FakePlatform fake;
    fake.answers.assign(answers.begin(), answers.end());
    return runScript(fake, text, args);
}

std::string crlf(const std::vector<std::string>& lines) { return joinLines(lines, "\r\n"); }
std::string lf(const std::vector<std::string>& lines) { return joinLines(lines, "\n"); }

std::optional<std::string> FakePlatform::nextDialogAnswer() {
    if (dialogAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::inputBox(const std::string& title, const std::string& prompt,
                                                  const std::string& initialText) {
    dialogs.push_back(DialogCall{DialogCall::Kind::input, title, prompt, initialText, {}, false, 0, 0, {}});
    return nextDialogAnswer();
}

std::optional<std::string> FakePlatform::editBox(const std::string& title, const std::string& text, bool readOnly,
                                                 int width, int height) {
    dialogs.push_back(DialogCall{DialogCall::Kind::edit, title, text, {}, {}, readOnly, width, height, {}});
    return nextDialogAnswer();
}

std::optional<std::string> FakePlatform::listBox(const std::string& title, const std::vector<std::string>& entries,
                                                 int width, int height) {
    dialogs.push_back(DialogCall{DialogCall::Kind::list, title, {}, {}, entries, false, width, height, {}});
    return nextDialogAnswer();
}

std::optional<std::string> FakePlatform::fileDialog(const platform::FileDialogRequest& request) {
    dialogs.push_back(DialogCall{DialogCall::Kind::file, request.title, {}, {}, {}, false, 0, 0, request});
    return nextDialogAnswer();
}

platform::FolderChoice FakePlatform::folderBox(const std::string& title, const std::string& startFolder) {
    dialogs.push_back(DialogCall{DialogCall::Kind::folder, title, {}, startFolder, {}, false, 0, 0, {}});
    if (folderAnswers.empty()) return {};
    platform::FolderChoice choice = folderAnswers.front();
    folderAnswers.pop_front();
    return choice;
}

void FakePlatform::placeInfoBox(const std::string& text, int width, int height) {
    infoBoxPlacements.push_back(text + " " + std::to_string(width) + "x" + std::to_string(height));
}

void FakePlatform::showDebugger(const platform::DebuggerView& view) {
    debuggerCalls.push_back("show");
    debuggerViews.push_back(view);
}

void FakePlatform::enableDebuggerButtons(bool step, bool trace) {
    debuggerCalls.push_back(std::string("buttons step=") + (step ? "1" : "0") + " trace=" + (trace ? "1" : "0"));
}

platform::DebuggerStep FakePlatform::debuggerStep(bool wait) {
    if (boxes.size() >= haltAfterBoxes) return platform::DebuggerStep::halt;
    if (!wait) return platform::DebuggerStep::go;
    debuggerCalls.push_back("wait");
    while (!debuggerActions.empty()) {
        std::string action = debuggerActions.front();
        debuggerActions.pop_front();
        if (action.empty()) break;
        if (action == "t") {
            debuggerEvents->tracePressed();
            return platform::DebuggerStep::go;
        }
        if (action == "h") return platform::DebuggerStep::halt;
        size_t equals = action.find('=');
        if (action.rfind("set ", 0) == 0 && equals != std::string::npos) {
            debuggerViews.back().watches =
                debuggerEvents->setNamed(action.substr(4, equals - 4), action.substr(equals + 1));
        } else if (action.rfind("setsel ", 0) == 0 && equals != std::string::npos) {
            int index = std::stoi(action.substr(7, equals - 7));
            debuggerViews.back().watches = debuggerEvents->setPressed(index, action.substr(equals + 1));
        } else if (action.rfind("select ", 0) == 0) {
            selectedValues.push_back(debuggerEvents->watchedValue(std::stoi(action.substr(7))));
        }
    }
    debuggerEvents->stepPressed();
    return platform::DebuggerStep::go;
}

bool FakePlatform::activateWindow(const std::string& title) {
    activatedWindows.push_back(title);
    for (const std::string& window : windowTitles) {
        if (window == title) return true;
    }
    return false;
}

int FakePlatform::keyForCharacter(char character) {
    auto found = characterKeys.find(character);
    return found == characterKeys.end() ? -1 : found->second;
}

unsigned FakePlatform::mciCommand(const std::string& command) {
    mciCommands.push_back(command);
    return mciResult;
}

int FakePlatform::openDocument(const std::string& target) {
    openedDocuments.push_back(target);
    return openResult;
}

}  // namespace velmish_test
