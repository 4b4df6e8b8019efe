// TMain: window creation, layout, the message handlers and the front end of the editor core.
#include <windows.h>

#include "ide/win32/main_window.h"

#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <vector>

#include "core/toolkit_texts.h"
#include "ide/fixed_texts.h"
#include "ide/win32/command_ids.h"
#include "ide/win32/resource_ids.h"

namespace ide::win32 {

namespace {

const char* const kMainClass = "TMain";
constexpr int kWidth = 594, kHeight = 463;
constexpr int kToolbarHeight = 25;
// The timer that reads what started programs write to their standard error.
constexpr UINT_PTR kProgramsTimer = 1;

// The shortcuts of the command table as the message loop's accelerators.
HACCEL createShortcuts() {
    std::vector<ACCEL> keys;
    for (int i = 0; i < kCommandCount; ++i) {
        auto command = static_cast<Command>(i);
        Shortcut shortcut = shortcutOf(command);
        if (shortcut.empty() || !hasCommand(Edition::windows, command)) continue;
        WORD key =
            shortcut.letter ? static_cast<WORD>(shortcut.letter) : static_cast<WORD>(VK_F1 + shortcut.functionKey - 1);
        BYTE flags = FVIRTKEY | (shortcut.letter ? FCONTROL : 0);
        keys.push_back({flags, key, static_cast<WORD>(commandId(command))});
    }
    return CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, ProgramFolder folder)
    : instance_(instance),
      folder_(std::move(folder)),
      session_(*this, captions_),
      scriptMenu_(session_, *this, folder_),
      find_(*this, captions_),
      editor_(highlighter_),
      chooseIcon_(scriptMenu_.compileOptions(), captions_),
      commandVar_(captions_),
      findForm_(captions_),
      debug_(scriptMenu_.debuggerSettings(), captions_),
      router_(session_, scriptMenu_, find_, *this, folder_),
      filter_(interp::commonDialogFilter(kDocumentFilter)) {}

void MainWindow::create() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &MainWindow::windowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VELIDE));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClass;
    RegisterClassA(&windowClass);

    menus_ = createMenus(captions_);
    int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    hwnd_ = CreateWindowExA(0, kMainClass, windowCaption(kUnnamedDocument).c_str(), WS_OVERLAPPEDWINDOW, x, y, kWidth,
                            kHeight, nullptr, menus_.bar, instance_, this);
    shortcuts_ = createShortcuts();

    images_ = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(IDB_TOOLBAR), 16, 0, RGB(255, 0, 255), IMAGE_BITMAP,
                                   LR_CREATEDIBSECTION);
    createToolbar();
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(ID_STATUSBAR), instance_, nullptr);
    // The caret position, then the text of the last error Run or Compile reported.
    int panels[] = {50, -1};
    SendMessageA(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(panels));
    programs_ = std::make_unique<StartedPrograms>(
        hwnd_, kProgramsTimer, [this](ErrorLine error) { scriptMenu_.errorReported(std::move(error)); });
    editor_.create(hwnd_, instance_);
    editor_.onCaretMoved([this] { showCaretPosition(); });
    onSize();

    chooseIcon_.create(instance_, hwnd_, 209, 122);
    commandVar_.create(instance_, hwnd_, 336, 50);
    about_.create(instance_, hwnd_, 305, 233);
    findForm_.create(instance_, hwnd_, 274, 50);
    debug_.create(instance_, hwnd_, 181, 215);

    for (OPENFILENAMEA* dialog : {&openDialog_, &saveDialog_}) {
        dialog->lStructSize = sizeof *dialog;
        dialog->hwndOwner = hwnd_;
        dialog->lpstrFilter = filter_.c_str();
        dialog->nFilterIndex = 1;
        dialog->nMaxFile = MAX_PATH;
        // The current folder stays where velide started, so relative names keep their meaning.
        dialog->Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    }
    openDialog_.lpstrFile = openFile_;
    saveDialog_.lpstrFile = saveFile_;
    // Both start in the folder velide was started in; afterwards the name chosen last leads.
    GetCurrentDirectoryA(MAX_PATH, startFolder_);
    openDialog_.lpstrInitialDir = startFolder_;
    saveDialog_.lpstrInitialDir = startFolder_;
}

void MainWindow::createToolbar() {
    toolbar_ =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER, 0, 0,
                        kWidth, kToolbarHeight, hwnd_, reinterpret_cast<HMENU>(ID_TOOLBAR), instance_, nullptr);
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    SendMessageA(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(23, 22));
    for (const ToolButton& tool : toolbar()) {
        TBBUTTON button{};
        button.iBitmap = tool.command ? tool.image : 8;
        button.idCommand = tool.command ? static_cast<int>(commandId(*tool.command)) : 0;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = tool.command ? BTNS_BUTTON : BTNS_SEP;
        SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
}

void MainWindow::show(const std::string& scriptPath, int showCommand) {
    startEditor(folder_, captions_, highlighter_, session_, scriptPath, *this);
    attachMenuImages(menus_.bar);
    editor_.installMessageFilter();
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(editor_.hwnd());
}

void MainWindow::applyCaptions() {
    applyMenuCaptions(menus_, captions_);
    DrawMenuBar(hwnd_);
    chooseIcon_.applyCaptions();
    commandVar_.applyCaptions();
    findForm_.applyCaptions();
    debug_.applyCaptions();
    openDialog_.lpstrTitle = captions_[Caption::OpenDialog].c_str();
    saveDialog_.lpstrTitle = captions_[Caption::SaveDialog].c_str();
}

