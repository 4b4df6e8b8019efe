// The Linux editor's dialogs, drawn with GTK from the core's captions and state.
#include "ide/gtk/dialogs.h"

#include <vector>

#include "core/toolkit_texts.h"
#include "ide/about_texts.h"
#include "ide/fixed_texts.h"

namespace ide::gtk {

namespace {

using interp::mnemonicCaption;

GtkWidget* newDialog(GtkWindow* parent, const std::string& title) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), title.c_str());
    gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER_ON_PARENT);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    gtk_container_set_border_width(GTK_CONTAINER(content), 12);
    gtk_box_set_spacing(GTK_BOX(content), 6);
    return dialog;
}

GtkWidget* content(GtkWidget* dialog) { return gtk_dialog_get_content_area(GTK_DIALOG(dialog)); }

GtkWidget* addCheck(GtkWidget* box, const std::string& caption) {
    GtkWidget* check = gtk_check_button_new_with_mnemonic(mnemonicCaption(caption).c_str());
    gtk_box_pack_start(GTK_BOX(box), check, FALSE, FALSE, 0);
    return check;
}

// Sets a toggle without running its handler: the dialogs show the core's state after each click.
void showActive(GtkWidget* toggle, bool active) {
    g_signal_handlers_block_matched(toggle, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                    g_object_get_data(G_OBJECT(toggle), "velide-state"));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle), active);
    g_signal_handlers_unblock_matched(toggle, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                      g_object_get_data(G_OBJECT(toggle), "velide-state"));
}

// Calls the function on every click of the toggle, with its new state.
template <typename State>
void onToggled(GtkWidget* toggle, State* state, void (*handler)(GtkToggleButton*, State*)) {
    g_object_set_data(G_OBJECT(toggle), "velide-state", state);
    g_signal_connect(toggle, "toggled", G_CALLBACK(handler), state);
}

// A single-line entry whose Enter presses the dialog's default button.
GtkWidget* newEntry(const std::string& text) {
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(entry), text.c_str());
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    return entry;
}

struct CompileState {
    CompileOptions* options;
    GtkWindow* dialog;
    const Captions* captions;
    GtkWidget *line, *autoLink, *runAfterHalt, *linkIcon;

    void show() {
        showActive(autoLink, options->autoLink());
        showActive(runAfterHalt, options->runAfterHalt());
        showActive(linkIcon, options->linkIcon());
        gtk_entry_set_text(GTK_ENTRY(line), options->line().c_str());
    }
};

}  // namespace

std::optional<std::string> chooseFile(GtkWindow* parent, const std::string& title, const std::string& filter,
                                      bool forSaving, const std::string& startAt) {
    GtkFileChooserAction action = forSaving ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN;
    GtkWidget* dialog = gtk_file_chooser_dialog_new(title.c_str(), parent, action, "_Cancel", GTK_RESPONSE_CANCEL,
                                                    forSaving ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    // The editor asks before replacing a file, once the script extension is added.
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
    for (const interp::FileFilter& entry : interp::fileFilters(filter)) {
        GtkFileFilter* gtkFilter = gtk_file_filter_new();
        gtk_file_filter_set_name(gtkFilter, entry.name.c_str());
        for (const std::string& pattern : entry.patterns) {
            gtk_file_filter_add_pattern(gtkFilter, pattern == "*.*" ? "*" : pattern.c_str());
        }
        gtk_file_chooser_add_filter(chooser, gtkFilter);
    }
    if (g_file_test(startAt.c_str(), G_FILE_TEST_IS_DIR)) {
        gtk_file_chooser_set_current_folder(chooser, startAt.c_str());
    } else if (!startAt.empty()) {
        gtk_file_chooser_set_filename(chooser, startAt.c_str());
        if (forSaving) {
            gchar* name = g_path_get_basename(startAt.c_str());
            gtk_file_chooser_set_current_name(chooser, name);
            g_free(name);
        }
    }
    std::optional<std::string> chosen;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* file = gtk_file_chooser_get_filename(chooser);
        if (file) chosen = file;
        g_free(file);
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

bool runCompileDialog(GtkWindow* parent, CompileOptions& options, const Captions& captions) {
    GtkWidget* dialog = newDialog(parent, captions[Caption::TChooseIcon]);
    CompileState state{&options, GTK_WINDOW(dialog), &captions, gtk_entry_new(), nullptr, nullptr, nullptr};
    // COptions: the options velcomp is given, read-only and bold.
    gtk_editable_set_editable(GTK_EDITABLE(state.line), FALSE);
    gtk_widget_set_can_focus(state.line, FALSE);
    gtk_widget_set_size_request(state.line, 240, -1);
    PangoAttrList* bold = pango_attr_list_new();
    pango_attr_list_insert(bold, pango_attr_weight_new(PANGO_WEIGHT_BOLD));
    gtk_entry_set_attributes(GTK_ENTRY(state.line), bold);
    pango_attr_list_unref(bold);
    gtk_box_pack_start(GTK_BOX(content(dialog)), state.line, FALSE, FALSE, 0);
    state.autoLink = addCheck(content(dialog), captions[Caption::TChooseIcon_CheckBox1]);
    state.runAfterHalt = addCheck(content(dialog), captions[Caption::TChooseIcon_CheckBox2]);
    state.linkIcon = addCheck(content(dialog), captions[Caption::TChooseIcon_CheckBox3]);
    state.show();
    onToggled<CompileState>(state.autoLink, &state, [](GtkToggleButton* box, CompileState* s) {
        s->options->setAutoLink(gtk_toggle_button_get_active(box));
        s->show();
    });
    onToggled<CompileState>(state.runAfterHalt, &state, [](GtkToggleButton* box, CompileState* s) {
        s->options->setRunAfterHalt(gtk_toggle_button_get_active(box));
        s->show();
    });
    // Ticking asks for the icon, starting at the one chosen last; cancelling clears the box again.
    onToggled<CompileState>(state.linkIcon, &state, [](GtkToggleButton* box, CompileState* s) {
        s->options->setLinkIcon(gtk_toggle_button_get_active(box), [s](const std::string& last) {
            return chooseFile(s->dialog, (*s->captions)[Caption::TChooseIcon_OpenIcon], std::string(kIconFilter), false,
                              last);
        });
        s->show();
    });
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TChooseIcon_Compile]).c_str(),
                          GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    bool compile = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    gtk_widget_destroy(dialog);
    return compile;
}

