// TMain, velide's main window: menus, toolbar, editor and status bar, and the front end the
// editor core's commands ask for boxes, dialogs and programs.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <string>

#include "ide/captions.h"
#include "ide/document_session.h"
#include "ide/editor_commands.h"
#include "ide/find_commands.h"
#include "ide/highlighter.h"
#include "ide/program_files.h"
#include "ide/script_menu.h"
#include "ide/start_up.h"
#include "ide/win32/editor.h"
#include "ide/win32/forms.h"
#include "ide/win32/main_menu.h"
#include "ide/win32/started_programs.h"

namespace ide::win32 {

class MainWindow : DocumentFrontEnd, ScriptMenuFrontEnd, FindFrontEnd, EditingFrontEnd, StartUpFrontEnd {
  public:
    MainWindow(HINSTANCE instance, ProgramFolder folder);

    // Creates TMain and the five dialogs, in that order.
    void create();
    // FormShow: texts, settings, the script named on the command line; then shows the window.
    void show(const std::string& scriptPath, int showCommand);
    // The message loop, with the command table's shortcuts.
    int run();

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int code, HWND from);
    LRESULT onNotify(NMHDR& header);
    void onSize();
    void createToolbar();
    void showCaretPosition();

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
    void setEditorText(const std::string& text) override { editor_.setText(text); }
    void putCaretAtStart() override { editor_.select({}); }
    void refreshTitle(const std::string& caption) override;
    void quitApplication() override { DestroyWindow(hwnd_); }

    // ScriptMenuFrontEnd
    bool startProgram(const ide::ProgramStart& start) override;
    void goToLine(size_t line, const std::string& statusText) override;
    void setEnvironment(const std::string& name, const std::optional<std::string>& value) override;
    bool showCompileDialog() override { return chooseIcon_.showModal(); }
    std::optional<std::string> showCommandDialog() override;
    bool showDebugDialog() override;

    // EditingFrontEnd (Undo and Redo are the Linux editor's; the rich edit has them too)
    void undo() override;
    void redo() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void deleteSelection() override;
    void selectAll() override;
    void openPage(const std::string& path) override;
    void showAbout() override;
    std::string caretLineText() override { return editor_.caretLineText(); }
    size_t caretColumn() override { return editor_.caretColumn(); }

    // FindFrontEnd
    std::string editorText() override { return editor_.text(); }
    std::optional<std::string> askSearchText(const std::string& startText) override;
    TextSelection selection() override { return editor_.selection(); }
    void select(TextSelection selection) override { editor_.select(selection); }

    HINSTANCE instance_;
    ProgramFolder folder_;
    Captions captions_;
    Highlighter highlighter_;
    DocumentSession session_;
    ScriptMenu scriptMenu_;
    FindCommands find_;
    Editor editor_;
    TChooseIcon chooseIcon_;
    TCommandVar commandVar_;
    TAbout about_;
    TFind findForm_;
    TDebug debug_;
    CommandRouter router_;

    std::unique_ptr<StartedPrograms> programs_;  // made with the window, whose timer reads them
    HWND hwnd_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND statusBar_ = nullptr;
    HIMAGELIST images_ = nullptr;  // ImageList1
    MainMenus menus_;
    HACCEL shortcuts_ = nullptr;
    OPENFILENAMEA openDialog_{};  // both file dialogs keep their state between uses
    OPENFILENAMEA saveDialog_{};
    char openFile_[MAX_PATH] = "";
    char saveFile_[MAX_PATH] = "";
    char startFolder_[MAX_PATH] = "";
    std::string filter_;
};

}  // namespace ide::win32
