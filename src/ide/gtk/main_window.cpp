// The Linux editor's main window: built from the command table, and the core's front end.
#include "ide/gtk/main_window.h"

#include "core/text_encoding.h"
#include "core/toolkit_texts.h"
#include "ide/fixed_texts.h"
#include "ide/gtk/dialogs.h"

namespace ide::gtk {

namespace {

using interp::mnemonicCaption;

constexpr int kWidth = 640, kHeight = 480;

// The command table's nine images, as the desktop's icon theme names them.
constexpr const char* kThemeIcons[] = {
    "document-new", "document-open", "document-save", "edit-copy", "edit-cut",
    "edit-paste",   "system-run",    "help-browser",  "edit-find",
};

// The key GTK knows a shortcut by.
void shortcutKey(Shortcut shortcut, guint& key, GdkModifierType& modifiers) {
    if (shortcut.letter) {
        key = GDK_KEY_a + static_cast<guint>(shortcut.letter - 'A');
        modifiers = static_cast<GdkModifierType>(GDK_CONTROL_MASK | (shortcut.shift ? GDK_SHIFT_MASK : 0));
    } else {
        key = GDK_KEY_F1 + static_cast<guint>(shortcut.functionKey - 1);
        modifiers = static_cast<GdkModifierType>(0);
    }
}

// What a menu item or tool button carries: the window and its command.
struct CommandTarget {
    MainWindow* window;
    Command command;
};

}  // namespace

MainWindow::MainWindow(ProgramFolder folder)
    : folder_(std::move(folder)),
      session_(*this, captions_),
      scriptMenu_(session_, *this, folder_),
      find_(*this, captions_),
      editor_(highlighter_),
      router_(session_, scriptMenu_, find_, *this, folder_),
      programs_([this](ErrorLine error) { scriptMenu_.errorReported(std::move(error)); }) {
    session_.watchDiskChanges();
    char* current = g_get_current_dir();
    lastFolder_ = current;
    g_free(current);

    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_default_size(GTK_WINDOW(window_), kWidth, kHeight);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
    gtk_window_set_icon_name(GTK_WINDOW(window_), "velmish");
    gtk_window_set_title(GTK_WINDOW(window_), windowCaption(kUnnamedDocument).c_str());
    shortcuts_ = gtk_accel_group_new();
    gtk_window_add_accel_group(GTK_WINDOW(window_), shortcuts_);

    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window_), box);
    createMenus(box);
    createToolbar(box);
    gtk_box_pack_start(GTK_BOX(box), editor_.widget(), TRUE, TRUE, 0);
    createStatusBar(box);

    editor_.onChanged([this] { session_.editorChanged(false); });
    editor_.onCaretMoved([this] { showCaretPosition(); });
    // The editor's own context menu gives way to the command table's.
    g_signal_connect(editor_.view(), "populate-popup",
                     G_CALLBACK(+[](GtkTextView*, GtkWidget* popup, MainWindow* self) {
                         if (!GTK_IS_MENU(popup)) return;
                         GList* children = gtk_container_get_children(GTK_CONTAINER(popup));
                         for (GList* child = children; child; child = child->next) {
                             gtk_widget_destroy(GTK_WIDGET(child->data));
                         }
                         g_list_free(children);
                         GtkWidget* ours = self->menuOf(contextMenu(), false);
                         GList* items = gtk_container_get_children(GTK_CONTAINER(ours));
                         for (GList* item = items; item; item = item->next) {
                             GtkWidget* widget = GTK_WIDGET(item->data);
                             g_object_ref(widget);
                             gtk_container_remove(GTK_CONTAINER(ours), widget);
                             gtk_menu_shell_append(GTK_MENU_SHELL(popup), widget);
                             g_object_unref(widget);
                         }
                         g_list_free(items);
                         gtk_widget_destroy(ours);
                         gtk_widget_show_all(popup);
                     }),
                     this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
    g_signal_connect(window_, "focus-in-event", G_CALLBACK(onFocusIn), this);
    g_signal_connect(window_, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
}

void MainWindow::createMenus(GtkWidget* box) {
    GtkWidget* bar = gtk_menu_bar_new();
    for (const MenuColumn& column : menuBar(Edition::linux_desktop)) {
        GtkWidget* top = gtk_menu_item_new_with_mnemonic(mnemonicCaption(captions_[column.caption]).c_str());
        menuLabels_.emplace_back(top, column.caption);
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(top), menuOf(column.items, true));
        gtk_menu_shell_append(GTK_MENU_SHELL(bar), top);
    }
    gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
}

