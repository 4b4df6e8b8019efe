// A minimal clipboard manager for the desktop tests, as a desktop session has one and bare Xvfb
// has not. It owns CLIPBOARD_MANAGER; when a program leaving asks it to save the clipboard
// (the SAVE_TARGETS request gtk_clipboard_store sends), it fetches the clipboard's text, takes the
// CLIPBOARD selection over and hands the text to whoever reads it afterwards (xclip).
// Prints "ready" once it is the manager; runs until it is killed or the display goes away.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

struct Atoms {
    Atom manager, clipboard, saveTargets, targets, utf8, text, data;
};

// Answers a SelectionRequest: ok says whether the requested property was written.
void reply(Display* display, const XSelectionRequestEvent& request, Atom property, bool ok) {
    XEvent notify{};
    notify.xselection.type = SelectionNotify;
    notify.xselection.display = display;
    notify.xselection.requestor = request.requestor;
    notify.xselection.selection = request.selection;
    notify.xselection.target = request.target;
    notify.xselection.property = ok ? property : None;
    notify.xselection.time = request.time;
    XSendEvent(display, request.requestor, False, NoEventMask, &notify);
}

class Keeper {
  public:
    Keeper(Display* display, Window window, const Atoms& atoms) : display_(display), window_(window), atoms_(atoms) {}

    void onRequest(const XSelectionRequestEvent& request) {
        // Clients from before ICCCM 2 leave the property out and mean the target's name.
        Atom property = request.property != None ? request.property : request.target;
        if (request.selection == atoms_.manager && request.target == atoms_.saveTargets) {
            if (saving_) {
                reply(display_, request, property, false);
                return;
            }
            // The answer goes out once the owner has handed the text over (onNotify).
            saving_ = true;
            saveRequest_ = request;
            XConvertSelection(display_, atoms_.clipboard, atoms_.utf8, atoms_.data, window_, request.time);
            return;
        }
        if (request.target == atoms_.targets) {
            Atom offered[] = {atoms_.targets, atoms_.utf8, atoms_.text};
            const int count = request.selection == atoms_.clipboard ? 3 : 1;
            XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(offered), count);
            reply(display_, request, property, true);
            return;
        }
        const bool textWanted = request.target == atoms_.utf8 || request.target == atoms_.text;
        if (request.selection == atoms_.clipboard && held_ && textWanted) {
            XChangeProperty(display_, request.requestor, property, atoms_.utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(text_.data()), static_cast<int>(text_.size()));
            reply(display_, request, property, true);
            return;
        }
        reply(display_, request, property, false);
    }

    // The clipboard's owner answered the conversion asked for in onRequest.
    void onNotify(const XSelectionEvent& notify) {
        if (!saving_ || notify.selection != atoms_.clipboard) return;
        saving_ = false;
        bool ok = notify.property != None && readText();
        if (ok) {
            XSetSelectionOwner(display_, atoms_.clipboard, window_, CurrentTime);
            ok = XGetSelectionOwner(display_, atoms_.clipboard) == window_;
            held_ = ok;
        }
        std::fprintf(stderr, "clipboard_keeper: %s %zu bytes\n", ok ? "kept" : "could not keep", text_.size());
        Atom property = saveRequest_.property != None ? saveRequest_.property : saveRequest_.target;
        reply(display_, saveRequest_, property, ok);
    }

    void onClear(const XSelectionClearEvent& clear) {
        if (clear.selection == atoms_.clipboard) held_ = false;
    }

  private:
    bool readText() {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* bytes = nullptr;
        if (XGetWindowProperty(display_, window_, atoms_.data, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format,
                               &count, &after, &bytes) != Success)
            return false;
        // Texts too large for one property come in pieces (INCR); the tests do not need them.
        const bool whole = bytes != nullptr && format == 8 && type == atoms_.utf8;
        if (whole) text_.assign(reinterpret_cast<char*>(bytes), count);
        if (bytes) XFree(bytes);
        return whole;
    }

    Display* display_;
    Window window_;
    Atoms atoms_;
    bool saving_ = false;
    XSelectionRequestEvent saveRequest_{};
    bool held_ = false;
    std::string text_;
};

}  // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "clipboard_keeper: cannot open the display\n");
        return 1;
    }
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    Atoms atoms{XInternAtom(display, "CLIPBOARD_MANAGER", False), XInternAtom(display, "CLIPBOARD", False),
                XInternAtom(display, "SAVE_TARGETS", False),      XInternAtom(display, "TARGETS", False),
                XInternAtom(display, "UTF8_STRING", False),       XInternAtom(display, "TEXT", False),
                XInternAtom(display, "VELMISH_KEPT_TEXT", False)};
    XSetSelectionOwner(display, atoms.manager, window, CurrentTime);
    if (XGetSelectionOwner(display, atoms.manager) != window) {
        std::fprintf(stderr, "clipboard_keeper: another clipboard manager runs\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    Keeper keeper(display, window, atoms);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case SelectionRequest: keeper.onRequest(event.xselectionrequest); break;
            case SelectionNotify: keeper.onNotify(event.xselection); break;
            case SelectionClear: keeper.onClear(event.xselectionclear); break;
            default: break;
        }
        XFlush(display);
    }
}
