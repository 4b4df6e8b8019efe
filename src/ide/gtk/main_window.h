// The Linux editor's main window: menus, toolbar, text view and status bar built from the editor
// core's tables, and the front end the core's commands ask for boxes, dialogs and programs.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <string>
#include <vector>

#include "ide/captions.h"
#include "ide/document_session.h"
#include "ide/editor_commands.h"
#include "ide/find_commands.h"
#include "ide/gtk/editor_view.h"
#include "ide/gtk/started_programs.h"
#include "ide/highlighter.h"
#include "ide/program_files.h"
#include "ide/script_menu.h"
#include "ide/start_up.h"

namespace ide::gtk {

class MainWindow : DocumentFrontEnd, ScriptMenuFrontEnd, FindFrontEnd, EditingFrontEnd, StartUpFrontEnd {
  public:
    explicit MainWindow(ProgramFolder folder);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Texts, settings and the script named on the command line (may be empty); then shows the window.
    void show(const std::string& scriptPath);

  private:
    void createMenus(GtkWidget* box);
    GtkWidget* menuOf(std::span<const MenuItem> items, bool withShortcuts);
    GtkWidget* recentFilesMenu();
    void createToolbar(GtkWidget* box);
    void createStatusBar(GtkWidget* box);
    void run(Command command);
    template <typename Action>
    bool guarded(Action action);
    void showCaretPosition();
    bool yesNo(GtkMessageType type, const std::string& text, const std::string& caption);
    void message(GtkMessageType type, const std::string& text, const std::string& caption);
    static gboolean onDelete(GtkWidget*, GdkEvent*, MainWindow* self);
    static gboolean onFocusIn(GtkWidget*, GdkEvent*, MainWindow* self);

    // StartUpFrontEnd
    void applyCaptions() override;
    void showCaretPosition(const std::string& text) override;

    // DocumentFrontEnd
    bool ask(Question kind, const std::string& text) override;
    void tell(Notice kind, const std::string& text, const std::string& caption) override;
    void showError(const std::string& message) override;
    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSave() override;
    std::string documentBytes() override { return editor_.documentBytes(); }
    void setEditorText(const std::string& bytes) override { editor_.setText(bytes); }
    void putCaretAtStart() override { editor_.select({}); }
    void refreshTitle(const std::string& caption) override;
    void quitApplication() override;

    // ScriptMenuFrontEnd
    bool startProgram(const ProgramStart& start) override { return programs_.start(start); }
    void goToLine(size_t line, const std::string& statusText) override;
    void setEnvironment(const std::string& name, const std::optional<std::string>& value) override;
    bool showCompileDialog() override;
    std::optional<std::string> showCommandDialog() override;
    bool showDebugDialog() override;

    // EditingFrontEnd
    void undo() override { editor_.undo(); }
    void redo() override { editor_.redo(); }
    void cut() override { editor_.cut(); }
    void copy() override { editor_.copy(); }
    void paste() override { editor_.paste(); }
    void deleteSelection() override { editor_.deleteSelection(); }
    void selectAll() override { editor_.selectAll(); }
    void openPage(const std::string& address) override;
    void showAbout() override;
    std::string caretLineText() override { return editor_.caretLineText(); }
    size_t caretColumn() override { return editor_.caretColumn(); }

    // FindFrontEnd
    std::string editorText() override { return editor_.text(); }
    std::optional<std::string> askSearchText(const std::string& startText) override;
    TextSelection selection() override { return editor_.selection(); }
    void select(TextSelection selection) override { editor_.select(selection); }

    ProgramFolder folder_;
    Captions captions_;
    Highlighter highlighter_;
    DocumentSession session_;
    ScriptMenu scriptMenu_;
    FindCommands find_;
    EditorView editor_;
    CommandRouter router_;
    StartedPrograms programs_;

    GtkWidget* window_ = nullptr;
    GtkAccelGroup* shortcuts_ = nullptr;
    // Every menu item and tool button with the caption it shows, relabelled when captions change.
    std::vector<std::pair<GtkWidget*, Caption>> menuLabels_;
    std::vector<std::pair<GtkToolItem*, Caption>> toolHints_;
    GtkWidget* position_ = nullptr;   // the caret position
    GtkWidget* errorText_ = nullptr;  // the last error Run or Compile reported
    std::string lastFolder_;          // where the file choosers start
    bool checkingDisk_ = false;       // a question about a change on disk is open
};

}  // namespace ide::gtk
