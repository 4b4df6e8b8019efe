// The GTK thread, the calls handed to it, the module's entry point and the message boxes.
#include "platform/gtk/gtk_platform.h"

#include <clocale>
#include <condition_variable>
#include <future>
#include <mutex>

#include "platform/desktop_module.h"
#include "platform/gtk/desktop_text.h"
#include "platform/message_box_buttons.h"

namespace platform::gtk {

namespace {

// Message box styles that keep a box above other windows (MB_SYSTEMMODAL, MB_TOPMOST).
constexpr unsigned kSystemModal = 0x1000;
constexpr unsigned kTopmost = 0x40000;
constexpr unsigned kIconMask = 0xF0;

struct BoxIcon {
    GtkMessageType type;
    const char* iconName;  // nullptr: no icon
};

BoxIcon boxIcon(unsigned style) {
    switch (style & kIconMask) {
        case style::kIconError: return {GTK_MESSAGE_ERROR, "dialog-error"};
        case style::kIconQuestion: return {GTK_MESSAGE_QUESTION, "dialog-question"};
        case style::kIconExclamation: return {GTK_MESSAGE_WARNING, "dialog-warning"};
        case style::kIconInformation: return {GTK_MESSAGE_INFO, "dialog-information"};
        default: return {GTK_MESSAGE_OTHER, nullptr};
    }
}

// GTK 3 message dialogs show no icon of their own any more; the Windows boxes do, so the theme's
// icon is put in, through the image property GTK keeps for that.
void showIcon(GtkWidget* box, const char* iconName) {
    if (!iconName) return;
    GtkWidget* image = gtk_image_new_from_icon_name(iconName, GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_valign(image, GTK_ALIGN_START);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(image);
}

// The button names of message boxes with their mnemonics, as Windows marks them.
std::string buttonLabel(std::string_view name) {
    if (name == "OK" || name == "Cancel") return std::string(name);
    if (name == "Try Again") return "_Try Again";
    return "_" + std::string(name);
}

// Text that cannot be changed has the window's background behind it, as GNOME shows text one can
// only read; the theme's own colour, so that dark themes stay readable.
void installStyles() {
    std::string rules = std::string("textview.") + kReadOnlyClass + " text, entry." + kReadOnlyClass +
                        " { background-color: @theme_bg_color; }";
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, rules.c_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

}  // namespace

void markDefault(GtkDialog* dialog, int response) {
    gtk_dialog_set_default_response(dialog, response);
    if (GtkWidget* button = gtk_dialog_get_widget_for_response(dialog, response)) {
        gtk_style_context_add_class(gtk_widget_get_style_context(button), GTK_STYLE_CLASS_SUGGESTED_ACTION);
    }
}

GtkPlatform::GtkPlatform(std::unique_ptr<Platform> system, int program)
    : system_(std::move(system)), program_(program) {}

bool GtkPlatform::start() {
    std::promise<bool> opened;
    std::future<bool> result = opened.get_future();
    thread_ = std::thread([this, &opened] {
        if (!gtk_init_check(nullptr, nullptr)) {
            opened.set_value(false);
            return;
        }
        // GTK takes the user's locale for its texts; numbers stay in the C library's own form,
        // which CALCVAR and the comparisons read and write on every platform ("0.5", never "0,5").
        // The script's thread waits meanwhile, so nothing reads numbers while this changes.
        std::setlocale(LC_NUMERIC, "C");
        installStyles();
        buildInfoBox();
        if (program_ == 0) buildDebugger();
        opened.set_value(true);
        gtk_main();
    });
    started_ = result.get();
    if (!started_) thread_.join();
    return started_;
}

GtkPlatform::~GtkPlatform() {
    if (!started_) return;
    onGtk([this] {
        releaseKeysNow();
        // A clipboard manager takes the text over, so it outlives the program.
        if (clipboardSet_) gtk_clipboard_store(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
        if (infoBox_) gtk_widget_destroy(infoBox_);
        if (debugger_) gtk_widget_destroy(debugger_);
        gdk_display_flush(gdk_display_get_default());
        gtk_main_quit();
    });
    thread_.join();
}

void GtkPlatform::onGtk(const std::function<void()>& work) {
    struct Call {
        GtkPlatform* self;
        const std::function<void()>* work;
        std::mutex mutex;
        std::condition_variable doneChanged;
        bool done = false;
    } call{this, &work, {}, {}, false};
    // An idle source rather than g_main_context_invoke, which runs the work on the calling thread
    // whenever it can take the context.
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(
        source,
        [](gpointer data) -> gboolean {
            auto* call = static_cast<Call*>(data);
            GtkPlatform& self = *call->self;
            self.inCall_ = true;
            std::vector<std::function<void()>> pending;
            pending.swap(self.pending_);
            for (auto& action : pending) action();
            (*call->work)();
            self.inCall_ = false;
            std::lock_guard<std::mutex> lock(call->mutex);
            call->done = true;
            call->doneChanged.notify_one();
            return G_SOURCE_REMOVE;
        },
        &call, nullptr);
    g_source_attach(source, nullptr);
    g_source_unref(source);
    std::unique_lock<std::mutex> lock(call.mutex);
    call.doneChanged.wait(lock, [&] { return call.done; });
}

void GtkPlatform::whenScriptWaits(std::function<void()> action) {
    if (inCall_) {
        action();
    } else {
        pending_.push_back(std::move(action));
    }
}

int GtkPlatform::runDialog(GtkDialog* dialog) {
    runningDialog_ = dialog;
    int response = haltPressed_ ? GTK_RESPONSE_DELETE_EVENT : gtk_dialog_run(dialog);
    runningDialog_ = nullptr;
    return response;
}

// ---- Message boxes ------------------------------------------------------------------------------

int GtkPlatform::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    std::vector<BoxButton> buttons = boxButtons(style);
    // A style without a known button set makes the Windows box fail.
    if (buttons.empty()) return answer::kFailed;
    int answer = answer::kFailed;
    onGtk([&] {
        BoxIcon icon = boxIcon(style);
        GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, icon.type, GTK_BUTTONS_NONE, "%s",
                                                displayText(text).c_str());
        showIcon(box, icon.iconName);
        gtk_window_set_title(GTK_WINDOW(box), displayText(caption).c_str());
        gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
        if (style & (kSystemModal | kTopmost)) gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
        for (const BoxButton& button : desktopOrder(buttons)) {
            gtk_dialog_add_button(GTK_DIALOG(box), buttonLabel(button.name).c_str(), button.answer);
        }
        markDefault(GTK_DIALOG(box), buttons[defaultButtonIndex(style, buttons.size())].answer);
        for (;;) {
            int response = runDialog(GTK_DIALOG(box));
            if (response > 0) {
                answer = response;
                break;
            }
            // The close box answers as Windows does: Cancel where the box has it, OK on a box with
            // only OK; other boxes cannot be closed that way, so they stay up.
            int closing = buttons.size() == 1 ? buttons.front().answer : answer::kFailed;
            for (const BoxButton& button : buttons) {
                if (button.answer == answer::kCancel) closing = answer::kCancel;
            }
            if (closing != answer::kFailed || haltPressed_) {
                answer = closing;
                break;
            }
        }
        gtk_widget_destroy(box);
    });
    return answer;
}

void GtkPlatform::errorBox(const std::string& text, const std::string& caption, unsigned style) {
    messageBox(text, caption, style);
}

}  // namespace platform::gtk

// The module's entry point (see platform/desktop_module.h).
extern "C" __attribute__((visibility("default"))) platform::Platform* velmish_create_desktop(int version,
                                                                                             platform::Platform* system,
                                                                                             int program) {
    if (version != platform::kDesktopModuleVersion) return nullptr;
    auto desktop = std::make_unique<platform::gtk::GtkPlatform>(std::unique_ptr<platform::Platform>(system), program);
    if (!desktop->start()) {
        // The caller keeps the system platform when the desktop cannot be built.
        (void)desktop->releaseSystem();
        return nullptr;
    }
    return desktop.release();
}
