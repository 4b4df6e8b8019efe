// An in-process platform for the unit tests: records every box and every setting the
// interpreter hands to the desktop, and answers message boxes from a queue.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "interp/startup.h"
#include "platform/platform.h"

namespace velmish_test {

struct Box {
    enum class Kind { message, error };
    Kind kind;
    std::string text;
    std::string caption;
    unsigned style;
};

class FakePlatform : public platform::Platform {
public:
    // Settings the tests change before a run.
    bool dialogClassRegisters = true;
    bool themesActive = false;
    std::optional<std::string> user = std::string("tester");
    std::optional<platform::WindowsVersion> version = platform::WindowsVersion{2, 5, 1, 2600};
    std::string directory = "/home/tester/scripts";
    std::map<std::string, std::string> environment;
    std::deque<int> answers;  // answers for message boxes; empty: the first button of the style
    // Called after a message box has been recorded and before it returns its answer.
    std::function<void(const Box&)> onMessageBox;

    // What the interpreter did, in order.
    std::vector<Box> boxes;                  // message and error boxes
    std::vector<std::string> calls;          // system queries and setting changes, e.g. "caption inputOk=OK"
    std::map<platform::DialogButton, std::string> captions;
    std::vector<bool> infoBoxVisibility;     // every change, in order
    std::optional<int> dialogThemeOffset;    // set when the dialog windows are created
    std::string clipboard;

    // Texts of the message boxes only.
    std::vector<std::string> messageTexts() const;
    std::vector<Box> errorBoxes() const;

    bool registerDialogClass() override;
    bool visualThemesActive() override { return themesActive; }
    void createDialogWindows(int themeOffset) override;
    std::optional<std::string> userName() override;
    std::optional<platform::WindowsVersion> windowsVersion() override;
    std::string currentDirectory() override;
    std::string environmentVariable(const std::string& name) override;
    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;
    void setButtonCaption(platform::DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override;
};

struct RunResult {
    int exitCode;
    std::vector<Box> boxes;           // all boxes, in order
    std::vector<std::string> shown;   // texts of the message boxes
    std::vector<Box> errors;          // the error boxes

    // The text of the only error box, or "" when there was none.
    std::string errorText() const { return errors.empty() ? std::string() : errors.front().text; }
};

inline const interp::LaunchArgs kDefaultArgs{"test.vl", std::nullopt};

// Runs a script held in memory on a fresh fake platform.
RunResult runScript(const std::string& text, std::vector<int> answers = {},
                    const interp::LaunchArgs& args = kDefaultArgs);
// The same on a prepared fake, which keeps its records for inspection.
RunResult runScript(FakePlatform& fake, const std::string& text, const interp::LaunchArgs& args = kDefaultArgs);
RunResult resultOf(const FakePlatform& fake, int exitCode);

// Joins lines with CR LF after each ("a", "b" -> "a\r\nb\r\n").
std::string crlf(const std::vector<std::string>& lines);
// The same with a line feed alone after each line.
std::string lf(const std::vector<std::string>& lines);

}  // namespace velmish_test
