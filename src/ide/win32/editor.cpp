// The editor control: text, selection, colouring through EM_SETCHARFORMAT, the message filter and
// the plain-text paste.
#include "ide/win32/editor.h"

#include <richedit.h>

#include <algorithm>
#include <exception>
#include <span>
#include <utility>

#include "ide/rich_text.h"
#include "ide/shown_text.h"
#include "ide/win32/form.h"
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
    // Fixed pitch, so that a system without Courier New falls back to another typewriter face.
    format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(format.szFaceName, "Courier New", LF_FACESIZE);
    return format;
}

// The system's code page, the one velint shows script texts in. A byte string that is no text in it
// (a lone lead byte of a two-byte page) decodes to nothing, and a character it cannot hold
// encodes to nothing, so that ShownText moves on to UTF-8 or Windows-1252.
class SystemCodePage final : public TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        if (bytes.empty()) return std::u16string();
        int length =
            MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        if (length <= 0) return std::nullopt;
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                            length);
        return std::u16string(wide.begin(), wide.end());
    }

    std::optional<std::string> encode(std::u16string_view text) const override {
        if (text.empty()) return std::string();
        std::wstring wide(text.begin(), text.end());
        BOOL lossy = FALSE;
        int length =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
        if (length <= 0 || lossy) return std::nullopt;
        std::string bytes(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, nullptr,
                            nullptr);
        return bytes;
    }
};

// The encodings a script is shown in, in order: the system's code page, UTF-8, Windows-1252 (which
// takes any bytes). Where the system's page is UTF-8 itself, Windows refuses to report lossy
// conversions, so UTF-8 is used directly.
std::span<const TextCodec* const> shownEncodings() {
    static const SystemCodePage systemPage;
    static const TextCodec* const kWithSystemPage[] = {&systemPage, &utf8Codec(), &windows1252Codec()};
    static const TextCodec* const kUtf8System[] = {&utf8Codec(), &windows1252Codec()};
    if (GetACP() == CP_UTF8) return kUtf8System;
    return kWithSystemPage;
}

struct StreamSource {
    const std::string& text;
    size_t offset = 0;
};

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto& source = *reinterpret_cast<StreamSource*>(cookie);
    size_t count = std::min(static_cast<size_t>(size), source.text.size() - source.offset);
    std::copy_n(source.text.data() + source.offset, count, buffer);
    source.offset += count;
    *read = static_cast<LONG>(count);
    return 0;
}

}  // namespace

Editor::Editor(Highlighter& highlighter) : highlighter_(highlighter), shown_("", shownEncodings()) {}

void Editor::create(HWND parent, HINSTANCE instance) {
    LoadLibraryA("riched32.dll");
    parent_ = parent;
    instance_ = instance;
    editor_ = createControl();
    temp_ = CreateWindowExA(0, "EDIT", "Temp", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 40, 20, parent,
                            reinterpret_cast<HMENU>(ID_TEMP), instance, nullptr);
    edit2_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 40, 20,
                             parent, reinterpret_cast<HMENU>(ID_EDIT2), instance, nullptr);
    SendMessageA(edit2_, EM_SETLIMITTEXT, 0, 0);  // 0: as much as the system allows
}

HWND Editor::createControl() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                  ES_DISABLENOSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    HWND control = CreateWindowExA(WS_EX_CLIENTEDGE, "RICHEDIT", "", style, 0, 0, 100, 100, parent_,
                                   reinterpret_cast<HMENU>(ID_EDITOR), instance_, nullptr);
    SendMessageA(control, EM_EXLIMITTEXT, 0, kTextLimit);

    // Courier New 10 pt with the Central European character set, not bold, for the whole text.
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    static HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 238, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CHARFORMATA format = plainFormat();
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD;
    format.bCharSet = 238;
    SendMessageA(control, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageA(control, EM_SETEVENTMASK, 0, ENM_CHANGE);
    return control;
}

// Wine's rich edit removes a long text paragraph by paragraph, at a cost that grows with the square
// of its lines: a 300 KB script would take a minute to replace. A new, empty control in the old
// one's place costs nothing, so whole-document replacements start from one.
void Editor::replaceControl() {
    HWND old = editor_;
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&place), 2);
    bool focused = GetFocus() == old;
    editor_ = createControl();
    SetWindowPos(editor_, old, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE);
    if (editorProc_) {
        // The old control goes without the filter, which speaks to the current control only.
        SetWindowLongPtrA(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editorProc_));
        RemovePropA(old, kFilterProperty);
        installMessageFilter();
    }
    DestroyWindow(old);
    if (focused) SetFocus(editor_);
}

