// TAbout: the picture, who makes Velmish, and links to its web site and its makers.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ide/about_texts.h"
#include "ide/fixed_texts.h"
#include "ide/win32/forms.h"

namespace ide::win32 {

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkAqua = RGB(0, 255, 255);

}  // namespace

void TAbout::createControls() {
    SetWindowTextA(hwnd(), std::string(kAboutCaption).c_str());
    bold_ = boldFont(8);
    HWND image = add("STATIC", "", SS_BITMAP, 48, 4, 209, 145, ID_IMAGE2);
    SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(LoadBitmapA(instance_, MAKEINTRESOURCEA(IDB_ABOUT))));
    // The core's lines, top to bottom; the links (SS_NOTIFY) take clicks.
    int y = 153;
    int id = ID_LABEL1;
    for (const AboutLine& line : aboutLines()) {
        DWORD style = SS_CENTER | (line.link.empty() ? 0 : SS_NOTIFY);
        HWND child = add("STATIC", line.text.c_str(), style, 4, y, 297, 15, id);
        if (line.bold) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), FALSE);
        if (!line.link.empty()) fitToText(child, line.text.c_str());
        y += id == ID_LABEL1 ? 17 : 15;
        id = id == ID_LABEL1 ? ID_LABEL2 : id + 1;
    }
    // The picture's tooltip covers its rectangle of the window, which gets the picture's mouse.
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(), nullptr,
                                   instance_, nullptr);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = ID_IMAGE2;
    tool.rect = {48, 4, 48 + 209, 4 + 145};
    std::string hint(kAboutPictureHint);
    tool.lpszText = hint.data();
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// A link takes clicks on its text only: its label shrinks to the text's width, centred where it was.
void TAbout::fitToText(HWND label, const char* text) {
    RECT place;
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
    HDC dc = GetDC(label);
    auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    LONG width = std::min<LONG>(size.cx + 2, place.right - place.left);
    LONG left = place.left + (place.right - place.left - width) / 2;
    SetWindowPos(label, nullptr, left, place.top, width, place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The links light up under the mouse: the one pointed at aqua, the other blue.
void TAbout::highlightLink(int id) {
    if (id == hotLink_) return;
    hotLink_ = id;
    InvalidateRect(control(ID_LABEL4), nullptr, TRUE);
    InvalidateRect(control(ID_LABEL5), nullptr, TRUE);
}

bool TAbout::onCommand(int id, int code) {
    if (code != STN_CLICKED || (id != ID_LABEL4 && id != ID_LABEL5)) return false;
    std::string address(aboutLines()[id == ID_LABEL4 ? 3 : 4].link);
    ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

bool TAbout::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            if (id != ID_LABEL4 && id != ID_LABEL5) return false;
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, id == hotLink_ ? kLinkAqua : kLinkBlue);
            SetBkMode(dc, TRANSPARENT);
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_SETCURSOR: {
            // The labels pass the mouse on; the links answer it themselves and show the hand.
            int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
            bool link = id == ID_LABEL4 || id == ID_LABEL5;
            highlightLink(link ? id : 0);
            if (!link) return false;
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        }
        case WM_LBUTTONDOWN:  // a click on the window, the picture or the notices closes the box
            close(true);
            return true;
        default: return false;
    }
}

}  // namespace ide::win32