// A menu of the table's items; the menu bar's carry the shortcuts, which work from anywhere in the
// window.
GtkWidget* MainWindow::menuOf(std::span<const MenuItem> items, bool withShortcuts) {
    GtkWidget* menu = gtk_menu_new();
    gtk_menu_set_accel_group(GTK_MENU(menu), shortcuts_);
    for (const MenuItem& item : items) {
        if (item.separator()) {
            gtk_menu_shell_append(GTK_MENU_SHELL(menu), gtk_separator_menu_item_new());
            continue;
        }
        GtkWidget* entry = gtk_menu_item_new_with_mnemonic(mnemonicCaption(captions_[item.caption]).c_str());
        if (withShortcuts) menuLabels_.emplace_back(entry, item.caption);
        if (item.recentFiles) {
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(entry), recentFilesMenu());
        } else {
            auto* target = new CommandTarget{this, *item.command};
            g_signal_connect_data(
                entry, "activate", G_CALLBACK(+[](GtkMenuItem*, CommandTarget* t) { t->window->run(t->command); }),
                target, [](gpointer data, GClosure*) { delete static_cast<CommandTarget*>(data); },
                static_cast<GConnectFlags>(0));
            Shortcut shortcut = shortcutOf(*item.command);
            if (withShortcuts && !shortcut.empty()) {
                guint key = 0;
                GdkModifierType modifiers{};
                shortcutKey(shortcut, key, modifiers);
                gtk_widget_add_accelerator(entry, "activate", shortcuts_, key, modifiers, GTK_ACCEL_VISIBLE);
            }
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), entry);
    }
    return menu;
}

// The scripts used last, as the desktop keeps them for every program.
GtkWidget* MainWindow::recentFilesMenu() {
    GtkWidget* menu = gtk_recent_chooser_menu_new();
    GtkRecentFilter* scripts = gtk_recent_filter_new();
    gtk_recent_filter_add_pattern(scripts, "*.vl");
    gtk_recent_filter_add_pattern(scripts, "*.VL");
    gtk_recent_chooser_set_filter(GTK_RECENT_CHOOSER(menu), scripts);
    gtk_recent_chooser_set_local_only(GTK_RECENT_CHOOSER(menu), TRUE);
    gtk_recent_chooser_set_sort_type(GTK_RECENT_CHOOSER(menu), GTK_RECENT_SORT_MRU);
    gtk_recent_chooser_set_limit(GTK_RECENT_CHOOSER(menu), 10);
    g_signal_connect(menu, "item-activated", G_CALLBACK(+[](GtkRecentChooser* chooser, MainWindow* self) {
                         gchar* uri = gtk_recent_chooser_get_current_uri(chooser);
                         gchar* path = uri ? g_filename_from_uri(uri, nullptr, nullptr) : nullptr;
                         if (path) self->guarded([&] { self->session_.openFile(path); });
                         g_free(path);
                         g_free(uri);
                     }),
                     this);
    return menu;
}

void MainWindow::createToolbar(GtkWidget* box) {
    GtkWidget* bar = gtk_toolbar_new();
    gtk_toolbar_set_style(GTK_TOOLBAR(bar), GTK_TOOLBAR_ICONS);
    gtk_toolbar_set_icon_size(GTK_TOOLBAR(bar), GTK_ICON_SIZE_SMALL_TOOLBAR);
    for (const ToolButton& tool : toolbar()) {
        if (!tool.command) {
            gtk_toolbar_insert(GTK_TOOLBAR(bar), gtk_separator_tool_item_new(), -1);
            continue;
        }
        GtkToolItem* button = gtk_tool_button_new(nullptr, nullptr);
        gtk_tool_button_set_icon_name(GTK_TOOL_BUTTON(button), kThemeIcons[tool.image]);
        gtk_tool_item_set_tooltip_text(button, captions_[tool.hint].c_str());
        toolHints_.emplace_back(button, tool.hint);
        auto* target = new CommandTarget{this, *tool.command};
        g_signal_connect_data(
            button, "clicked", G_CALLBACK(+[](GtkToolButton*, CommandTarget* t) { t->window->run(t->command); }),
            target, [](gpointer data, GClosure*) { delete static_cast<CommandTarget*>(data); },
            static_cast<GConnectFlags>(0));
        gtk_toolbar_insert(GTK_TOOLBAR(bar), button, -1);
    }
    gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
}