void Editor::installMessageFilter() {
    SetPropA(editor_, kFilterProperty, this);
    editorProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(editor_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Editor::filterProc)));
}

LRESULT CALLBACK Editor::filterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* editor = static_cast<Editor*>(GetPropA(hwnd, kFilterProperty));
    // A colouring pass that failed half-way is no longer busy.
    return guarded(
        editor->parent_, [&] { return editor->filter(message, wParam, lParam); }, [&] { editor->busy_ = false; });
}

// The hooks of the main window: EditorKeyDown before the key is handled, EditorKeyUp and
// EditorMouseDown after.
LRESULT Editor::filter(UINT message, WPARAM wParam, LPARAM lParam) {
    if (busy_ && droppedWhileBusy(message)) return 0;
    if (message == WM_KEYDOWN && rules_.keyPressed(keyKind(wParam), selection().length, highlighter_.on())) {
        keyPressed();
    }
    // Text typed here is coloured line by line as it is typed; a paste from the keyboard is not.
    bool typing = (message == WM_CHAR || message == WM_KEYDOWN) && !isPasteKey(message, wParam);
    bool wasTyping = std::exchange(typing_, typing);
    LRESULT result = callEditor(message, wParam, lParam);
    typing_ = wasTyping;
    if (message == WM_KEYUP) keyReleased(wParam);
    if (message == WM_LBUTTONDOWN && !selection().length && caretMoved_) caretMoved_();
    return result;
}

KeyKind Editor::keyKind(WPARAM key) {
    if (key == VK_RETURN) return KeyKind::enter;
    return key >= VK_LEFT && key <= VK_DOWN ? KeyKind::arrow : KeyKind::other;
}