int MainWindow::run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(hwnd_, shortcuts_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    return guarded(hwnd, [&] { return window->handle(message, wParam, lParam); });
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        case WM_NOTIFY: return onNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_SIZE: onSize(); return 0;
        case WM_SETFOCUS: SetFocus(editor_.hwnd()); return 0;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != editor_.hwnd()) break;
            TrackPopupMenu(menus_.popup, TPM_RIGHTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, hwnd_,
                           nullptr);
            return 0;
        case WM_MEASUREITEM:
            if (measureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (drawMenuImage(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam), images_)) return TRUE;
            break;
        case WM_CLOSE:  // FormCloseQuery
            if (session_.mayClose()) DestroyWindow(hwnd_);
            return 0;
        // Logging off or shutting down asks as closing the window does; No keeps the session.
        case WM_QUERYENDSESSION: return session_.mayClose() ? TRUE : FALSE;
        case WM_TIMER:
            if (wParam == kProgramsTimer) programs_->poll();
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::onSize() {
    RECT client;
    GetClientRect(hwnd_, &client);
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(statusBar_, &status);
    int statusHeight = status.bottom - status.top;
    MoveWindow(toolbar_, 0, 0, client.right, kToolbarHeight, TRUE);
    MoveWindow(editor_.hwnd(), 0, kToolbarHeight, client.right, client.bottom - kToolbarHeight - statusHeight, TRUE);
}

void MainWindow::onCommand(int id, int code, HWND from) {
    if (from == editor_.hwnd()) {
        if (code == EN_CHANGE) {  // EditorChange
            if (!editor_.colouringBusy()) editor_.textChanged();
            session_.editorChanged(editor_.colouringBusy());
        }
        return;
    }
    if (auto command = commandOf(static_cast<UINT>(id))) router_.run(*command);
}

// The toolbar's tooltips come from the captions, so the language file replaces them too.
LRESULT MainWindow::onNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA) return 0;
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    for (const ToolButton& tool : toolbar()) {
        if (tool.command && commandId(*tool.command) == header.idFrom) {
            info.lpszText = const_cast<char*>(captions_[tool.hint].c_str());
        }
    }
    return 0;
}

void MainWindow::showCaretPosition() {
    showCaretPosition(caretPositionText(editor_.caretLine(), editor_.caretColumn()));
}

void MainWindow::showCaretPosition(const std::string& text) {
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::undo() { SendMessageA(editor_.hwnd(), EM_UNDO, 0, 0); }
void MainWindow::redo() { SendMessageA(editor_.hwnd(), EM_REDO, 0, 0); }
void MainWindow::cut() { SendMessageA(editor_.hwnd(), WM_CUT, 0, 0); }
void MainWindow::copy() { SendMessageA(editor_.hwnd(), WM_COPY, 0, 0); }
void MainWindow::paste() { editor_.pastePlainText(); }
void MainWindow::deleteSelection() { SendMessageA(editor_.hwnd(), WM_CLEAR, 0, 0); }
void MainWindow::selectAll() { SendMessageA(editor_.hwnd(), EM_SETSEL, 0, -1); }
void MainWindow::showAbout() { about_.showModal(); }

void MainWindow::openPage(const std::string& path) {
    ShellExecuteA(hwnd_, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The question's box: Yes and No, No preselected; a question mark for discarding, the warning
// sign where work would be lost for good.
bool MainWindow::ask(Question kind, const std::string& text) {
    UINT icon = kind == Question::discardDocument ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    std::string caption(kApplicationTitle);
    return MessageBoxA(hwnd_, text.c_str(), caption.c_str(), MB_YESNO | MB_DEFBUTTON2 | icon) == IDYES;
}

void MainWindow::tell(Notice kind, const std::string& text, const std::string& caption) {
    UINT icon = kind == Notice::information ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxA(hwnd_, text.c_str(), caption.c_str(), MB_OK | icon);
}

// The application's error box: the system's description of a failed read or write.
void MainWindow::showError(const std::string& message) {
    MessageBoxA(hwnd_, message.c_str(), std::string(kApplicationTitle).c_str(), MB_ICONERROR);
}

std::optional<std::string> MainWindow::chooseFileToOpen() {
    openFile_[0] = '\0';
    if (!GetOpenFileNameA(&openDialog_)) return std::nullopt;
    return std::string(openFile_);
}

std::optional<std::string> MainWindow::chooseFileToSave() {
    if (!GetSaveFileNameA(&saveDialog_)) return std::nullopt;
    return std::string(saveFile_);
}

void MainWindow::refreshTitle(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
    editor_.colourAll();
}

bool MainWindow::startProgram(const ide::ProgramStart& start) {
    return programs_->start(ide::windowsCommandLine(start));
}

// The error's line selected and in view, its text in the status bar's second part.
void MainWindow::goToLine(size_t line, const std::string& statusText) {
    editor_.select(editor_.lineRange(line));
    showCaretPosition();
    SendMessageA(statusBar_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(statusText.c_str()));
    SetFocus(editor_.hwnd());
}

void MainWindow::setEnvironment(const std::string& name, const std::optional<std::string>& value) {
    SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
}

std::optional<std::string> MainWindow::showCommandDialog() {
    if (!commandVar_.showModal()) return std::nullopt;
    return commandVar_.value();
}

bool MainWindow::showDebugDialog() {
    if (!debug_.showModal()) return false;
    debug_.takeWatchedVariables();
    return true;
}

std::optional<std::string> MainWindow::askSearchText(const std::string& startText) {
    findForm_.setSearchText(startText);
    if (!findForm_.showModal()) return std::nullopt;
    return findForm_.searchText();
}

}  // namespace ide::win32
