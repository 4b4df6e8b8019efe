// The dialogs scripts open: the input, edit and list boxes, the file chooser and the folder
// chooser, and the info box, which stays up while the script runs on.
#include <algorithm>
#include <cstdlib>

#include "platform/gtk/desktop_text.h"
#include "platform/gtk/gtk_desktop.h"
#include "platform/line_breaks.h"

namespace platform::gtk {

namespace {

// The input box's width on Windows, which scripts cannot change: the desktop's is never narrower.
constexpr int kInputWidth = 300;
// A prompt longer than this wraps rather than widening the input box.
constexpr int kPromptChars = 60;
// The list box that fits its entries: at least this wide, and as tall as its entries up to the
// largest height, after which it scrolls.
constexpr int kListMinWidth = 240;
constexpr int kListMaxWidth = 640;
constexpr int kListMinHeight = 120;
constexpr int kListMaxHeight = 320;
// The spacing of a dialog too small for GNOME's, about that of the Windows boxes.
constexpr int kTightMargin = 4;
constexpr int kTightSpacing = 4;
// Room between a text and the frame around it.
constexpr int kTextPadding = 6;
// The info box's text starts this far below its top edge, as on Windows.
constexpr int kInfoMargin = 3;

// The content area holds the script's controls and, at its end, the row of buttons.
void spaceDialog(GtkDialog* dialog, int margin, int spacing) {
    GtkWidget* content = gtk_dialog_get_content_area(dialog);
    gtk_container_set_border_width(GTK_CONTAINER(content), margin);
    gtk_box_set_spacing(GTK_BOX(content), spacing);
}

// Gives a dialog the size the script chose, exactly. Where GNOME's spacing leaves the controls too
// little room for it, the dialog is spaced as tightly as the Windows box instead.
void takeScriptSize(GtkWidget* dialog, GtkWidget* scroller, int width, int height) {
    gtk_window_set_default_size(GTK_WINDOW(dialog), width, height);
    // The room needed once the text or list scrolls: GTK counts scroll bars only when they are
    // shown, and the first measurement only gives them their style, which makes them larger.
    gtk_widget_show_all(gtk_dialog_get_content_area(GTK_DIALOG(dialog)));
    GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(scroller);
    gtk_scrolled_window_set_policy(scrolled, GTK_POLICY_ALWAYS, GTK_POLICY_ALWAYS);
    GtkRequisition least;
    gtk_widget_get_preferred_size(dialog, &least, nullptr);
    gtk_widget_get_preferred_size(dialog, &least, nullptr);
    gtk_scrolled_window_set_policy(scrolled, GTK_POLICY_AUTOMATIC, GTK_POLICY_AUTOMATIC);
    if (least.width > width || least.height > height) {
        spaceDialog(GTK_DIALOG(dialog), kTightMargin, kTightSpacing);
    }
}

GtkWidget* newDialog(const std::string& title) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), displayText(title).c_str());
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    spaceDialog(GTK_DIALOG(dialog), kWindowMargin, kGroupSpacing);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_box_set_spacing(GTK_BOX(gtk_dialog_get_action_area(GTK_DIALOG(dialog))), kControlSpacing);
    G_GNUC_END_IGNORE_DEPRECATIONS
    return dialog;
}

// OK and Cancel in the order of every window here (desktopOrder): Cancel first, OK at the right end
// and the default.
void addOkCancel(GtkDialog* dialog, const std::string& ok, const std::string& cancel) {
    gtk_dialog_add_button(dialog, mnemonicCaption(cancel).c_str(), GTK_RESPONSE_CANCEL);
    gtk_dialog_add_button(dialog, mnemonicCaption(ok).c_str(), GTK_RESPONSE_OK);
    markDefault(dialog, GTK_RESPONSE_OK);
}

// A list or text in a frame that scrolls, filling the dialog above its buttons.
GtkWidget* packScrolled(GtkWidget* dialog, GtkWidget* child) {
    GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    gtk_container_add(GTK_CONTAINER(scroller), child);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), scroller, TRUE, TRUE, 0);
    return scroller;
}

