// The GtkSourceView of the Linux editor: loading, saving, colouring, auto-indent and the caret.
#include "ide/gtk/editor_view.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ide::gtk {

namespace {

// GTK holds UTF-8: a script is read as UTF-8 when it is, else as Windows-1252, the rule the
// desktop module shows script texts with too. A new document is written with LF line ends.
const TextCodec* const kEncodings[] = {&utf8Codec(), &windows1252Codec()};

GtkTextIter lineStartIter(GtkTextBuffer* buffer, size_t line) {
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_line(buffer, &at, static_cast<int>(line));
    return at;
}

// The end of a line's characters, before its line end.
GtkTextIter lineEndIter(GtkTextBuffer* buffer, size_t line) {
    GtkTextIter at = lineStartIter(buffer, line);
    if (!gtk_text_iter_ends_line(&at)) gtk_text_iter_forward_to_line_end(&at);
    return at;
}

KeyKind keyKind(guint key) {
    switch (key) {
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter: return KeyKind::enter;
        case GDK_KEY_Left:
        case GDK_KEY_Right:
        case GDK_KEY_Up:
        case GDK_KEY_Down: return KeyKind::arrow;
        default: return KeyKind::other;
    }
}

// The font of the Windows editor, Courier New, or the desktop's typewriter face where it is missing.
void useMonospaceFont(GtkWidget* view) {
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(
        css, "textview { font-family: \"Courier New\", Courier, monospace; font-size: 10pt; }", -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(view), GTK_STYLE_PROVIDER(css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

}  // namespace

EditorView::EditorView(Highlighter& highlighter)
    : highlighter_(highlighter),
      buffer_(gtk_source_buffer_new(nullptr)),
      view_(GTK_SOURCE_VIEW(gtk_source_view_new_with_buffer(buffer_))),
      scroller_(gtk_scrolled_window_new(nullptr, nullptr)),
      shown_("", kEncodings, LineEnds::lf) {
    // The core colours; GtkSourceView's own highlighting and bracket marks stay off.
    gtk_source_buffer_set_highlight_syntax(buffer_, FALSE);
    gtk_source_buffer_set_highlight_matching_brackets(buffer_, FALSE);
    gtk_source_view_set_show_line_numbers(view_, TRUE);
    gtk_source_view_set_highlight_current_line(view_, TRUE);
    gtk_source_view_set_tab_width(view_, 8);
    useMonospaceFont(GTK_WIDGET(view_));
    gtk_container_add(GTK_CONTAINER(scroller_), GTK_WIDGET(view_));
    g_object_unref(buffer_);  // the view holds it

    g_signal_connect_after(buffer_, "insert-text", G_CALLBACK(onInsert), this);
    g_signal_connect_after(buffer_, "delete-range", G_CALLBACK(onDelete), this);
    g_signal_connect(view_, "key-press-event", G_CALLBACK(onKeyPress), this);
    g_signal_connect_after(view_, "key-release-event", G_CALLBACK(onKeyRelease), this);
    g_signal_connect_swapped(buffer_, "notify::cursor-position", G_CALLBACK(+[](EditorView* self) {
                                 if (self->caretMoved_) self->caretMoved_();
                             }),
                             this);
}

void EditorView::setText(const std::string& bytes) {
    shown_ = ShownText(bytes, kEncodings, LineEnds::lf);
    std::string text = shown_.utf8Text();
    loading_ = true;
    // Loading is the one change that cannot be undone: the history starts with the loaded text.
    gtk_source_buffer_begin_not_undoable_action(buffer_);
    gtk_text_buffer_set_text(GTK_TEXT_BUFFER(buffer_), text.data(), static_cast<int>(text.size()));
    gtk_source_buffer_end_not_undoable_action(buffer_);
    loading_ = false;
    if (colourSource_) g_source_remove(std::exchange(colourSource_, 0));
    colourLines(0, static_cast<size_t>(gtk_text_buffer_get_line_count(GTK_TEXT_BUFFER(buffer_))) - 1);
    rules_.loaded();
    select({});
}

std::string EditorView::documentBytes() const { return shown_.bytesForUtf8(text()); }

std::string EditorView::text() const {
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(GTK_TEXT_BUFFER(buffer_), &start, &end);
    char* text = gtk_text_buffer_get_text(GTK_TEXT_BUFFER(buffer_), &start, &end, TRUE);
    std::string result(text);
    g_free(text);
    return result;
}

// Find counts in the bytes of text(); GTK counts characters.
TextSelection EditorView::selection() const {
    GtkTextIter start, end;
    gtk_text_buffer_get_selection_bounds(GTK_TEXT_BUFFER(buffer_), &start, &end);
    std::string all = text();
    auto byteAt = [&](const GtkTextIter& at) {
        return static_cast<size_t>(g_utf8_offset_to_pointer(all.c_str(), gtk_text_iter_get_offset(&at)) - all.c_str());
    };
    size_t from = byteAt(start);
    return {from, byteAt(end) - from};
}

void EditorView::select(TextSelection selection) {
    std::string all = text();
    auto iterAt = [&](size_t byte) {
        GtkTextIter at;
        size_t clamped = std::min(byte, all.size());
        gtk_text_buffer_get_iter_at_offset(
            GTK_TEXT_BUFFER(buffer_), &at,
            static_cast<int>(g_utf8_pointer_to_offset(all.c_str(), all.c_str() + clamped)));
        return at;
    };
    GtkTextIter start = iterAt(selection.start), end = iterAt(selection.end());
    gtk_text_buffer_select_range(GTK_TEXT_BUFFER(buffer_), &end, &start);
    gtk_text_view_scroll_to_mark(GTK_TEXT_VIEW(view_), gtk_text_buffer_get_insert(GTK_TEXT_BUFFER(buffer_)), 0.1, FALSE,
                                 0, 0);
}

void EditorView::selectLine(size_t line) {
    GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
    size_t last = static_cast<size_t>(gtk_text_buffer_get_line_count(buffer)) - 1;
    line = std::min(line, last);
    GtkTextIter start = lineStartIter(buffer, line), end = lineEndIter(buffer, line);
    gtk_text_buffer_select_range(buffer, &end, &start);
    gtk_text_view_scroll_to_mark(GTK_TEXT_VIEW(view_), gtk_text_buffer_get_insert(buffer), 0.1, FALSE, 0, 0);
}

size_t EditorView::caretLine() const {
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_mark(GTK_TEXT_BUFFER(buffer_), &at,
                                     gtk_text_buffer_get_insert(GTK_TEXT_BUFFER(buffer_)));
    return static_cast<size_t>(gtk_text_iter_get_line(&at));
}

size_t EditorView::caretColumn() const {
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_mark(GTK_TEXT_BUFFER(buffer_), &at,
                                     gtk_text_buffer_get_insert(GTK_TEXT_BUFFER(buffer_)));
    return static_cast<size_t>(gtk_text_iter_get_line_offset(&at));
}

std::string EditorView::caretLineText() const { return scannerTextOfUtf8(lineText(caretLine())); }

std::string EditorView::lineText(size_t line) const {
    GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
    GtkTextIter start = lineStartIter(buffer, line), end = lineEndIter(buffer, line);
    char* text = gtk_text_buffer_get_text(buffer, &start, &end, TRUE);
    std::string result(text);
    g_free(text);
    return result;
}

void EditorView::undo() {
    if (gtk_source_buffer_can_undo(buffer_)) gtk_source_buffer_undo(buffer_);
}

void EditorView::redo() {
    if (gtk_source_buffer_can_redo(buffer_)) gtk_source_buffer_redo(buffer_);
}

void EditorView::cut() {
    gtk_text_buffer_cut_clipboard(GTK_TEXT_BUFFER(buffer_), gtk_widget_get_clipboard(view(), GDK_SELECTION_CLIPBOARD),
                                  TRUE);
}

void EditorView::copy() {
    gtk_text_buffer_copy_clipboard(GTK_TEXT_BUFFER(buffer_), gtk_widget_get_clipboard(view(), GDK_SELECTION_CLIPBOARD));
}

// The clipboard's plain text; its lines are coloured as every change is.
void EditorView::paste() {
    gtk_text_buffer_paste_clipboard(GTK_TEXT_BUFFER(buffer_), gtk_widget_get_clipboard(view(), GDK_SELECTION_CLIPBOARD),
                                    nullptr, TRUE);
}

void EditorView::deleteSelection() { gtk_text_buffer_delete_selection(GTK_TEXT_BUFFER(buffer_), TRUE, TRUE); }

void EditorView::selectAll() {
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(GTK_TEXT_BUFFER(buffer_), &start, &end);
    gtk_text_buffer_select_range(GTK_TEXT_BUFFER(buffer_), &start, &end);
}

// Every change colours the lines it touched: what Windows does for typed lines and pastes, for
// any change, since a text tag is no text change here.
void EditorView::onInsert(GtkTextBuffer*, GtkTextIter* at, char* text, int length, EditorView* self) {
    if (self->loading_) return;
    auto last = static_cast<size_t>(gtk_text_iter_get_line(at));
    size_t breaks = static_cast<size_t>(std::count(text, text + length, '\n'));
    self->changedLines(last >= breaks ? last - breaks : 0, last);
}

void EditorView::onDelete(GtkTextBuffer*, GtkTextIter* start, GtkTextIter*, EditorView* self) {
    if (self->loading_) return;
    auto line = static_cast<size_t>(gtk_text_iter_get_line(start));
    self->changedLines(line, line);
}

void EditorView::changedLines(size_t first, size_t last) {
    rules_.textChanged(true);
    if (colourSource_) {
        dirtyFirst_ = std::min(dirtyFirst_, first);
        dirtyLast_ = std::max(dirtyLast_, last);
    } else {
        dirtyFirst_ = first;
        dirtyLast_ = last;
        // Before the redraw, so a typed keyword never shows uncoloured.
        colourSource_ = g_idle_add_full(G_PRIORITY_HIGH_IDLE, colourPending, this, nullptr);
    }
    if (changed_) changed_();
}

gboolean EditorView::colourPending(gpointer data) {
    auto* self = static_cast<EditorView*>(data);
    self->colourSource_ = 0;
    auto lines = static_cast<size_t>(gtk_text_buffer_get_line_count(GTK_TEXT_BUFFER(self->buffer_)));
    size_t last = std::min(self->dirtyLast_, lines - 1);
    if (self->dirtyFirst_ <= last) self->colourLines(self->dirtyFirst_, last);
    return G_SOURCE_REMOVE;
}

// Each line back to plain, then its spans, a later span winning where spans overlap. The winner of
// every character is found first, so each run gets one tag and no tag is taken off again: a text
// tag change is a signal and a walk of the buffer, and loading colours every line.
void EditorView::colourLines(size_t first, size_t last) {
    GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
    GtkTextIter from = lineStartIter(buffer, first), to = lineEndIter(buffer, last);
    for (auto& [key, tag] : tags_) gtk_text_buffer_remove_tag(buffer, tag, &from, &to);
    if (!highlighter_.on()) return;
    std::vector<GtkTextTag*> winners;
    for (size_t line = first; line <= last; ++line) {
        std::string text = scannerTextOfUtf8(lineText(line));
        auto scan = highlighter_.colourLine(line, text);
        if (!scan) continue;
        winners.assign(text.size(), nullptr);
        for (const ColourSpan& span : scan->spans) {
            size_t end = std::min(span.end, text.size());
            std::fill(winners.begin() + static_cast<long>(std::min(span.start, end)),
                      winners.begin() + static_cast<long>(end), tagFor(span.format));
        }
        GtkTextIter start = lineStartIter(buffer, line);
        for (size_t run = 0, next = 0; run < winners.size(); run = next) {
            while (next < winners.size() && winners[next] == winners[run]) ++next;
            if (!winners[run]) continue;
            GtkTextIter runStart = start, runEnd = start;
            gtk_text_iter_set_line_offset(&runStart, static_cast<int>(run));
            gtk_text_iter_set_line_offset(&runEnd, static_cast<int>(next));
            gtk_text_buffer_apply_tag(buffer, winners[run], &runStart, &runEnd);
        }
    }
}

GtkTextTag* EditorView::tagFor(CharFormat format) {
    int rgb = (format.colour.red << 16) | (format.colour.green << 8) | format.colour.blue;
    auto key = std::make_pair(rgb, format.bold);
    auto found = tags_.find(key);
    if (found != tags_.end()) return found->second;
    GdkRGBA colour{format.colour.red / 255.0, format.colour.green / 255.0, format.colour.blue / 255.0, 1.0};
    GtkTextTag* tag =
        gtk_text_buffer_create_tag(GTK_TEXT_BUFFER(buffer_), nullptr, "foreground-rgba", &colour, "weight",
                                   format.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL, nullptr);
    tags_.emplace(key, tag);
    return tag;
}

// The key press notes an Enter the editor itself received, so that only its release indents.
gboolean EditorView::onKeyPress(GtkWidget*, GdkEventKey* event, EditorView* self) {
    GtkTextIter start, end;
    bool selected = gtk_text_buffer_get_selection_bounds(GTK_TEXT_BUFFER(self->buffer_), &start, &end);
    self->rules_.keyPressed(keyKind(event->keyval), selected, self->highlighter_.on());
    return FALSE;
}

gboolean EditorView::onKeyRelease(GtkWidget*, GdkEventKey* event, EditorView* self) {
    GtkTextIter start, end;
    bool selected = gtk_text_buffer_get_selection_bounds(GTK_TEXT_BUFFER(self->buffer_), &start, &end);
    KeyReleaseSteps steps =
        self->rules_.keyReleased(keyKind(event->keyval), selected, self->highlighter_.settings().autoIndent);
    if (steps.indent) {
        size_t line = self->caretLine();
        std::string indent =
            self->highlighter_.autoIndent(line, self->lineText(line), line ? self->lineText(line - 1) : std::string());
        if (!indent.empty()) {
            gtk_text_buffer_insert_interactive_at_cursor(GTK_TEXT_BUFFER(self->buffer_), indent.data(),
                                                         static_cast<int>(indent.size()), TRUE);
        }
    }
    if (steps.showCaretPosition && self->caretMoved_) self->caretMoved_();
    return FALSE;
}

}  // namespace ide::gtk