std::optional<std::string> runCommandDialog(GtkWindow* parent, const Captions& captions, const std::string& value) {
    GtkWidget* dialog = newDialog(parent, captions[Caption::TCommandVar]);
    GtkWidget* entry = newEntry(value);
    gtk_widget_set_size_request(entry, 320, -1);
    gtk_box_pack_start(GTK_BOX(content(dialog)), entry, FALSE, FALSE, 0);
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TCommandVar_OkButton]).c_str(),
                          GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    std::optional<std::string> answer;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) answer = gtk_entry_get_text(GTK_ENTRY(entry));
    gtk_widget_destroy(dialog);
    return answer;
}

namespace {

struct DebugState {
    DebuggerSettings* settings;
    GtkWidget *debugScript, *step, *trace, *none, *automatic, *manual, *variables;
    std::vector<GtkWidget*> options;  // the two frames and the five options

    void show() {
        showActive(debugScript, settings->debugScript());
        showActive(step, settings->mode() == DebugMode::step);
        showActive(trace, settings->mode() == DebugMode::trace);
        showActive(none, settings->watch() == VariableWatch::none);
        showActive(automatic, settings->watch() == VariableWatch::automatic);
        showActive(manual, settings->watch() == VariableWatch::manual);
        for (GtkWidget* option : options) gtk_widget_set_sensitive(option, settings->optionsEnabled());
        gtk_widget_set_sensitive(variables, settings->watchedVariablesEnabled());
    }
};

GtkWidget* addFrame(GtkWidget* box, const std::string& caption, GtkWidget*& inner) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    GtkWidget* label = gtk_label_new_with_mnemonic(mnemonicCaption(caption).c_str());
    gtk_frame_set_label_widget(GTK_FRAME(frame), label);
    inner = gtk_box_new(GTK_ORIENTATION_VERTICAL, 2);
    gtk_container_set_border_width(GTK_CONTAINER(inner), 6);
    gtk_container_add(GTK_CONTAINER(frame), inner);
    gtk_box_pack_start(GTK_BOX(box), frame, FALSE, FALSE, 0);
    return frame;
}

GtkWidget* addRadio(GtkWidget* box, GtkWidget* groupOf, const std::string& caption) {
    GtkWidget* radio = groupOf ? gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(groupOf),
                                                                                mnemonicCaption(caption).c_str())
                               : gtk_radio_button_new_with_mnemonic(nullptr, mnemonicCaption(caption).c_str());
    gtk_box_pack_start(GTK_BOX(box), radio, FALSE, FALSE, 0);
    return radio;
}

// A radio button reports its click when it becomes active; the one it replaces is ignored.
void onChosen(GtkWidget* radio, DebugState* state, void (*choose)(DebugState*)) {
    g_object_set_data(G_OBJECT(radio), "velide-state", state);
    g_object_set_data(G_OBJECT(radio), "velide-choose", reinterpret_cast<gpointer>(choose));
    g_signal_connect(
        radio, "toggled", G_CALLBACK(+[](GtkToggleButton* button, DebugState* s) {
            if (!gtk_toggle_button_get_active(button)) return;
            auto chosen = reinterpret_cast<void (*)(DebugState*)>(g_object_get_data(G_OBJECT(button), "velide-choose"));
            chosen(s);
            s->show();
        }),
        state);
}

}  // namespace

