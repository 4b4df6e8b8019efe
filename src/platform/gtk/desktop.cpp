// Keys for other windows through XTest, the desktop clipboard and opening documents with the
// desktop's default application. Keys need an X11 display: a Wayland session offers programs no
// way to type into other windows, so SENDKEYS reports that instead of pretending.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/gtk/desktop_text.h"
#include "platform/gtk/gtk_desktop.h"
#include "platform/gtk/key_map.h"

namespace platform::gtk {

namespace {

// ShellExecuteA's outcomes: above 32 success, 2 file not found, 31 no associated program.
constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

// Window managers put a frame around each top-level window; the named window is its child.
constexpr int kSearchDepth = 3;

// The Xlib display when GDK runs on X11 and the server offers XTest; nullptr otherwise.
Display* xtestDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display)) return nullptr;
    Display* xdisplay = gdk_x11_display_get_xdisplay(display);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(xdisplay, &event, &error, &major, &minor) ? xdisplay : nullptr;
}

// A window's title as UTF-8: _NET_WM_NAME, else WM_NAME.
std::string windowTitle(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (Atom property : {XInternAtom(display, "_NET_WM_NAME", False), static_cast<Atom>(XA_WM_NAME)}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                               &after, &data) != Success ||
            !data) {
            continue;
        }
        std::string title(reinterpret_cast<const char*>(data), count);
        XFree(data);
        if (format == 8) return type == utf8 ? title : displayText(title);
    }
    return {};
}

bool sameTitle(const std::string& a, const std::string& b) {
    // FindWindowA compares titles without regard to case.
    gchar* foldedA = g_utf8_casefold(a.c_str(), static_cast<gssize>(a.size()));
    gchar* foldedB = g_utf8_casefold(b.c_str(), static_cast<gssize>(b.size()));
    bool same = std::strcmp(foldedA, foldedB) == 0;
    g_free(foldedA);
    g_free(foldedB);
    return same;
}

// The first viewable window below parent with this title; None when there is none.
Window findWindow(Display* display, Window parent, const std::string& title, int depth) {
    Window root = None;
    Window parentOfParent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count)) return None;
    Window found = None;
    // The topmost window comes last.
    for (unsigned i = count; i-- > 0 && found == None;) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
        if (sameTitle(windowTitle(display, children[i]), title)) {
            found = children[i];
        } else if (depth > 1) {
            found = findWindow(display, children[i], title, depth - 1);
        }
    }
    if (children) XFree(children);
    return found;
}

// Asks the window manager to activate the window (when there is one), then raises and focuses it
// directly, which is all there is without one.
void activate(Display* display, Window window) {
    Window root = DefaultRootWindow(display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // a request from a pager or tool, which managers honour
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(display, window);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
}

// The keysym that types a script character (a Windows-1252 byte).
KeySym keysymForCharacter(char character) {
    std::string text = displayText(std::string(1, character));
    gunichar code = g_utf8_get_char(text.c_str());
    if ((code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF)) return code;
    return gdk_unicode_to_keyval(code);
}

}  // namespace

bool GtkDesktop::activateWindow(const std::string& title) {
    bool found = false;
    onGtk([&] {
        Display* display = xtestDisplay();
        if (!display) return;
        GdkDisplay* gdkDisplay = gdk_display_get_default();
        gdk_x11_display_error_trap_push(gdkDisplay);
        Window window = findWindow(display, DefaultRootWindow(display), displayText(title), kSearchDepth);
        if (window != None) {
            activate(display, window);
            found = true;
        }
        gdk_x11_display_error_trap_pop_ignored(gdkDisplay);
    });
    return found;
}

bool GtkDesktop::fakeKey(unsigned keycode, bool down) {
    Display* display = xtestDisplay();
    if (!display || keycode == 0) return false;
    XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime);
    XSync(display, False);
    if (down) {
        keysDown_.insert(keycode);
    } else {
        keysDown_.erase(keycode);
    }
    return true;
}

void GtkDesktop::keyEvent(int virtualKey, bool up) {
    onGtk([&] {
        Display* display = xtestDisplay();
        KeySym keysym = keysymForVirtualKey(virtualKey);
        if (!display || keysym == 0) return;
        fakeKey(XKeysymToKeycode(display, keysym), !up);
    });
}