// Shift+Insert and Ctrl+V reach the control as keys when no menu shortcut takes them first.
bool Editor::isPasteKey(UINT message, WPARAM key) {
    if (message != WM_KEYDOWN) return false;
    bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0;
    return (key == VK_INSERT && shift) || (key == 'V' && control);
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

// A new text goes into a fresh control as one rich-text stream, already coloured when highlighting
// is on: the control takes a stream of a long script much faster than plain text followed by
// format changes, and nothing is loaded twice.
void Editor::setText(const std::string& bytes) {
    shown_ = ShownText(bytes, shownEncodings());
    replaceControl();
    const std::u16string& text = shown_.text();
    auto lines = crlfLines(text);  // the shown text's lines always end in CR LF
    LRESULT mask = callEditor(EM_GETEVENTMASK, 0, 0);
    callEditor(EM_SETEVENTMASK, 0, 0);
    streamIn(colouredRichText(text, *lines, 0, lines->size() - 1));
    callEditor(EM_SETSEL, 0, 0);
    applyFormat({}, true);
    callEditor(EM_SETEVENTMASK, 0, mask);
    rules_.loaded();
}

// The control's text in UTF-16, lines ended by CR LF, as it was shown.
std::u16string Editor::shownText() const {
    GETTEXTLENGTHEX size{GTL_NUMCHARS | GTL_USECRLF, 1200};
    auto length = static_cast<size_t>(callEditor(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&size), 0));
    std::wstring wide(length + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(wide.size() * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
    auto copied = static_cast<size_t>(
        callEditor(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(wide.data())));
    wide.resize(std::min(copied, length));
    return std::u16string(wide.begin(), wide.end());
}

std::string Editor::documentBytes() const { return shown_.bytesFor(shownText()); }

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

TextSelection Editor::lineRange(size_t line) const {
    size_t start = lineStart(line);
    return {start, static_cast<size_t>(callEditor(EM_LINELENGTH, start, 0))};
}

size_t Editor::lineCount() const { return static_cast<size_t>(callEditor(EM_GETLINECOUNT, 0, 0)); }

size_t Editor::lineStart(size_t line) const { return static_cast<size_t>(callEditor(EM_LINEINDEX, line, 0)); }

// The control gives a range only in the system's code page, where a character may take several
// bytes; turned back into UTF-16 and then into the scanner's one byte per unit, the line's
// positions are the control's again, on any code page.
std::string Editor::lineText(size_t line) const {
    size_t start = lineStart(line);
    auto length = static_cast<size_t>(callEditor(EM_LINELENGTH, start, 0));
    std::string bytes(length * 4 + 1, '\0');
    TEXTRANGEA range{{static_cast<LONG>(start), static_cast<LONG>(start + length)}, bytes.data()};
    bytes.resize(static_cast<size_t>(callEditor(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
    if (bytes.empty()) return bytes;
    std::wstring wide(bytes.size(), L'\0');
    int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                                    static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units) : 0);
    return scannerText(std::u16string(wide.begin(), wide.end()));
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

// Many lines at once: one format change per span costs too much for a long script, so their text
// goes back in as one rich-text stream carrying the colours, with the same characters. A text with
// a lone CR or LF is coloured line by line, as the control may count its lines differently.
void Editor::colourLines(size_t first, size_t last) {
    std::u16string all = shownText();
    auto lines = crlfLines(all);
    if (!lines || last >= lines->size()) {
        for (size_t line = first; line <= last; ++line) colourLine(line);
        return;
    }
    std::string rtf = colouredRichText(all, *lines, first, last);
    LRESULT mask = callEditor(EM_GETEVENTMASK, 0, 0);
    callEditor(EM_SETEVENTMASK, 0, 0);
    callEditor(EM_HIDESELECTION, TRUE, 0);
    CHARRANGE saved{};
    callEditor(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    bool whole = first == 0 && last + 1 == lines->size();
    if (whole) {
        replaceControl();
        callEditor(EM_SETEVENTMASK, 0, 0);
        callEditor(EM_HIDESELECTION, TRUE, 0);
    } else {
        callEditor(EM_SETSEL, (*lines)[first].start, (*lines)[last].start + (*lines)[last].length);
    }
    streamIn(rtf);
    // The fresh control's only step back would be to the empty text: it starts without one.
    if (whole) callEditor(EM_EMPTYUNDOBUFFER, 0, 0);
    callEditor(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    callEditor(EM_SCROLLCARET, 0, 0);
    applyFormat({}, true);
    callEditor(EM_HIDESELECTION, FALSE, 0);
    callEditor(EM_SETEVENTMASK, 0, mask);
}

std::string Editor::colouredRichText(const std::u16string& all, const std::vector<TextLine>& lines, size_t first,
                                     size_t last) {
    std::vector<ColouredLine> coloured;
    coloured.reserve(last - first + 1);
    for (size_t k = first; k <= last; ++k) {
        std::u16string_view line(all.data() + lines[k].start, lines[k].length);
        if (highlighter_.on()) {
            coloured.push_back({line, highlighter_.colourLine(k, scannerText(line))->spans});
        } else {
            coloured.push_back({line, {}});
        }
    }
    return richText(coloured);
}

// Replaces the selection (in a fresh control: the empty text) with a rich-text stream.
void Editor::streamIn(const std::string& rtf) {
    StreamSource source{rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, readStream};
    callEditor(EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
}

// The caret line is coloured with the focus parked in Temp and the editor's drawing held back.
void Editor::colourCaretLine() {
    busy_ = true;
    SetFocus(temp_);
    colourLine(caretLine());
    busy_ = false;
    SetFocus(editor_);
}

// The text is coloured anew only when it changed other than by typing (typed lines are coloured as
// they are typed): a new pass replaces the control, and with it the undo history.
void Editor::colourAll() {
    if (!rules_.takeWholePass()) return;
    if (!highlighter_.on()) {
        callEditor(EM_SETSEL, 0, -1);
        applyFormat({}, true);
        callEditor(EM_SETSEL, 0, 0);
        return;
    }
    LockWindowUpdate(editor_);
    colourLines(0, lineCount() - 1);
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
    colourLines(range.first, std::min(range.last, lineCount() - 1));
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
    KeyReleaseSteps steps = rules_.keyReleased(keyKind(key), selection().length, highlighter_.settings().autoIndent);
    if (steps.indent) {
        size_t line = caretLine();
        std::string indent = highlighter_.autoIndent(line, lineText(line), line ? lineText(line - 1) : "");
        if (!indent.empty()) callEditor(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(indent.c_str()));
    }
    if (steps.checkCaretLine && !highlighter_.lineUnchanged(caretLine(), lineText(caretLine()))) colourCaretLine();
    if (steps.showCaretPosition && caretMoved_) caretMoved_();
}

}  // namespace ide::win32