bool runDebugDialog(GtkWindow* parent, DebuggerSettings& settings, const Captions& captions) {
    GtkWidget* dialog = newDialog(parent, captions[Caption::TDebug]);
    GtkWidget* box = content(dialog);
    DebugState state{&settings, addCheck(box, captions[Caption::TDebug_CheckBox1]),
                     nullptr,   nullptr,
                     nullptr,   nullptr,
                     nullptr,   nullptr,
                     {}};
    GtkWidget *modes = nullptr, *watches = nullptr;
    state.options.push_back(addFrame(box, captions[Caption::TDebug_GroupBox1], modes));
    state.step = addRadio(modes, nullptr, captions[Caption::TDebug_RadioButton1]);
    state.trace = addRadio(modes, state.step, captions[Caption::TDebug_RadioButton2]);
    state.options.push_back(addFrame(box, captions[Caption::TDebug_GroupBox2], watches));
    state.none = addRadio(watches, nullptr, captions[Caption::TDebug_RadioButton5]);
    state.automatic = addRadio(watches, state.none, captions[Caption::TDebug_RadioButton3]);
    state.manual = addRadio(watches, state.none, captions[Caption::TDebug_RadioButton4]);
    state.variables = newEntry(settings.watchedVariables());
    gtk_box_pack_start(GTK_BOX(watches), state.variables, FALSE, FALSE, 0);
    state.options.insert(state.options.end(), {state.step, state.trace, state.none, state.automatic, state.manual});
    onToggled<DebugState>(state.debugScript, &state, [](GtkToggleButton* box, DebugState* s) {
        s->settings->setDebugScript(gtk_toggle_button_get_active(box));
        s->show();
    });
    onChosen(state.step, &state, [](DebugState* s) { s->settings->setMode(DebugMode::step); });
    onChosen(state.trace, &state, [](DebugState* s) { s->settings->setMode(DebugMode::trace); });
    onChosen(state.none, &state, [](DebugState* s) { s->settings->setWatch(VariableWatch::none); });
    onChosen(state.automatic, &state, [](DebugState* s) { s->settings->setWatch(VariableWatch::automatic); });
    onChosen(state.manual, &state, [](DebugState* s) {
        s->settings->setWatch(VariableWatch::manual);
        gtk_widget_grab_focus(s->variables);
    });
    state.show();
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TDebug_Button2]).c_str(),
                          GTK_RESPONSE_CANCEL);
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TDebug_Button1]).c_str(),
                          GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    bool ok = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (ok) settings.setWatchedVariables(gtk_entry_get_text(GTK_ENTRY(state.variables)));
    gtk_widget_destroy(dialog);
    return ok;
}

std::optional<std::string> runFindDialog(GtkWindow* parent, const Captions& captions, const std::string& startText) {
    GtkWidget* dialog = newDialog(parent, captions[Caption::TFind]);
    GtkWidget* entry = newEntry(startText);
    gtk_widget_set_size_request(entry, 260, -1);
    gtk_box_pack_start(GTK_BOX(content(dialog)), entry, FALSE, FALSE, 0);
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TFind_Button2]).c_str(),
                          GTK_RESPONSE_CANCEL);
    gtk_dialog_add_button(GTK_DIALOG(dialog), mnemonicCaption(captions[Caption::TFind_Button1]).c_str(),
                          GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
    std::optional<std::string> answer;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) answer = gtk_entry_get_text(GTK_ENTRY(entry));
    gtk_widget_destroy(dialog);
    return answer;
}

void runAboutDialog(GtkWindow* parent, const std::function<void(const std::string&)>& openPage) {
    GtkWidget* dialog = newDialog(parent, std::string(kAboutCaption));
    // The installed application icon, else the theme's icon for scripts.
    bool installed = gtk_icon_theme_has_icon(gtk_icon_theme_get_default(), "velmish");
    GtkWidget* picture = gtk_image_new_from_icon_name(installed ? "velmish" : "text-x-script", GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_tooltip_text(picture, std::string(kAboutPictureHint).c_str());
    gtk_box_pack_start(GTK_BOX(content(dialog)), picture, FALSE, FALSE, 6);
    for (const AboutLine& line : aboutLines()) {
        gchar* text = g_markup_escape_text(line.text.c_str(), -1);
        std::string markup = line.bold ? std::string("<b>") + text + "</b>" : text;
        if (!line.link.empty()) {
            gchar* address = g_markup_escape_text(std::string(line.link).c_str(), -1);
            markup = std::string("<a href=\"") + address + "\">" + markup + "</a>";
            g_free(address);
        }
        g_free(text);
        GtkWidget* label = gtk_label_new(nullptr);
        gtk_label_set_markup(GTK_LABEL(label), markup.c_str());
        g_signal_connect(label, "activate-link", G_CALLBACK(+[](GtkLabel*, gchar* uri, gpointer open) {
                             (*static_cast<const std::function<void(const std::string&)>*>(open))(uri);
                             return TRUE;
                         }),
                         const_cast<std::function<void(const std::string&)>*>(&openPage));
        gtk_box_pack_start(GTK_BOX(content(dialog)), label, FALSE, FALSE, 0);
    }
    gtk_dialog_add_button(GTK_DIALOG(dialog), "_Close", GTK_RESPONSE_CLOSE);
    gtk_widget_show_all(dialog);
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

}  // namespace ide::gtk
