// The GTK thread, the calls handed to it and the module's entry point.
#include "platform/gtk/gtk_desktop.h"

#include <clocale>
#include <condition_variable>
#include <future>
#include <mutex>

#include "platform/desktop_module.h"

namespace platform::gtk {

namespace {

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

GtkDesktop::GtkDesktop(std::unique_ptr<Desktop> console, int program)
    : console_(std::move(console)), program_(program) {}

bool GtkDesktop::start() {
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

GtkDesktop::~GtkDesktop() {
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

void GtkDesktop::onGtk(const std::function<void()>& work) {
    struct Call {
        GtkDesktop* self;
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
            GtkDesktop& self = *call->self;
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

void GtkDesktop::whenScriptWaits(std::function<void()> action) {
    if (inCall_) {
        action();
    } else {
        pending_.push_back(std::move(action));
    }
}

int GtkDesktop::runDialog(GtkDialog* dialog) {
    runningDialog_ = dialog;
    int response = haltPressed_ ? GTK_RESPONSE_DELETE_EVENT : gtk_dialog_run(dialog);
    runningDialog_ = nullptr;
    return response;
}

}  // namespace platform::gtk

// The module's entry point (see platform/desktop_module.h).
extern "C" __attribute__((visibility("default"))) platform::Desktop* velmish_create_desktop(int version,
                                                                                            platform::Desktop* console,
                                                                                            int program) {
    if (version != platform::kDesktopModuleVersion) return nullptr;
    auto desktop = std::make_unique<platform::gtk::GtkDesktop>(std::unique_ptr<platform::Desktop>(console), program);
    if (!desktop->start()) {
        // The caller keeps the terminal front end when the desktop cannot be built.
        (void)desktop->releaseConsole();
        return nullptr;
    }
    return desktop.release();
}
