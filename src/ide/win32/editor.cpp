// The editor control: text, selection, colouring through EM_SETCHARFORMAT, the message filter and
// the plain-text paste.
#include "ide/win32/editor.h"

#include <richedit.h>

#include "ide/win32/resource_ids.h"

namespace ide::win32 {

namespace {

// Larger than any script: without it a rich edit takes 32,767 characters and an edit box about
// 30,000, and a longer script would be cut on loading or pasting.
constexpr LPARAM kTextLimit = 0x7FFFFFFE;

const char* const kFilterProperty = "VelideEditor";

// Drawing and command messages the editor must not handle while the caret line is being coloured,
// so that the selection moves of a colouring pass never show.
bool droppedWhileBusy(UINT message) {
    switch (message) {
        case WM_NCPAINT:
        case WM_SETREDRAW:
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_SETCURSOR:
        case WM_COMMAND:
        case WM_SYSCOMMAND:
        case WM_HSCROLL:
        case WM_CLEAR:
        case WM_PRINTCLIENT: return true;
        default: return false;
    }
}

CHARFORMATA plainFormat() {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD;
    format.yHeight = 200;
    format.crTextColor = RGB(0, 0, 0);
    lstrcpynA(format.szFaceName, "Courier New", LF_FACESIZE);
    return format;
}

}  // namespace

void Editor::create(HWND parent, HINSTANCE instance) {
    LoadLibraryA("riched32.dll");
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                  ES_DISABLENOSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    editor_ = CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "", style, 0, 0, 100, 100, parent,
                              reinterpret_cast<HMENU>(ID_EDITOR), instance, nullptr);
    temp_ = CreateWindowExA(0, "EDIT", "Temp", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 40, 20, parent,
                            reinterpret_cast<HMENU>(ID_TEMP), instance, nullptr);
    edit2_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 40, 20,
                             parent, reinterpret_cast<HMENU>(ID_EDIT2), instance, nullptr);
    SendMessageA(edit2_, EM_SETLIMITTEXT, 0, 0);  // 0: as much as the system allows
    callEditor(EM_EXLIMITTEXT, 0, kTextLimit);

    // Courier New 10 pt with the Central European character set, not bold, for the whole text.
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 238, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    callEditor(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CHARFORMATA format = plainFormat();
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD;
    format.bCharSet = 238;
    callEditor(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    callEditor(EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void Editor::installMessageFilter() {
    SetPropA(editor_, kFilterProperty, this);
    editorProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(editor_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Editor::filterProc)));
}

LRESULT CALLBACK Editor::filterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* editor = static_cast<Editor*>(GetPropA(hwnd, kFilterProperty));
    return editor->filter(message, wParam, lParam);
}

// The hooks of the main window: EditorKeyDown before the key is handled, EditorKeyUp and
// EditorMouseDown after.
LRESULT Editor::filter(UINT message, WPARAM wParam, LPARAM lParam) {
    if (busy_ && droppedWhileBusy(message)) return 0;
    if (message == WM_KEYDOWN && !selection().length && highlighter_.on()) keyPressed();
    LRESULT result = callEditor(message, wParam, lParam);
    if (message == WM_KEYUP) keyReleased(wParam);
    if (message == WM_LBUTTONDOWN && !selection().length && caretMoved_) caretMoved_();
    return result;
}

LRESULT Editor::callEditor(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (editorProc_) return CallWindowProcA(editorProc_, editor_, message, wParam, lParam);
    return SendMessageA(editor_, message, wParam, lParam);
}

