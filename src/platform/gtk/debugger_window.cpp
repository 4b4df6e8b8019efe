// The debugger window: the next script line, the watch list and the Step, Trace, Set and Halt
// buttons. Its buttons work whenever GTK handles events; what they ask of the debugger waits for
// the script thread to wait (whenScriptWaits).
#include "platform/gtk/desktop_text.h"
#include "platform/gtk/gtk_desktop.h"

namespace platform::gtk {

namespace {

constexpr int kDebuggerWidth = 348;
constexpr int kDebuggerHeight = 160;
// The watch list shows a few variables before it scrolls.
constexpr int kWatchListHeight = 100;

GtkWidget* button(const char* label, void (*clicked)(GtkDesktop*), GtkDesktop* self) {
    GtkWidget* widget = gtk_button_new_with_mnemonic(label);
    g_signal_connect_swapped(widget, "clicked", G_CALLBACK(clicked), self);
    return widget;
}

// Gives a widget the focus once the event being handled is done: a click on the watch list selects
// a row before the list takes the focus itself, which would undo an immediate grab.
void focusSoon(GtkWidget* widget) {
    g_idle_add(
        [](gpointer target) -> gboolean {
            gtk_widget_grab_focus(static_cast<GtkWidget*>(target));
            return G_SOURCE_REMOVE;
        },
        widget);
}

}  // namespace

void GtkDesktop::buildDebugger() {
    debugger_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(debugger_), "Velmish Debug :: Step Mode");
    // The Windows size, where GNOME's spacing leaves room for it.
    gtk_window_set_default_size(GTK_WINDOW(debugger_), kDebuggerWidth, kDebuggerHeight);
    gtk_container_set_border_width(GTK_CONTAINER(debugger_), kGroupSpacing);
    // The close box halts the program, as Halt does; the window itself stays.
    g_signal_connect_swapped(debugger_, "delete-event", G_CALLBACK(+[](GtkDesktop* self) -> gboolean {
                                 self->onHalt();
                                 return TRUE;
                             }),
                             this);

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, kControlSpacing);
    gtk_box_pack_start(GTK_BOX(column), buildWatchList(), TRUE, TRUE, 0);
    lineDisplay_ = gtk_entry_new();
    gtk_editable_set_editable(GTK_EDITABLE(lineDisplay_), FALSE);
    gtk_widget_set_can_focus(lineDisplay_, FALSE);
    gtk_style_context_add_class(gtk_widget_get_style_context(lineDisplay_), kReadOnlyClass);
    gtk_box_pack_start(GTK_BOX(column), lineDisplay_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(column), buildDebuggerButtons(), FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(debugger_), column);
    gtk_widget_show_all(column);
    // Step is where the keyboard starts, not the watch list, the first control in the window.
    gtk_window_set_focus(GTK_WINDOW(debugger_), stepButton_);
}

GtkWidget* GtkDesktop::buildWatchList() {
    watchStore_ = gtk_list_store_new(1, G_TYPE_STRING);
    watchView_ = gtk_tree_view_new_with_model(GTK_TREE_MODEL(watchStore_));
    g_object_unref(watchStore_);
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(watchView_), FALSE);
    // Typing goes to the value field, not into a search of the list.
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(watchView_), FALSE);
    gtk_tree_view_append_column(GTK_TREE_VIEW(watchView_), gtk_tree_view_column_new_with_attributes(
                                                               "", gtk_cell_renderer_text_new(), "text", 0, nullptr));
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(watchView_));
    // GTK selects a row by itself when the list takes the focus and when the row under the cursor
    // is removed; only the user's choice may select one (Set would change that variable).
    gtk_tree_selection_set_select_function(
        selection,
        [](GtkTreeSelection*, GtkTreeModel*, GtkTreePath*, gboolean selected, gpointer self) -> gboolean {
            return static_cast<GtkDesktop*>(self)->mayChangeWatch(selected);
        },
        this, nullptr);
    g_signal_connect_swapped(selection, "changed", G_CALLBACK(+[](GtkDesktop* self) { self->onWatchSelected(); }),
                             this);
    GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    gtk_scrolled_window_set_min_content_height(GTK_SCROLLED_WINDOW(scroller), kWatchListHeight);
    gtk_container_add(GTK_CONTAINER(scroller), watchView_);
    return scroller;
}