// A text view whose text stands clear of its frame; read-only text looks so and shows no cursor.
GtkWidget* newTextView(const std::string& text, bool readOnly) {
    GtkWidget* view = gtk_text_view_new();
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), text.c_str(), -1);
    gtk_text_view_set_editable(GTK_TEXT_VIEW(view), !readOnly);
    gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), !readOnly);
    if (readOnly) gtk_style_context_add_class(gtk_widget_get_style_context(view), kReadOnlyClass);
    gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), kTextPadding);
    gtk_text_view_set_right_margin(GTK_TEXT_VIEW(view), kTextPadding);
    gtk_text_view_set_top_margin(GTK_TEXT_VIEW(view), kTextPadding);
    gtk_text_view_set_bottom_margin(GTK_TEXT_VIEW(view), kTextPadding);
    return view;
}

// The size of the list's rows together. A tree view measures its rows only once it is on the
// screen, so the window would open at its smallest; its column measures them now.
void entriesSize(GtkTreeView* view, int& width, int& height) {
    GtkTreeModel* model = gtk_tree_view_get_model(view);
    GtkTreeViewColumn* column = gtk_tree_view_get_column(view, 0);
    int horizontalGap = 0;
    int verticalGap = 0;
    gtk_widget_style_get(GTK_WIDGET(view), "horizontal-separator", &horizontalGap, "vertical-separator", &verticalGap,
                         nullptr);
    width = height = 0;
    GtkTreeIter row;
    for (gboolean more = gtk_tree_model_get_iter_first(model, &row); more;
         more = gtk_tree_model_iter_next(model, &row)) {
        gtk_tree_view_column_cell_set_cell_data(column, model, &row, FALSE, FALSE);
        int cellWidth = 0;
        int cellHeight = 0;
        gtk_tree_view_column_cell_get_size(column, nullptr, nullptr, nullptr, &cellWidth, &cellHeight);
        width = std::max(width, cellWidth + horizontalGap);
        height += cellHeight + verticalGap;
    }
}

// The list box takes the size the script chose, exactly; without one it fits its entries.
void sizeListBox(GtkWidget* dialog, GtkWidget* scroller, GtkTreeView* view, int width, int height) {
    if (listBoxSizeChosen(width, height)) {
        takeScriptSize(dialog, scroller, width, height);
        return;
    }
    int entriesWidth = 0;
    int entriesHeight = 0;
    entriesSize(view, entriesWidth, entriesHeight);
    GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(scroller);
    gtk_scrolled_window_set_min_content_width(scrolled, std::clamp(entriesWidth, kListMinWidth, kListMaxWidth));
    gtk_scrolled_window_set_min_content_height(scrolled, std::clamp(entriesHeight, kListMinHeight, kListMaxHeight));
}

// The chooser's files: one path as it is; several as the folder and the names joined by "|".
std::string chosenFiles(GtkFileChooser* chooser) {
    GSList* files = gtk_file_chooser_get_filenames(chooser);
    std::string text;
    if (files && !files->next) {
        text = static_cast<const char*>(files->data);
    } else if (files) {
        gchar* folder = g_path_get_dirname(static_cast<const char*>(files->data));
        text = folder;
        g_free(folder);
        for (GSList* file = files; file; file = file->next) {
            gchar* name = g_path_get_basename(static_cast<const char*>(file->data));
            text += '|';
            text += name;
            g_free(name);
        }
    }
    g_slist_free_full(files, g_free);
    return text;
}

void addFilters(GtkFileChooser* chooser, const std::string& filter) {
    for (const FileFilter& entry : fileFilters(filter)) {
        GtkFileFilter* gtkFilter = gtk_file_filter_new();
        gtk_file_filter_set_name(gtkFilter, displayText(entry.name).c_str());
        for (const std::string& pattern : entry.patterns) {
            gtk_file_filter_add_pattern(gtkFilter, displayText(pattern).c_str());
        }
        gtk_file_chooser_add_filter(chooser, gtkFilter);
    }
}

}  // namespace

void GtkDesktop::setButtonCaption(DialogButton button, const std::string& caption) {
    onGtk([&] { buttonCaptions_[static_cast<int>(button)] = caption; });
}

