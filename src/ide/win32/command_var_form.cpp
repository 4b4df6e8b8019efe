// TCommandVar, Set [command]: the value scripts started from the editor get as [command].
#include "ide/fixed_texts.h"
#include "ide/win32/forms.h"

namespace ide::win32 {

void TCommandVar::createControls() {
    HWND label = add("STATIC", std::string(kCommandLabel).c_str(), SS_LEFT, 8, 16, 112, 18, ID_LABEL1);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont(10)), FALSE);
    add("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 122, 14, 130, 21, ID_VALUE, WS_EX_CLIENTEDGE);
    add("BUTTON", "", BS_DEFPUSHBUTTON | WS_TABSTOP, 260, 12, 68, 25, IDOK);
    applyCaptions();
}

void TCommandVar::applyCaptions() {
    SetWindowTextA(hwnd(), captions_[Caption::TCommandVar].c_str());
    setText(IDOK, captions_[Caption::TCommandVar_OkButton]);
}

}  // namespace ide::win32