// The caret position, then the text of the last error Run or Compile reported.
void MainWindow::createStatusBar(GtkWidget* box) {
    GtkWidget* bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(bar), 3);
    position_ = gtk_label_new("");
    gtk_label_set_width_chars(GTK_LABEL(position_), 10);
    gtk_label_set_xalign(GTK_LABEL(position_), 0);
    errorText_ = gtk_label_new("");
    gtk_label_set_xalign(GTK_LABEL(errorText_), 0);
    gtk_label_set_ellipsize(GTK_LABEL(errorText_), PANGO_ELLIPSIZE_END);
    gtk_box_pack_start(GTK_BOX(bar), position_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(bar), gtk_separator_new(GTK_ORIENTATION_VERTICAL), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(bar), errorText_, TRUE, TRUE, 0);
    gtk_box_pack_end(GTK_BOX(box), bar, FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(box), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL), FALSE, FALSE, 0);
}

// An error escaping the core is shown, and the editor goes on with the document as it is: no
// exception may pass through GTK's C code.
template <typename Action>
bool MainWindow::guarded(Action action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        showError(error.what());
    } catch (...) {
        showError("An unexpected error occurred.");
    }
    return false;
}

void MainWindow::run(Command command) {
    guarded([&] { router_.run(command); });
}

void MainWindow::show(const std::string& scriptPath) {
    startEditor(folder_, captions_, highlighter_, session_, scriptPath, *this);
    gtk_widget_show_all(window_);
    gtk_widget_grab_focus(editor_.view());
}

// GTK shows UTF-8: the words of a language file written in Windows-1252, as the Windows editor's
// are, are turned into UTF-8 here, before any menu, dialog or box shows them.
void MainWindow::applyCaptions() {
    for (size_t index = 0; index < kCaptionCount; ++index) {
        auto caption = static_cast<Caption>(index);
        captions_.replace(caption, interp::shownAsUtf8(captions_[caption]));
    }
    for (auto& [item, caption] : menuLabels_) {
        gtk_menu_item_set_label(GTK_MENU_ITEM(item), mnemonicCaption(captions_[caption]).c_str());
    }
    for (auto& [button, caption] : toolHints_) gtk_tool_item_set_tooltip_text(button, captions_[caption].c_str());
}

void MainWindow::showCaretPosition() {
    showCaretPosition(caretPositionText(editor_.caretLine(), editor_.caretColumn()));
}

void MainWindow::showCaretPosition(const std::string& text) { gtk_label_set_text(GTK_LABEL(position_), text.c_str()); }

gboolean MainWindow::onDelete(GtkWidget*, GdkEvent*, MainWindow* self) {
    bool mayClose = true;
    if (!self->guarded([&] { mayClose = self->session_.mayClose(); })) mayClose = false;
    return mayClose ? FALSE : TRUE;  // TRUE keeps the window
}

// Back in the editor, a change another program made to the file is asked about.
gboolean MainWindow::onFocusIn(GtkWidget*, GdkEvent*, MainWindow* self) {
    if (self->checkingDisk_) return FALSE;
    self->checkingDisk_ = true;
    // After the focus change is done, so that the question's own window does not start another.
    g_idle_add(
        [](gpointer data) {
            auto* window = static_cast<MainWindow*>(data);
            window->guarded([&] { window->session_.checkDiskChange(); });
            window->checkingDisk_ = false;
            return G_SOURCE_REMOVE;
        },
        self);
    return FALSE;
}

bool MainWindow::yesNo(GtkMessageType type, const std::string& text, const std::string& caption) {
    GtkWidget* box =
        gtk_message_dialog_new(GTK_WINDOW(window_), GTK_DIALOG_MODAL, type, GTK_BUTTONS_YES_NO, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_NO);
    bool yes = gtk_dialog_run(GTK_DIALOG(box)) == GTK_RESPONSE_YES;
    gtk_widget_destroy(box);
    return yes;
}

