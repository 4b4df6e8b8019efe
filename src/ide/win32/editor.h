// The rich-edit control Editor of the main window, with the hidden boxes Temp and Edit2 it uses.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ide/editing_rules.h"
#include "ide/find_commands.h"
#include "ide/highlighter.h"
#include "ide/rich_text.h"
#include "ide/shown_text.h"

namespace ide::win32 {

class Editor {
  public:
    explicit Editor(Highlighter& highlighter);

    // Creates the editor and the hidden boxes as children of the main window.
    void create(HWND parent, HINSTANCE instance);
    HWND hwnd() const { return editor_; }
    // Runs after every key release and mouse click that may have moved the caret.
    void onCaretMoved(std::function<void()> handler) { caretMoved_ = std::move(handler); }
    // Wraps the editor's message handling: drawing messages are dropped while colouring is busy,
    // and the key and mouse hooks run around the editor's own handling.
    void installMessageFilter();
    bool colouringBusy() const { return busy_; }
    // Called for every change of the text that colouring did not make.
    void textChanged() { rules_.textChanged(typing_); }

    // The control's text in the system's code page, positions as the control counts them (Find).
    std::string text() const;
    // Shows a document's bytes, choosing the encoding that gives them back (ShownText).
    void setText(const std::string& bytes);
    // The document's bytes for what the control now shows: the bytes read while it is unchanged.
    std::string documentBytes() const;
    TextSelection selection() const;
    void select(TextSelection selection);
    size_t caretLine() const;
    size_t caretColumn() const;
    std::string caretLineText() const { return lineText(caretLine()); }
    // A line's characters, without its line end.
    TextSelection lineRange(size_t line) const;
    size_t lineCount() const;

    // Colours every line with window updates locked, unless every change since the last pass was
    // typed (and so coloured as typed); with highlighting off, makes the whole text plain and puts
    // the caret at the start.
    void colourAll();
    // Paste1Click: the clipboard goes through Edit2, which keeps only its plain text.
    void pastePlainText();

  private:
    static LRESULT CALLBACK filterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT filter(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT callEditor(UINT message, WPARAM wParam, LPARAM lParam) const;

    std::string lineText(size_t line) const;
    size_t lineStart(size_t line) const;
    void colourLine(size_t line);
    void colourLines(size_t first, size_t last);
    std::u16string shownText() const;
    std::string colouredRichText(const std::u16string& all, const std::vector<TextLine>& lines, size_t first,
                                 size_t last);
    void streamIn(const std::string& rtf);
    HWND createControl() const;
    void replaceControl();
    void colourCaretLine();
    void colourLineAt(size_t line);
    void applyFormat(CharFormat format, bool plain) const;
    void keyPressed();
    void keyReleased(WPARAM key);
    static bool isPasteKey(UINT message, WPARAM key);
    static KeyKind keyKind(WPARAM key);

    Highlighter& highlighter_;
    HWND parent_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HWND editor_ = nullptr;
    HWND temp_ = nullptr;   // takes the focus while the caret line is coloured
    HWND edit2_ = nullptr;  // turns the clipboard into plain text
    WNDPROC editorProc_ = nullptr;
    bool busy_ = false;  // the caret line or the typing format is being set
    EditingRules rules_;
    ShownText shown_;      // the document's bytes as read and how they are shown
    bool typing_ = false;  // a typed key is being handled
    std::function<void()> caretMoved_;
};

}  // namespace ide::win32
