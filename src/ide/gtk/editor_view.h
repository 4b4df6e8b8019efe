// The Linux editor's text: a GtkSourceView whose colours come from the editor core's highlighter,
// applied as text tags, so that velmish.syn colours the same words as on Windows. Colouring never
// enters the undo history; only a loaded text starts a new one.
#pragma once

#include <gtksourceview/gtksource.h>

#include <functional>
#include <map>
#include <string>

#include "ide/editing_rules.h"
#include "ide/find_commands.h"
#include "ide/highlighter.h"
#include "ide/shown_text.h"

namespace ide::gtk {

class EditorView {
  public:
    explicit EditorView(Highlighter& highlighter);
    EditorView(const EditorView&) = delete;
    EditorView& operator=(const EditorView&) = delete;

    // The scrolled view to put in the window, and the view itself.
    GtkWidget* widget() const { return scroller_; }
    GtkWidget* view() const { return GTK_WIDGET(view_); }

    // Runs after every change of the text the user made (not colouring), and after the caret moved.
    void onChanged(std::function<void()> handler) { changed_ = std::move(handler); }
    void onCaretMoved(std::function<void()> handler) { caretMoved_ = std::move(handler); }

    // Shows a document's bytes (valid UTF-8, else Windows-1252; line ends kept), coloured, with a
    // fresh undo history and the caret at the start.
    void setText(const std::string& bytes);
    // The bytes to save: the very bytes read while the text is unchanged.
    std::string documentBytes() const;

    // The whole text as UTF-8 and selections counted in its bytes (Find).
    std::string text() const;
    TextSelection selection() const;
    void select(TextSelection selection);
    // A line's characters selected and scrolled into view.
    void selectLine(size_t line);

    size_t caretLine() const;
    size_t caretColumn() const;  // in characters
    // The caret's line as the scanner reads it: one byte per character.
    std::string caretLineText() const;

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();

  private:
    static void onInsert(GtkTextBuffer* buffer, GtkTextIter* at, char* text, int length, EditorView* self);
    static void onDelete(GtkTextBuffer* buffer, GtkTextIter* start, GtkTextIter* end, EditorView* self);
    static gboolean onKeyPress(GtkWidget* widget, GdkEventKey* event, EditorView* self);
    static gboolean onKeyRelease(GtkWidget* widget, GdkEventKey* event, EditorView* self);
    static gboolean colourPending(gpointer self);

    std::string lineText(size_t line) const;  // UTF-8, without its line end
    void changedLines(size_t first, size_t last);
    void colourLines(size_t first, size_t last);
    GtkTextTag* tagFor(CharFormat format);

    Highlighter& highlighter_;
    GtkSourceBuffer* buffer_;
    GtkSourceView* view_;
    GtkWidget* scroller_;
    std::map<std::pair<int, bool>, GtkTextTag*> tags_;  // one per colour and boldness in use
    ShownText shown_;
    EditingRules rules_;
    bool loading_ = false;
    // Lines changed since they were last coloured; coloured before the next redraw.
    size_t dirtyFirst_ = 0, dirtyLast_ = 0;
    guint colourSource_ = 0;
    std::function<void()> changed_;
    std::function<void()> caretMoved_;
};

}  // namespace ide::gtk
