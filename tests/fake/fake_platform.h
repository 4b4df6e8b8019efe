// An in-process system and desktop for the unit tests: records every box and every setting the
// interpreter hands to the desktop, and answers message boxes from a queue. Files, folders, the
// environment, programs and waits are in memory and recorded (memory_system.h), unless a test
// asks for the machine's own; the clock is the machine's unless a test sets it. One object is
// both, so that one record (calls) keeps the order of system queries and desktop settings.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interp/startup.h"
#include "memory_system.h"
#include "platform/desktop.h"
#include "platform/system.h"

namespace velmish_test {

// One modal dialog the interpreter asked for.
struct DialogCall {
    enum class Kind { input, edit, list, file, folder };
    Kind kind;
    std::string title;
    std::string text;                         // input: the prompt; edit: the text as handed over
    std::string initialText;                  // input: the default; folder: the start folder
    std::vector<std::string> entries;         // list
    bool readOnly = false;                    // edit
    int width = 0, height = 0;                // edit, list
    platform::FileDialogRequest fileRequest;  // file
};

struct Box {
    enum class Kind { message, error };
    Kind kind;
    std::string text;
    std::string caption;
    unsigned style;
};

// Where the fake's files, environment, programs and waits are: in memory, or the machine's own
// (for the tests of the native backends and of commands on real files).
enum class SystemAccess { inMemory, native };

// An environment whose reads are recorded as "env NAME" (the start-up tests check which variables
// a program reads); changes pass unrecorded.
class RecordedEnvironment : public platform::Environment {
  public:
    RecordedEnvironment(std::vector<std::string>& calls, platform::Environment& inner)
        : calls_(calls), inner_(&inner) {}
    void readFrom(platform::Environment& inner) { inner_ = &inner; }

    std::optional<std::string> value(const std::string& name) override {
        calls_.push_back("env " + name);
        return inner_->value(name);
    }
    bool put(const std::string& assignment) override { return inner_->put(assignment); }

  private:
    std::vector<std::string>& calls_;
    platform::Environment* inner_;
};

class FakePlatform : public platform::System, public platform::Desktop {
  public:
    explicit FakePlatform(SystemAccess access = SystemAccess::inMemory);

    // Settings the tests change before a run.
    std::optional<std::string> user = std::string("tester");
    std::optional<platform::WindowsVersion> version = platform::WindowsVersion{2, 5, 1, 2600};
    std::string directory = "/home/tester/scripts";  // also the in-memory current directory
    std::map<std::string, std::string> environment;  // also what LETENV changes in memory
    std::optional<platform::LocalTime> clock;        // the date and time; unset: the machine's clock
    std::deque<int> answers;                         // answers for message boxes; empty: the first button of the style
    // Called after a message box has been recorded and before it returns its answer.
    std::function<void(const Box&)> onMessageBox;

    // Answers for the modal dialogs, one per dialog in order; nullopt (or an empty queue) is a
    // cancel.
    std::deque<std::optional<std::string>> dialogAnswers;
    std::deque<platform::FolderChoice> folderAnswers;  // empty: cancelled
    // What the debugger's step waits do, one per wait: "" Step, "t" Trace, "h" Halt,
    // "set NAME=VALUE" (then the next action), "select N" picks watch entry N and records its
    // value in selectedValues, "setsel N=VALUE" presses Set with entry N selected. An empty
    // queue is Step.
    std::deque<std::string> debuggerActions;
    // Halt pressed in the debugger window while this many boxes had been shown (during a dialog).
    size_t haltAfterBoxes = static_cast<size_t>(-1);
    // Top-level window titles that SENDKEYS can find, and the keys of the characters (as
    // VkKeyScanA would give them); a character missing here has no key.
    std::vector<std::string> windowTitles;
    std::map<char, int> characterKeys;
    unsigned mciResult = 0;
    int openResult = 42;

    // What the interpreter did, in order.
    std::vector<DialogCall> dialogs;
    std::vector<std::string> infoBoxPlacements;         // "TEXT wxh"
    std::vector<platform::DebuggerView> debuggerViews;  // every refresh
    std::vector<std::string> debuggerCalls;             // "buttons step=1 trace=0", "hide", "wait", "show"
    std::vector<std::string> selectedValues;            // values handed over by "select N"
    std::vector<std::string> activatedWindows;
    std::vector<std::pair<int, bool>> keyEvents;  // (virtual key, up)
    std::vector<std::string> mciCommands;
    std::vector<std::string> openedDocuments;
    platform::DebuggerEvents* debuggerEvents = nullptr;
    std::vector<Box> boxes;          // message and error boxes
    std::vector<std::string> calls;  // system queries and setting changes, e.g. "caption inputOk=OK"
    std::map<platform::DialogButton, std::string> captions;
    std::vector<bool> infoBoxVisibility;  // every change, in order
    std::string clipboard;

    // The system in memory: used unless the fake was made with SystemAccess::native.
    MemoryFileSystem memoryFiles{directory};
    MemoryEnvironment memoryEnvironment{environment};
    RecordedPrograms recordedPrograms;

    // Texts of the message boxes only.
    std::vector<std::string> messageTexts() const;
    std::vector<Box> errorBoxes() const;

    platform::FileSystem& files() override;
    platform::Environment& processEnvironment() override;
    platform::Programs& programs() override;
    std::optional<std::string> userName() override;
    std::optional<platform::WindowsVersion> windowsVersion() override;
    std::string currentDirectory() override;
    platform::LocalTime localTime() override;
    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;
    void setButtonCaption(platform::DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initialText) override;
    std::optional<std::string> editBox(const std::string& title, const std::string& text, bool readOnly, int width,
                                       int height) override;
    std::optional<std::string> listBox(const std::string& title, const std::vector<std::string>& entries, int width,
                                       int height) override;
    std::optional<std::string> fileDialog(const platform::FileDialogRequest& request) override;
    platform::FolderChoice folderBox(const std::string& title, const std::string& startFolder) override;
    void placeInfoBox(const std::string& text, int width, int height) override;
    void setDebuggerEvents(platform::DebuggerEvents* events) override { debuggerEvents = events; }
    void showDebugger(const platform::DebuggerView& view) override;
    void enableDebuggerButtons(bool step, bool trace) override;
    void hideDebugger() override { debuggerCalls.push_back("hide"); }
    platform::DebuggerStep debuggerStep(bool wait) override;
    bool activateWindow(const std::string& title) override;
    void keyEvent(int virtualKey, bool up) override { keyEvents.emplace_back(virtualKey, up); }
    int keyForCharacter(char character) override;
    unsigned mciCommand(const std::string& command) override;
    int openDocument(const std::string& target) override;
    std::string clipboardText() override { return clipboard; }

  private:
    std::optional<std::string> nextDialogAnswer();

    // The machine's own, with SystemAccess::native.
    std::unique_ptr<platform::FileSystem> nativeFiles_;
    std::unique_ptr<platform::Environment> nativeEnvironment_;
    std::unique_ptr<platform::Programs> nativePrograms_;
    RecordedEnvironment recordedEnvironment_{calls, memoryEnvironment};

  public:
    void setClipboardText(const std::string& text) override;
};

struct RunResult {
    int exitCode;
    std::vector<Box> boxes;          // all boxes, in order
    std::vector<std::string> shown;  // texts of the message boxes
    std::vector<Box> errors;         // the error boxes

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
