// TChooseIcon, the compile dialog: the options line handed to velcomp and the boxes that build it.
#include <windows.h>

#include <commdlg.h>

#include "core/toolkit_texts.h"
#include "ide/fixed_texts.h"
#include "ide/win32/forms.h"

namespace ide::win32 {

void TChooseIcon::createControls() {
    HWND line = add("EDIT", "", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 8, 8, 193, 21, ID_COPTIONS);
    SendMessageA(line, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont(8)), FALSE);
    add("BUTTON", "", BS_CHECKBOX | WS_TABSTOP, 8, 36, 193, 17, ID_CHECKBOX1);
    add("BUTTON", "", BS_CHECKBOX | WS_TABSTOP, 8, 55, 193, 17, ID_CHECKBOX2);
    add("BUTTON", "", BS_CHECKBOX | WS_TABSTOP, 8, 74, 193, 17, ID_CHECKBOX3);
    add("BUTTON", "", BS_DEFPUSHBUTTON | WS_TABSTOP, 112, 94, 89, 24, IDOK);
    applyCaptions();
    showOptions();
}

void TChooseIcon::applyCaptions() {
    SetWindowTextA(hwnd(), captions_[Caption::TChooseIcon].c_str());
    setText(ID_CHECKBOX1, captions_[Caption::TChooseIcon_CheckBox1]);
    setText(ID_CHECKBOX2, captions_[Caption::TChooseIcon_CheckBox2]);
    setText(ID_CHECKBOX3, captions_[Caption::TChooseIcon_CheckBox3]);
    setText(IDOK, captions_[Caption::TChooseIcon_Compile]);
}

// A click may tick or clear another box, so all three and the line are shown again from the core.
void TChooseIcon::showOptions() {
    setChecked(ID_CHECKBOX1, options_.autoLink());
    setChecked(ID_CHECKBOX2, options_.runAfterHalt());
    setChecked(ID_CHECKBOX3, options_.linkIcon());
    setText(ID_COPTIONS, options_.line());
}

bool TChooseIcon::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case ID_CHECKBOX1: options_.setAutoLink(!checked(ID_CHECKBOX1)); break;
        case ID_CHECKBOX2: options_.setRunAfterHalt(!checked(ID_CHECKBOX2)); break;
        case ID_CHECKBOX3:
            options_.setLinkIcon(!checked(ID_CHECKBOX3), [this](const std::string& last) { return chooseIcon(last); });
            break;
        default: return false;
    }
    showOptions();
    return true;
}

// OpenIcon: the icon dialog, titled by the language file, showing icon files only and starting at
// the icon chosen last.
std::optional<std::string> TChooseIcon::chooseIcon(const std::string& chosenLast) {
    std::string filter = interp::commonDialogFilter(kIconFilter);
    char file[MAX_PATH] = "";
    if (chosenLast.size() < MAX_PATH) chosenLast.copy(file, chosenLast.size());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = captions_[Caption::TChooseIcon_OpenIcon].c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(file);
}

// COptions: read-only, on a silver ground.
bool TChooseIcon::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != control(ID_COPTIONS)) return false;
    SetBkColor(reinterpret_cast<HDC>(wParam), RGB(192, 192, 192));
    result = reinterpret_cast<LRESULT>(silver_);
    return true;
}

}  // namespace ide::win32