void MainWindow::message(GtkMessageType type, const std::string& text, const std::string& caption) {
    GtkWidget* box =
        gtk_message_dialog_new(GTK_WINDOW(window_), GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

// A question sign for discarding, the warning sign where work would be lost for good; No first.
bool MainWindow::ask(Question kind, const std::string& text) {
    GtkMessageType type = kind == Question::discardDocument ? GTK_MESSAGE_QUESTION : GTK_MESSAGE_WARNING;
    return yesNo(type, text, std::string(kApplicationTitle));
}

void MainWindow::tell(Notice kind, const std::string& text, const std::string& caption) {
    message(kind == Notice::information ? GTK_MESSAGE_INFO : GTK_MESSAGE_ERROR, text, caption);
}

void MainWindow::showError(const std::string& text) {
    message(GTK_MESSAGE_ERROR, text, std::string(kApplicationTitle));
}

std::optional<std::string> MainWindow::chooseFileToOpen() {
    auto chosen = chooseFile(GTK_WINDOW(window_), captions_[Caption::OpenDialog], std::string(kDocumentFilter), false,
                             lastFolder_);
    if (chosen) {
        gchar* folder = g_path_get_dirname(chosen->c_str());
        lastFolder_ = folder;
        g_free(folder);
    }
    return chosen;
}

// The save dialog starts at the document's own file, or in the folder used last.
std::optional<std::string> MainWindow::chooseFileToSave() {
    const Document& document = session_.document();
    std::string startAt = document.unnamed() ? lastFolder_ : document.name;
    auto chosen =
        chooseFile(GTK_WINDOW(window_), captions_[Caption::SaveDialog], std::string(kDocumentFilter), true, startAt);
    if (chosen) {
        gchar* folder = g_path_get_dirname(chosen->c_str());
        lastFolder_ = folder;
        g_free(folder);
    }
    return chosen;
}

// A document with a name joins the desktop's recently used files.
void MainWindow::refreshTitle(const std::string& caption) {
    gtk_window_set_title(GTK_WINDOW(window_), caption.c_str());
    const Document& document = session_.document();
    if (document.unnamed() || !g_path_is_absolute(document.name.c_str())) return;
    gchar* uri = g_filename_to_uri(document.name.c_str(), nullptr, nullptr);
    if (uri) gtk_recent_manager_add_item(gtk_recent_manager_get_default(), uri);
    g_free(uri);
}

void MainWindow::quitApplication() { gtk_widget_destroy(window_); }

// The error's line selected and in view, its text in the status bar's second part.
void MainWindow::goToLine(size_t line, const std::string& statusText) {
    editor_.selectLine(line);
    showCaretPosition();
    gtk_label_set_text(GTK_LABEL(errorText_), statusText.c_str());
    gtk_window_present(GTK_WINDOW(window_));
    gtk_widget_grab_focus(editor_.view());
}

// The programs the editor starts afterwards get the setting.
void MainWindow::setEnvironment(const std::string& name, const std::optional<std::string>& value) {
    programs_.setEnvironment(name, value);
}

bool MainWindow::showCompileDialog() {
    return runCompileDialog(GTK_WINDOW(window_), scriptMenu_.compileOptions(), captions_);
}

std::optional<std::string> MainWindow::showCommandDialog() {
    return runCommandDialog(GTK_WINDOW(window_), captions_, scriptMenu_.commandValue());
}

bool MainWindow::showDebugDialog() {
    return runDebugDialog(GTK_WINDOW(window_), scriptMenu_.debuggerSettings(), captions_);
}

std::optional<std::string> MainWindow::askSearchText(const std::string& startText) {
    return runFindDialog(GTK_WINDOW(window_), captions_, startText);
}

// Pages are local files or web addresses; the desktop's default browser shows them.
void MainWindow::openPage(const std::string& address) {
    std::string uri = address;
    if (address.find("://") == std::string::npos && address.rfind("mailto:", 0) != 0 &&
        address.rfind("file:", 0) != 0) {
        gchar* converted = g_filename_to_uri(address.c_str(), nullptr, nullptr);
        if (converted) uri = converted;
        g_free(converted);
    }
    GError* error = nullptr;
    if (!gtk_show_uri_on_window(GTK_WINDOW(window_), uri.c_str(), GDK_CURRENT_TIME, &error)) {
        showError(error ? error->message : uri);
        if (error) g_error_free(error);
    }
}

void MainWindow::showAbout() {
    runAboutDialog(GTK_WINDOW(window_), [this](const std::string& address) { openPage(address); });
}

}  // namespace ide::gtk