int GtkDesktop::keyForCharacter(char character) {
    int key = -1;
    onGtk([&] {
        Display* display = xtestDisplay();
        KeySym keysym = keysymForCharacter(character);
        if (!display || keysym == 0) return;
        int first = 0;
        int last = 0;
        XDisplayKeycodes(display, &first, &last);
        // The first key that types the character alone (level 0) or with Shift (level 1) and has a
        // virtual-key code that leads back to it; XKeysymToKeycode alone may name a key without
        // one (Xvfb's extra parenthesis keys). Other levels (AltGr) have no Windows shift state
        // that XTest could press.
        for (int level = 0; level < 2 && key < 0; ++level) {
            for (int keycode = first; keycode <= last && key < 0; ++keycode) {
                auto code = static_cast<KeyCode>(keycode);
                if (XkbKeycodeToKeysym(display, code, 0, level) != keysym) continue;
                int virtualKey = virtualKeyForKeysym(XkbKeycodeToKeysym(display, code, 0, 0));
                if (virtualKey != 0 && XKeysymToKeycode(display, keysymForVirtualKey(virtualKey)) == code) {
                    key = virtualKey | (level << 8);
                }
            }
        }
    });
    return key;
}

void GtkDesktop::releaseKeysNow() {
    std::set<unsigned> down = keysDown_;
    for (unsigned keycode : down) fakeKey(keycode, false);
    keysDown_.clear();
}

void GtkDesktop::releaseKeys() {
    onGtk([this] { releaseKeysNow(); });
}

// ---- The clipboard ------------------------------------------------------------------------------

// The desktop clipboard belongs to a seat (a keyboard and pointer); a Wayland session can have none,
// and GTK's clipboard then fails outright. The text then stays within the program, as in the
// terminal.
namespace {
bool desktopClipboardExists() { return gdk_display_get_default_seat(gdk_display_get_default()) != nullptr; }
}  // namespace

std::string GtkDesktop::clipboardText() {
    std::string text;
    bool desktop = true;
    onGtk([&] {
        desktop = desktopClipboardExists();
        if (!desktop) return;
        if (gchar* held = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD))) {
            text = held;
            g_free(held);
        }
    });
    return desktop ? text : console_->clipboardText();
}

void GtkDesktop::setClipboardText(const std::string& text) {
    bool desktop = true;
    onGtk([&] {
        desktop = desktopClipboardExists();
        if (!desktop) return;
        GtkClipboard* clipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
        gtk_clipboard_set_text(clipboard, displayText(text).c_str(), -1);
        // Every target may be stored, so a clipboard manager keeps the text after the program.
        gtk_clipboard_set_can_store(clipboard, nullptr, 0);
        clipboardSet_ = true;
    });
    if (!desktop) console_->setClipboardText(text);
}

// ---- Documents and addresses ------------------------------------------------------------------

int GtkDesktop::openDocument(const std::string& target) {
    int result = kNoAssociation;
    onGtk([&] {
        // "scheme:..." is an address; a one-letter scheme would be a drive letter, so it is none.
        gchar* scheme = g_uri_parse_scheme(target.c_str());
        bool address = scheme && std::strlen(scheme) >= 2;
        g_free(scheme);
        std::string uri = target;
        if (!address) {
            struct stat info;
            if (::stat(target.c_str(), &info) != 0) {
                result = kFileNotFound;
                return;
            }
            GFile* file = g_file_new_for_commandline_arg(target.c_str());
            gchar* fileUri = g_file_get_uri(file);
            uri = fileUri;
            g_free(fileUri);
            g_object_unref(file);
        }
        GdkAppLaunchContext* context = gdk_display_get_app_launch_context(gdk_display_get_default());
        GError* error = nullptr;
        if (g_app_info_launch_default_for_uri(uri.c_str(), G_APP_LAUNCH_CONTEXT(context), &error)) {
            result = kOpened;
        } else {
            g_clear_error(&error);
        }
        g_object_unref(context);
    });
    return result;
}

}  // namespace platform::gtk
