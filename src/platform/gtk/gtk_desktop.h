// The GTK desktop: message boxes, the dialogs, the info box and the debugger window as GTK 3
// windows, keys through XTest, the desktop clipboard and the default applications.
//
// GTK runs on a thread of its own that owns the main loop, so the info box and the debugger
// window are redrawn while the script runs on (during WAIT and started programs too). Every call
// that touches a window is handed to that thread and waited for (onGtk); the script thread never
// calls GTK itself. MCI, and the clipboard where the display has none, stay with the terminal
// front end the module was given.
#pragma once

#include <gtk/gtk.h>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop.h"

namespace platform::gtk {

// GNOME's dialog spacing: margins around a window's content, the gap between its groups of
// controls and between the controls of one group.
constexpr int kWindowMargin = 18;
constexpr int kGroupSpacing = 12;
constexpr int kControlSpacing = 6;

// The style class of text that can be read and selected but not changed; gtk_platform.cpp gives
// it its look when GTK starts.
constexpr const char* kReadOnlyClass = "velmish-read-only";

// Makes the dialog's button for this response the default and shows it so from the start, as the
// theme shows a suggested action; GTK marks a default button only once a key has been pressed.
void markDefault(GtkDialog* dialog, int response);

class GtkDesktop : public Desktop {
  public:
    // program: 0 the interpreter (with the debugger window), 1 a compiled program.
    GtkDesktop(std::unique_ptr<Desktop> console, int program);
    ~GtkDesktop() override;
    // Starts the GTK thread; false when GTK cannot open the display (the thread is gone then).
    bool start();
    // Gives the terminal front end back when start failed.
    Desktop* releaseConsole() { return console_.release(); }

    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void errorBox(const std::string& text, const std::string& caption, unsigned style) override;

    void setButtonCaption(DialogButton button, const std::string& caption) override;
    void setInfoBoxVisible(bool visible) override;

    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initialText) override;
    std::optional<std::string> editBox(const std::string& title, const std::string& text, bool readOnly, int width,
                                       int height) override;
    std::optional<std::string> listBox(const std::string& title, const std::vector<std::string>& entries, int width,
                                       int height) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
    FolderChoice folderBox(const std::string& title, const std::string& startFolder) override;
    void placeInfoBox(const std::string& text, int width, int height) override;

    void setDebuggerEvents(DebuggerEvents* events) override;
    void showDebugger(const DebuggerView& view) override;
    void enableDebuggerButtons(bool step, bool trace) override;
    void hideDebugger() override;
    DebuggerStep debuggerStep(bool wait) override;

    bool activateWindow(const std::string& title) override;
    void keyEvent(int virtualKey, bool up) override;
    int keyForCharacter(char character) override;
    void releaseKeys() override;
    unsigned mciCommand(const std::string& command) override { return console_->mciCommand(command); }
    int openDocument(const std::string& target) override;

    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;

  private:
    // Runs work on the GTK thread and waits for it. User actions that arrive between calls (a
    // debugger button while the script runs) are kept and handled at the start of the next call,
    // so the debugger's side is only ever entered while the script thread waits.
    void onGtk(const std::function<void()>& work);
    void whenScriptWaits(std::function<void()> action);
    void gtkThread();

    // Runs a dialog modally on the GTK thread; Halt in the debugger window ends it at once.
    int runDialog(GtkDialog* dialog);
    void buildInfoBox();
    void buildDebugger();
    GtkWidget* buildWatchList();
    GtkWidget* buildDebuggerButtons();
    void fillWatchList(const std::vector<std::string>& entries);
    int selectedWatch() const;
    bool userChoosesWatch() const;
    bool mayChangeWatch(bool selected);
    void onStep();
    void onTrace();
    void onSet();
    void onWatchSelected();
    void onHalt();
    // Sends one key event through XTest; false when keys cannot reach other windows here.
    bool fakeKey(unsigned keycode, bool down);
    void releaseKeysNow();

    std::unique_ptr<Desktop> console_;  // the terminal front end: MCI, and the clipboard without a seat
    int program_;
    std::thread thread_;
    bool started_ = false;

    // Owned by the GTK thread.
    bool inCall_ = false;                         // a script call runs on the GTK thread
    std::vector<std::function<void()>> pending_;  // user actions waiting for the next call
    std::string buttonCaptions_[5];               // by DialogButton, as scripts wrote them
    GtkDialog* runningDialog_ = nullptr;          // the modal dialog up now, if any
    GtkWidget* infoBox_ = nullptr;                // the info box and its label
    GtkWidget* infoLabel_ = nullptr;
    GtkWidget* debugger_ = nullptr;  // the debugger window and its parts
    GtkListStore* watchStore_ = nullptr;
    GtkWidget* watchView_ = nullptr;
    GtkWidget* lineDisplay_ = nullptr;
    GtkWidget* stepButton_ = nullptr;
    GtkWidget* traceButton_ = nullptr;
    GtkWidget* valueEntry_ = nullptr;
    GtkWidget* setButton_ = nullptr;
    bool refillingWatches_ = false;  // the watch list is being rebuilt: no row may be selected
    bool keepingChoice_ = false;     // Set selects the row the user chose again
    bool stepWaiting_ = false;       // debuggerStep waits for Step or Trace
    DebuggerEvents* debuggerEvents_ = nullptr;
    std::set<unsigned> keysDown_;  // keycodes pressed and not yet released
    bool clipboardSet_ = false;    // a script text is on the clipboard

    std::atomic<bool> haltPressed_{false};  // Halt or the debugger's close box: no next command
};

}  // namespace platform::gtk
