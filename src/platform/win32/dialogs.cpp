// The dialogs scripts open: the input, edit and list boxes (the hidden windows made at start-up),
// the system's file dialogs and folder browser, and the info box.
#include <shlobj.h>

#include "platform/dialog_filter.h"
#include "platform/win32/win32_desktop.h"

namespace platform {

namespace {

// Room for the chosen file: any path the system can name, and with multi-selection the folder and
// a great many names.
constexpr DWORD kSingleFileBuffer = 32768;
constexpr DWORD kMultiFileBuffer = 262144;
// The path conversion of the folder browser writes at most MAX_PATH characters.
constexpr size_t kFolderPathBuffer = 520;

// Moves a dialog window to the middle of the screen, lowered by the theme offset.
void centre(HWND window, int width, int height, int offset) {
    MoveWindow(window, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
               GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2 + offset, width, height, TRUE);
}

// The dialog's answer: a single path as it is; with multi-selection the folder and the names, each
// ended by a zero and the whole by a second zero, become one text joined by "|".
std::string chosenFiles(const std::vector<char>& buffer, bool multiSelect) {
    if (!multiSelect) return std::string(buffer.data());
    std::string text;
    for (size_t i = 0; i + 1 < buffer.size() && !(buffer[i] == '\0' && buffer[i + 1] == '\0'); ++i) {
        text += buffer[i] == '\0' ? '|' : buffer[i];
    }
    return text;
}

// Opens the folder browser on the start folder.
int CALLBACK browseCallback(HWND window, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, startFolder);
    return 0;
}

}  // namespace

std::optional<std::string> Win32Desktop::inputBox(const std::string& title, const std::string& prompt,
                                                  const std::string& initialText) {
    dialogDone_ = false;
    setText(inputPrompt_, prompt);
    setText(inputBox_, title);
    setText(inputEntry_, initialText);
    // The caret goes after the default text.
    SendMessageA(inputEntry_, EM_SETSEL, initialText.size(), static_cast<LPARAM>(initialText.size()));
    std::optional<std::string> answer;
    if (runDialog(inputBox_, inputEntry_)) answer = windowText(inputEntry_);
    endDialog(inputBox_);
    return answer;
}

std::optional<std::string> Win32Desktop::editBox(const std::string& title, const std::string& text, bool readOnly,
                                                 int width, int height) {
    dialogDone_ = false;
    setText(editBox_, title);
    setText(editText_, text);
    SendMessageA(editText_, EM_SETREADONLY, readOnly ? 1 : 0, 0);
    centre(editBox_, width, height, themeOffset_);
    std::optional<std::string> answer;
    if (runDialog(editBox_, editText_)) answer = windowText(editText_);
    endDialog(editBox_);
    return answer;
}

std::optional<std::string> Win32Desktop::listBox(const std::string& title, const std::vector<std::string>& entries,
                                                 int width, int height) {
    dialogDone_ = false;
    SendMessageA(listList_, LB_RESETCONTENT, 0, 0);
    setText(listBox_, title);
    for (const std::string& entry : entries) {
        SendMessageA(listList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    centre(listBox_, width, height, themeOffset_);
    SendMessageA(listList_, LB_SETCURSEL, 0, 0);
    std::optional<std::string> answer;
    if (runDialog(listBox_, listList_)) {
        auto index = static_cast<WPARAM>(SendMessageA(listList_, LB_GETCURSEL, 0, 0));
        auto length = SendMessageA(listList_, LB_GETTEXTLEN, index, 0);
        if (static_cast<int>(index) != LB_ERR && length != LB_ERR) {
            std::string entry(static_cast<size_t>(length) + 1, '\0');
            length = SendMessageA(listList_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
            entry.resize(static_cast<size_t>(length < 0 ? 0 : length));
            answer = std::move(entry);
        }
    }
    endDialog(listBox_);
    return answer;
}

std::optional<std::string> Win32Desktop::fileDialog(const FileDialogRequest& request) {
    std::vector<char> files(request.multiSelect ? kMultiFileBuffer : kSingleFileBuffer, '\0');
    std::string filter = commonDialogFilter(request.filter);
    OPENFILENAMEA dialog{};
    // The record as Windows 95 and NT 4 know it, without the fields later versions added.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = files.data();
    dialog.nMaxFile = static_cast<DWORD>(files.size());
    dialog.nMaxFileTitle = 2048;
    dialog.lpstrInitialDir = request.initialDirectory.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = OFN_EXPLORER | (request.multiSelect ? OFN_ALLOWMULTISELECT : 0);
    BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    return chosenFiles(files, request.multiSelect);
}

FolderChoice Win32Desktop::folderBox(const std::string& title, const std::string& startFolder) {
    HRESULT comStarted = CoInitialize(nullptr);
    FolderChoice choice;
    IMalloc* shellAllocator = nullptr;
    if (FAILED(SHGetMalloc(&shellAllocator))) {
        choice.outcome = FolderChoice::Outcome::failed;
    } else {
        char displayName[MAX_PATH] = {};
        BROWSEINFOA browse{};
        browse.pszDisplayName = displayName;
        browse.lpszTitle = title.c_str();
        browse.lpfn = browseCallback;
        browse.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
        if (LPITEMIDLIST item = SHBrowseForFolderA(&browse)) {
            std::string path(kFolderPathBuffer, '\0');
            // An item without a file-system path (a printer, the network) is no answer.
            if (SHGetPathFromIDListA(item, path.data())) {
                path.resize(path.find('\0'));
                choice = {FolderChoice::Outcome::chosen, path};
            } else {
                choice.outcome = FolderChoice::Outcome::failed;
            }
            shellAllocator->Free(item);
        } else {
            choice.outcome = FolderChoice::Outcome::cancelled;
        }
        shellAllocator->Release();
    }
    if (SUCCEEDED(comStarted)) CoUninitialize();
    return choice;
}

void Win32Desktop::placeInfoBox(const std::string& text, int width, int height) {
    centre(infoBox_, width, height, 0);
    MoveWindow(infoText_, 0, 3, width, height, TRUE);
    setText(infoText_, text);
}

}  // namespace platform