GtkWidget* GtkDesktop::buildDebuggerButtons() {
    stepButton_ = button(
        "_Step", [](GtkDesktop* self) { self->onStep(); }, this);
    // Step is the Windows window's default button.
    gtk_style_context_add_class(gtk_widget_get_style_context(stepButton_), GTK_STYLE_CLASS_SUGGESTED_ACTION);
    traceButton_ = button(
        "_Trace", [](GtkDesktop* self) { self->onTrace(); }, this);
    setButton_ = button(
        "S_et", [](GtkDesktop* self) { self->onSet(); }, this);
    GtkWidget* haltButton = button(
        "_Halt", [](GtkDesktop* self) { self->onHalt(); }, this);
    valueEntry_ = gtk_entry_new();
    gtk_entry_set_width_chars(GTK_ENTRY(valueEntry_), 12);

    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, kControlSpacing);
    gtk_box_pack_start(GTK_BOX(row), stepButton_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), traceButton_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), valueEntry_, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(row), setButton_, FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(row), haltButton, FALSE, FALSE, 0);
    return row;
}

void GtkDesktop::fillWatchList(const std::vector<std::string>& entries) {
    // The rows go, and with them the user's choice; GTK's moves of the cursor select nothing.
    refillingWatches_ = true;
    gtk_list_store_clear(watchStore_);
    for (const std::string& entry : entries) {
        GtkTreeIter row;
        gtk_list_store_append(watchStore_, &row);
        gtk_list_store_set(watchStore_, &row, 0, displayText(entry).c_str(), -1);
    }
    refillingWatches_ = false;
}

int GtkDesktop::selectedWatch() const {
    GtkTreeModel* model = nullptr;
    GtkTreeIter row;
    if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(watchView_)), &model, &row)) {
        return -1;
    }
    GtkTreePath* path = gtk_tree_model_get_path(model, &row);
    int index = gtk_tree_path_get_indices(path)[0];
    gtk_tree_path_free(path);
    return index;
}

bool GtkDesktop::mayChangeWatch(bool selected) {
    if (selected) return true;  // a row may always lose its selection
    return !refillingWatches_ && (keepingChoice_ || userChoosesWatch());
}

bool GtkDesktop::userChoosesWatch() const {
    GdkEvent* event = gtk_get_current_event();
    if (!event) return false;
    bool chooses = false;
    switch (gdk_event_get_event_type(event)) {
        case GDK_BUTTON_PRESS:
        case GDK_2BUTTON_PRESS:
        case GDK_BUTTON_RELEASE: chooses = gtk_get_event_widget(event) == watchView_; break;
        case GDK_KEY_PRESS: {
            // A key pressed in the list moves through it, except the Tab that brought the focus there.
            guint key = 0;
            gdk_event_get_keyval(event, &key);
            chooses = gtk_widget_has_focus(watchView_) && key != GDK_KEY_Tab && key != GDK_KEY_ISO_Left_Tab &&
                      key != GDK_KEY_KP_Tab;
            break;
        }
        default: break;
    }
    gdk_event_free(event);
    return chooses;
}

// ---- What the debugger asks of its window ------------------------------------------------------

void GtkDesktop::setDebuggerEvents(DebuggerEvents* events) {
    onGtk([&] { debuggerEvents_ = events; });
}

