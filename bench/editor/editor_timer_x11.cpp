// Times the Linux editor from the outside, on an X display:
//   editor_timer_x11 open VELIDE SCRIPT       start velide on a script and time until its main window
//                                             has stopped changing (loaded, coloured, laid out, drawn)
//   editor_timer_x11 type VELIDE SCRIPT KEYS  then type KEYS letters at the end of the first line,
//                                             timing each key from its press to the last repaint it
//                                             caused
// Prints one line per measurement: "open MS FIRST" (FIRST: the first drawing) and "key N MS HANDLED"
// (HANDLED: when the editor answered a ping sent right after the key, so had taken the key events).
//
// A window's drawing is seen through the DAMAGE extension; the editor counts as idle when nothing
// has been drawn for a quiet time, and the time reported is that of the last drawing. Keys are sent
// with XTEST, as a keyboard would send them. The editor is ended with SIGTERM, so nothing is saved.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kWaitLimitMs = 60000;
constexpr double kOpenQuietMs = 500;  // the text view lays out long texts in idle steps
constexpr double kKeyQuietMs = 200;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Session {
    Display* display = nullptr;
    Window root = 0;
    Window editor = 0;
    int damageEvent = 0;
    Atom protocols = 0, ping = 0, netName = 0, utf8 = 0;
    long pingSerial = 0;
    Clock::time_point lastDrawing{};
    bool drawn = false;
    Clock::time_point firstDrawing{};
    long pongSerial = -1;
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "editor_timer_x11: %s\n", what);
    std::exit(2);
}

std::string windowName(Session& s, Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(s.display, window, s.netName, 0, 1024, False, s.utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) XFree(data);
    return name;
}

// Handles the events that have arrived: drawings of the editor's window and answers to pings.
void takeEvents(Session& s) {
    while (XPending(s.display)) {
        XEvent event;
        XNextEvent(s.display, &event);
        if (event.type == s.damageEvent + XDamageNotify) {
            s.lastDrawing = Clock::now();
            if (!s.drawn) s.firstDrawing = s.lastDrawing;
            s.drawn = true;
        } else if (event.type == ClientMessage && event.xclient.message_type == s.protocols &&
                   static_cast<Atom>(event.xclient.data.l[0]) == s.ping) {
            s.pongSerial = event.xclient.data.l[1];
        } else if (event.type == MapNotify && !s.editor) {
            Window window = event.xmap.window;
            if (windowName(s, window).rfind("Velmish 4 - ", 0) == 0) s.editor = window;
        }
    }
}

// Waits for events up to the given milliseconds.
void waitForEvents(Session& s, double ms) {
    pollfd connection{ConnectionNumber(s.display), POLLIN, 0};
    if (!XPending(s.display)) poll(&connection, 1, static_cast<int>(ms < 1 ? 1 : ms));
    takeEvents(s);
}

// Waits until nothing has been drawn for the quiet time; returns the time of the last drawing.
Clock::time_point waitUntilQuiet(Session& s, Clock::time_point since, double quietMs) {
    s.lastDrawing = since;
    while (msBetween(s.lastDrawing, Clock::now()) < quietMs) {
        if (msBetween(since, Clock::now()) > kWaitLimitMs) fail("the editor never stopped drawing");
        waitForEvents(s, quietMs - msBetween(s.lastDrawing, Clock::now()));
    }
    return s.lastDrawing;
}

// A _NET_WM_PING: GDK answers it on the root window as soon as its event loop reads it.
Clock::time_point pingAndWait(Session& s) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = s.editor;
    event.xclient.message_type = s.protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(s.ping);
    event.xclient.data.l[1] = ++s.pingSerial;
    event.xclient.data.l[2] = static_cast<long>(s.editor);
    XSendEvent(s.display, s.editor, False, NoEventMask, &event);
    XFlush(s.display);
    Clock::time_point sent = Clock::now();
    while (s.pongSerial != s.pingSerial) {
        if (msBetween(sent, Clock::now()) > kWaitLimitMs) fail("the editor did not answer a ping");
        waitForEvents(s, 50);
    }
    return Clock::now();
}

void pressKey(Session& s, KeySym symbol) {
    KeyCode code = XKeysymToKeycode(s.display, symbol);
    XTestFakeKeyEvent(s.display, code, True, CurrentTime);
    XTestFakeKeyEvent(s.display, code, False, CurrentTime);
    XFlush(s.display);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (std::strcmp(argv[1], "type") == 0 && argc < 5)) {
        std::fprintf(stderr, "usage: editor_timer_x11 open|type VELIDE SCRIPT [KEYS]\n");
        return 2;
    }
    bool typing = std::strcmp(argv[1], "type") == 0;
    Session s;
    s.display = XOpenDisplay(nullptr);
    if (!s.display) fail("no X display");
    int damageError = 0, major = 0, minor = 0, xtestEvent = 0, xtestError = 0;
    if (!XDamageQueryExtension(s.display, &s.damageEvent, &damageError)) fail("the display has no DAMAGE");
    if (!XTestQueryExtension(s.display, &xtestEvent, &xtestError, &major, &minor)) fail("the display has no XTEST");
    s.root = DefaultRootWindow(s.display);
    s.protocols = XInternAtom(s.display, "WM_PROTOCOLS", False);
    s.ping = XInternAtom(s.display, "_NET_WM_PING", False);
    s.netName = XInternAtom(s.display, "_NET_WM_NAME", False);
    s.utf8 = XInternAtom(s.display, "UTF8_STRING", False);
    // New top-level windows, and the answers to pings, which GDK sends to the root window.
    XSelectInput(s.display, s.root, SubstructureNotifyMask);
    XSync(s.display, False);

    Clock::time_point start = Clock::now();
    pid_t editor = fork();
    if (editor == 0) {
        execl(argv[2], argv[2], argv[3], static_cast<char*>(nullptr));
        _exit(127);
    }
    if (editor < 0) fail("cannot start the editor");
    while (!s.editor) {
        if (msBetween(start, Clock::now()) > kWaitLimitMs) fail("no main window appeared");
        waitForEvents(s, 50);
    }
    // Drawings are reported from the moment the window is shown; the first frame comes after.
    XDamageCreate(s.display, s.editor, XDamageReportRawRectangles);
    XSync(s.display, False);
    takeEvents(s);
    Clock::time_point opened = waitUntilQuiet(s, Clock::now(), kOpenQuietMs);
    if (!s.drawn) fail("the main window was never drawn");
    std::printf("open %.1f %.1f\n", msBetween(start, opened), msBetween(start, s.firstDrawing));
    std::fflush(stdout);

    if (typing) {
        // The keys go to the focused window; the caret goes to the end of the first line.
        XSetInputFocus(s.display, s.editor, RevertToParent, CurrentTime);
        pressKey(s, XK_End);
        waitUntilQuiet(s, Clock::now(), kKeyQuietMs);
        int keys = std::atoi(argv[4]);
        for (int key = 0; key < keys; ++key) {
            Clock::time_point pressed = Clock::now();
            pressKey(s, XK_a + key % 26);
            Clock::time_point handled = pingAndWait(s);
            Clock::time_point drawn = waitUntilQuiet(s, handled, kKeyQuietMs);
            std::printf("key %d %.2f %.2f\n", key + 1, msBetween(pressed, drawn), msBetween(pressed, handled));
            std::fflush(stdout);
        }
    }

    kill(editor, SIGTERM);
    waitpid(editor, nullptr, 0);
    XCloseDisplay(s.display);
    return 0;
}