std::optional<std::string> GtkDesktop::inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& initialText) {
    std::optional<std::string> answer;
    onGtk([&] {
        GtkWidget* dialog = newDialog(title);
        // A fixed size, as on Windows: the box is as large as its prompt needs.
        gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
        gtk_widget_set_size_request(dialog, kInputWidth, -1);
        GtkWidget* label = gtk_label_new(displayText(prompt).c_str());
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
        gtk_label_set_max_width_chars(GTK_LABEL(label), kPromptChars);
        GtkWidget* entry = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(entry), displayText(initialText).c_str());
        gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
        GtkWidget* field = gtk_box_new(GTK_ORIENTATION_VERTICAL, kControlSpacing);
        gtk_box_pack_start(GTK_BOX(field), label, FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(field), entry, FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), field, TRUE, TRUE, 0);
        auto caption = [&](DialogButton button) { return buttonCaptions_[static_cast<int>(button)]; };
        addOkCancel(GTK_DIALOG(dialog), caption(DialogButton::inputOk), caption(DialogButton::inputCancel));
        gtk_widget_show_all(dialog);
        gtk_widget_grab_focus(entry);
        // The caret goes after the default text.
        gtk_editable_set_position(GTK_EDITABLE(entry), -1);
        if (runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) answer = gtk_entry_get_text(GTK_ENTRY(entry));
        gtk_widget_destroy(dialog);
    });
    return answer;
}

std::optional<std::string> GtkDesktop::editBox(const std::string& title, const std::string& text, bool readOnly,
                                               int width, int height) {
    std::optional<std::string> answer;
    onGtk([&] {
        GtkWidget* dialog = newDialog(title);
        GtkWidget* view = newTextView(displayText(withLineFeeds(text)), readOnly);
        GtkWidget* scroller = packScrolled(dialog, view);
        auto caption = [&](DialogButton button) { return buttonCaptions_[static_cast<int>(button)]; };
        addOkCancel(GTK_DIALOG(dialog), caption(DialogButton::editOk), caption(DialogButton::editCancel));
        takeScriptSize(dialog, scroller, width, height);
        gtk_widget_show_all(dialog);
        gtk_widget_grab_focus(view);
        if (runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
            // Read-only, the text comes back as the script gave it.
            if (readOnly) {
                answer = text;
            } else {
                GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(view));
                GtkTextIter start;
                GtkTextIter end;
                gtk_text_buffer_get_bounds(buffer, &start, &end);
                gchar* typed = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
                answer = withCrLf(typed);
                g_free(typed);
            }
        }
        gtk_widget_destroy(dialog);
    });
    return answer;
}

std::optional<std::string> GtkDesktop::listBox(const std::string& title, const std::vector<std::string>& entries,
                                               int width, int height) {
    std::optional<std::string> answer;
    onGtk([&] {
        GtkWidget* dialog = newDialog(title);
        GtkListStore* store = gtk_list_store_new(1, G_TYPE_STRING);
        for (const std::string& entry : entries) {
            GtkTreeIter row;
            gtk_list_store_append(store, &row);
            gtk_list_store_set(store, &row, 0, displayText(entry).c_str(), -1);
        }
        GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
        g_object_unref(store);
        gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(view), FALSE);
        gtk_tree_view_append_column(GTK_TREE_VIEW(view), gtk_tree_view_column_new_with_attributes(
                                                             "", gtk_cell_renderer_text_new(), "text", 0, nullptr));
        // A double click or Enter on an entry confirms it, as OK does.
        g_signal_connect_swapped(view, "row-activated",
                                 G_CALLBACK(+[](GtkDialog* owner) { gtk_dialog_response(owner, GTK_RESPONSE_OK); }),
                                 dialog);
        GtkWidget* scroller = packScrolled(dialog, view);
        std::string ok = mnemonicCaption(buttonCaptions_[static_cast<int>(DialogButton::listOk)]);
        gtk_dialog_add_button(GTK_DIALOG(dialog), ok.c_str(), GTK_RESPONSE_OK);
        markDefault(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
        sizeListBox(dialog, scroller, GTK_TREE_VIEW(view), width, height);
        GtkTreePath* first = gtk_tree_path_new_first();
        if (!entries.empty()) gtk_tree_view_set_cursor(GTK_TREE_VIEW(view), first, nullptr, FALSE);
        gtk_tree_path_free(first);
        gtk_widget_show_all(dialog);
        gtk_widget_grab_focus(view);
        if (runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
            GtkTreeModel* model = nullptr;
            GtkTreeIter row;
            GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(view));
            if (gtk_tree_selection_get_selected(selection, &model, &row)) {
                GtkTreePath* path = gtk_tree_model_get_path(model, &row);
                // The entry's own bytes, not the shown text.
                answer = entries[static_cast<size_t>(gtk_tree_path_get_indices(path)[0])];
                gtk_tree_path_free(path);
            }
        }
        gtk_widget_destroy(dialog);
    });
    return answer;
}