void GtkDesktop::showDebugger(const DebuggerView& view) {
    onGtk([&] {
        if (!debugger_) return;
        gtk_entry_set_text(GTK_ENTRY(lineDisplay_), displayText(view.line).c_str());
        gtk_window_set_title(GTK_WINDOW(debugger_),
                             view.traceMode ? "Velmish Debug :: Trace Mode" : "Velmish Debug :: Step Mode");
        fillWatchList(view.watches);
        gtk_widget_show(debugger_);
    });
}

void GtkDesktop::enableDebuggerButtons(bool step, bool trace) {
    onGtk([&] {
        if (!debugger_) return;
        gtk_widget_set_sensitive(stepButton_, step);
        gtk_widget_set_sensitive(traceButton_, trace);
    });
}

void GtkDesktop::hideDebugger() {
    onGtk([&] {
        if (debugger_) gtk_widget_hide(debugger_);
    });
}

DebuggerStep GtkDesktop::debuggerStep(bool wait) {
    if (wait && !haltPressed_) {
        onGtk([&] {
            if (!debugger_) return;
            stepWaiting_ = true;
            // Return and Space step, whatever had the focus before. The focus is taken away
            // first: a grab by the widget that has it already does nothing, even where GTK has
            // lost the window's way down to it, and Tab then started again from the watch list.
            gtk_window_set_focus(GTK_WINDOW(debugger_), nullptr);
            gtk_widget_grab_focus(stepButton_);
            while (stepWaiting_ && !haltPressed_) gtk_main_iteration();
            stepWaiting_ = false;
        });
    }
    return haltPressed_ ? DebuggerStep::halt : DebuggerStep::go;
}

// ---- The user's actions ------------------------------------------------------------------------

void GtkDesktop::onStep() {
    whenScriptWaits([this] {
        if (debuggerEvents_) debuggerEvents_->stepPressed();
        gtk_widget_set_sensitive(traceButton_, TRUE);
        stepWaiting_ = false;
    });
}

void GtkDesktop::onTrace() {
    whenScriptWaits([this] {
        if (debuggerEvents_) debuggerEvents_->tracePressed();
        gtk_widget_set_sensitive(stepButton_, TRUE);
        gtk_widget_set_sensitive(traceButton_, FALSE);
        stepWaiting_ = false;
    });
}

void GtkDesktop::onSet() {
    int index = selectedWatch();
    std::string value = gtk_entry_get_text(GTK_ENTRY(valueEntry_));
    whenScriptWaits([this, index, value] {
        // Whatever Set did, the next key steps.
        focusSoon(stepButton_);
        if (index < 0 || !debuggerEvents_) return;
        // The assignment goes through the variable table, so its write hooks act.
        fillWatchList(debuggerEvents_->setPressed(index, value));
        // The rebuilt list keeps the user's choice.
        keepingChoice_ = true;
        GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
        gtk_tree_selection_select_path(gtk_tree_view_get_selection(GTK_TREE_VIEW(watchView_)), path);
        gtk_tree_path_free(path);
        keepingChoice_ = false;
        gtk_entry_set_text(GTK_ENTRY(valueEntry_), "");
    });
}

void GtkDesktop::onWatchSelected() {
    // Set choosing the row again puts no value into the field it has just emptied.
    if (keepingChoice_) return;
    int index = selectedWatch();
    whenScriptWaits([this, index] {
        if (index < 0 || !debuggerEvents_) {
            gtk_entry_set_text(GTK_ENTRY(valueEntry_), "");
            return;
        }
        gtk_entry_set_text(GTK_ENTRY(valueEntry_), displayText(debuggerEvents_->watchedValue(index)).c_str());
        focusSoon(valueEntry_);
    });
}

void GtkDesktop::onHalt() {
    // Noted here and acted on before the next command; a dialog up now ends at once, so the
    // program ends without the user closing it first.
    haltPressed_ = true;
    if (runningDialog_) gtk_dialog_response(runningDialog_, GTK_RESPONSE_DELETE_EVENT);
}

}  // namespace platform::gtk
