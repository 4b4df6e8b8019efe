// TFind: the text Find and Find next look for.
#include "ide/win32/forms.h"

namespace ide::win32 {

void TFind::createControls() {
    add("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, 8, 14, 118, 21, ID_VALUE, WS_EX_CLIENTEDGE);
    add("BUTTON", "", BS_DEFPUSHBUTTON | WS_TABSTOP, 134, 12, 64, 25, IDOK);
    add("BUTTON", "", BS_PUSHBUTTON | WS_TABSTOP, 202, 12, 64, 25, IDCANCEL);
    applyCaptions();
}

void TFind::applyCaptions() {
    SetWindowTextA(hwnd(), captions_[Caption::TFind].c_str());
    setText(IDOK, captions_[Caption::TFind_Button1]);
    setText(IDCANCEL, captions_[Caption::TFind_Button2]);
}

std::string TFind::searchText() const { return controlText(ID_VALUE); }

// Edit1 shows the text searched for last; it is selected so that typing replaces it.
void TFind::onShow() {
    SetFocus(control(ID_VALUE));
    SendMessageA(control(ID_VALUE), EM_SETSEL, 0, -1);
}

}  // namespace ide::win32