std::optional<std::string> GtkDesktop::fileDialog(const FileDialogRequest& request) {
    std::optional<std::string> answer;
    onGtk([&] {
        GtkFileChooserAction action = request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN;
        GtkWidget* dialog = gtk_file_chooser_dialog_new(displayText(request.title).c_str(), nullptr, action, "_Cancel",
                                                        GTK_RESPONSE_CANCEL, request.save ? "_Save" : "_Open",
                                                        GTK_RESPONSE_ACCEPT, nullptr);
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
        markDefault(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
        gtk_file_chooser_set_select_multiple(chooser, request.multiSelect && !request.save);
        gtk_file_chooser_set_local_only(chooser, TRUE);
        if (!request.initialDirectory.empty())
            gtk_file_chooser_set_current_folder(chooser, request.initialDirectory.c_str());
        addFilters(chooser, request.filter);
        if (runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
            std::string chosen = chosenFiles(chooser);
            if (!chosen.empty()) answer = std::move(chosen);
        }
        gtk_widget_destroy(dialog);
    });
    return answer;
}

FolderChoice GtkDesktop::folderBox(const std::string& title, const std::string& startFolder) {
    FolderChoice choice;
    onGtk([&] {
        GtkWidget* dialog =
            gtk_file_chooser_dialog_new(displayText(title).c_str(), nullptr, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER,
                                        "_Cancel", GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT, nullptr);
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
        markDefault(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
        if (!startFolder.empty()) gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), startFolder.c_str());
        if (runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
            gchar* folder = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
            // A place without a file-system path is no answer.
            choice = folder ? FolderChoice{FolderChoice::Outcome::chosen, folder}
                            : FolderChoice{FolderChoice::Outcome::failed, {}};
            g_free(folder);
        }
        gtk_widget_destroy(dialog);
    });
    return choice;
}

// ---- The info box ---------------------------------------------------------------------------------

void GtkDesktop::buildInfoBox() {
    // Undecorated and above the other windows, like the Windows pop-up; the title is the one
    // xdotool and window lists show.
    infoBox_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(infoBox_), "Velmish Info");
    gtk_window_set_decorated(GTK_WINDOW(infoBox_), FALSE);
    gtk_window_set_keep_above(GTK_WINDOW(infoBox_), TRUE);
    gtk_window_set_accept_focus(GTK_WINDOW(infoBox_), FALSE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(infoBox_), TRUE);
    gtk_window_set_type_hint(GTK_WINDOW(infoBox_), GDK_WINDOW_TYPE_HINT_UTILITY);
    gtk_window_set_resizable(GTK_WINDOW(infoBox_), FALSE);
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_OUT);
    infoLabel_ = gtk_label_new("");
    gtk_label_set_justify(GTK_LABEL(infoLabel_), GTK_JUSTIFY_CENTER);
    gtk_widget_set_margin_top(infoLabel_, kInfoMargin);
    gtk_container_add(GTK_CONTAINER(frame), infoLabel_);
    gtk_container_add(GTK_CONTAINER(infoBox_), frame);
    gtk_widget_show_all(frame);
}

void GtkDesktop::placeInfoBox(const std::string& text, int width, int height) {
    onGtk([&] {
        gtk_label_set_text(GTK_LABEL(infoLabel_), displayText(text).c_str());
        gtk_widget_set_size_request(infoBox_, width, height);
        gtk_window_resize(GTK_WINDOW(infoBox_), width, height);
        GdkRectangle screen{0, 0, width, height};
        if (GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default())) {
            gdk_monitor_get_geometry(monitor, &screen);
        } else if (GdkMonitor* first = gdk_display_get_monitor(gdk_display_get_default(), 0)) {
            gdk_monitor_get_geometry(first, &screen);
        }
        gtk_window_move(GTK_WINDOW(infoBox_), screen.x + screen.width / 2 - width / 2,
                        screen.y + screen.height / 2 - height / 2);
    });
}

void GtkDesktop::setInfoBoxVisible(bool visible) {
    onGtk([&] {
        if (visible) {
            gtk_widget_show(infoBox_);
            gtk_window_set_keep_above(GTK_WINDOW(infoBox_), TRUE);
        } else {
            gtk_widget_hide(infoBox_);
        }
    });
}

}  // namespace platform::gtk