std::string Editor::text() const {
    auto length = static_cast<size_t>(callEditor(WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    auto copied = static_cast<size_t>(callEditor(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return text;
}

void Editor::setText(const std::string& text) { callEditor(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

TextSelection Editor::selection() const {
    CHARRANGE range{};
    callEditor(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return {static_cast<size_t>(range.cpMin), static_cast<size_t>(range.cpMax - range.cpMin)};
}

void Editor::select(TextSelection selection) {
    CHARRANGE range{static_cast<LONG>(selection.start), static_cast<LONG>(selection.end())};
    callEditor(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    callEditor(EM_SCROLLCARET, 0, 0);
}

size_t Editor::caretLine() const {
    return static_cast<size_t>(callEditor(EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(selection().start)));
}

size_t Editor::caretColumn() const { return selection().start - lineStart(caretLine()); }

size_t Editor::lineCount() const { return static_cast<size_t>(callEditor(EM_GETLINECOUNT, 0, 0)); }

size_t Editor::lineStart(size_t line) const { return static_cast<size_t>(callEditor(EM_LINEINDEX, line, 0)); }

std::string Editor::lineText(size_t line) const {
    size_t start = lineStart(line);
    auto length = static_cast<size_t>(callEditor(EM_LINELENGTH, start, 0));
    std::string text(length + 1, '\0');
    TEXTRANGEA range{{static_cast<LONG>(start), static_cast<LONG>(start + length)}, text.data()};
    text.resize(static_cast<size_t>(callEditor(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
    return text;
}

// Colour and boldness for a colouring span, or the whole plain format.
void Editor::applyFormat(CharFormat format, bool plain) const {
    CHARFORMATA chosen = plainFormat();
    if (!plain) {
        chosen.dwMask = CFM_COLOR | CFM_BOLD;
        chosen.crTextColor = RGB(format.colour.red, format.colour.green, format.colour.blue);
        chosen.dwEffects = format.bold ? CFE_BOLD : 0;
    }
    callEditor(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chosen));
}

void Editor::colourLine(size_t line) {
    if (!highlighter_.on()) return;
    LRESULT mask = callEditor(EM_GETEVENTMASK, 0, 0);
    callEditor(EM_SETEVENTMASK, 0, 0);  // format changes are no text changes
    callEditor(EM_HIDESELECTION, TRUE, 0);
    CHARRANGE saved{};
    callEditor(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    colourLineAt(line);
    callEditor(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    applyFormat({}, true);  // so that text typed next starts plain
    callEditor(EM_HIDESELECTION, FALSE, 0);
    callEditor(EM_SETEVENTMASK, 0, mask);
}

void Editor::colourLineAt(size_t line) {
    size_t start = lineStart(line);
    auto next = static_cast<LONG>(callEditor(EM_LINEINDEX, line + 1, 0));
    size_t end = next < 0 ? static_cast<size_t>(callEditor(WM_GETTEXTLENGTH, 0, 0)) : static_cast<size_t>(next) - 1;
    CHARRANGE whole{static_cast<LONG>(start), static_cast<LONG>(end)};
    callEditor(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&whole));
    applyFormat({}, true);
    auto scan = highlighter_.colourLine(line, lineText(line));
    for (const ColourSpan& span : scan->spans) {
        callEditor(EM_SETSEL, start + span.start, start + span.end);
        applyFormat(span.format, false);
    }
}

// The caret line is coloured with the focus parked in Temp and the editor's drawing held back.
void Editor::colourCaretLine() {
    busy_ = true;
    SetFocus(temp_);
    colourLine(caretLine());
    busy_ = false;
    SetFocus(editor_);
}

void Editor::colourAll() {
    if (!highlighter_.on()) {
        callEditor(EM_SETSEL, 0, -1);
        applyFormat({}, true);
        callEditor(EM_SETSEL, 0, 0);
        return;
    }
    LockWindowUpdate(editor_);
    for (size_t line = 0, count = lineCount(); line < count; ++line) colourLine(line);
    LockWindowUpdate(nullptr);
}

void Editor::pastePlainText() {
    SetWindowTextA(edit2_, "");
    SendMessageA(edit2_, WM_PASTE, 0, 0);
    auto lines = static_cast<size_t>(SendMessageA(edit2_, EM_GETLINECOUNT, 0, 0));
    SendMessageA(edit2_, EM_SETSEL, 0, -1);
    SendMessageA(edit2_, WM_CUT, 0, 0);
    callEditor(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
    size_t first = caretLine();
    callEditor(WM_PASTE, 0, 0);
    if (!highlighter_.on()) return;
    LineRange range = pastedLines(first, lines);
    LockWindowUpdate(editor_);
    for (size_t line = range.first; line <= range.last; ++line) colourLine(line);
    LockWindowUpdate(nullptr);
}

// The key-press step: the character about to be typed takes the format of the span or comment
// it falls into, else the plain one.
void Editor::keyPressed() {
    busy_ = true;
    CHARFORMATA current{};
    current.cbSize = sizeof current;
    callEditor(EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&current));
    if (auto format = highlighter_.typingFormat(lineText(caretLine()), caretColumn())) {
        bool bold = (current.dwEffects & CFE_BOLD) != 0;
        bool black = (current.dwEffects & CFE_AUTOCOLOR) || current.crTextColor == RGB(0, 0, 0);
        COLORREF wanted = RGB(format->colour.red, format->colour.green, format->colour.blue);
        bool sameColour = (black && wanted == RGB(0, 0, 0)) || (!black && current.crTextColor == wanted);
        if (!sameColour || bold != format->bold) applyFormat(*format, false);
    }
    busy_ = false;
}

void Editor::keyReleased(WPARAM key) {
    if (key == VK_RETURN && highlighter_.settings().autoIndent) {
        size_t line = caretLine();
        std::string indent = highlighter_.autoIndent(line, lineText(line), line ? lineText(line - 1) : "");
        if (!indent.empty()) callEditor(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(indent.c_str()));
    }
    bool arrow = key >= VK_LEFT && key <= VK_DOWN;
    if (!arrow && !selection().length && !highlighter_.lineUnchanged(caretLine(), lineText(caretLine()))) {
        colourCaretLine();
    }
    if (caretMoved_) caretMoved_();
}

}  // namespace ide::win32
