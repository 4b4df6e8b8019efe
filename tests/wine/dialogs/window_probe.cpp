// window_probe: prints what the interpreter's own windows are made of, for the Wine tests.
//
// Usage: window_probe CLASS
//        window_probe --end-session CLASS
//
// With --end-session it asks the first window of CLASS whether the session may end
// (WM_QUERYENDSESSION, as Windows does at log-off) and prints "end-session=<answer>", 1 for yes; it
// waits for the answer as long as the window takes (a question box may come first).
//
// First prints the screen sizes the windows are placed by:
//   metrics cxscreen=<n> cyscreen=<n> cxfullscreen=<n> cyfullscreen=<n> themed=<0|1>
// (themed: UxTheme's IsThemeActive returns 1, so the dialog windows are lowered by the theme offset)
// then lists every top-level window of the window class CLASS (any process), one block each:
//   window title=<text> visible=<0|1> style=<hex> exstyle=<hex> rect=<x>,<y>,<w>,<h> client=<w>,<h> z=<n>
//   child class=<class> id=<n> style=<hex> exstyle=<hex> rect=<x>,<y>,<w>,<h> enabled=<0|1> text=<text>
//   item=<list box entry>          (after a list box child, one line per entry)
//   selected=<index of the selected entry, -1 for none>
// Window rectangles are in screen coordinates, child rectangles in the parent's client coordinates.
// Windows are listed in the system's order (EnumWindows, top of the Z-order first), children in
// creation order. z is a visible window's place among all visible top-level windows of any class,
// from 0 at the top (-1 for a hidden one), so two probes of different classes can be compared.
// Texts are read with WM_GETTEXT and LB_GETTEXT, which work across processes; line breaks are
// written as \n, carriage returns as \r. Exit code 0 when at least one window was found, 2 when none.
//
// X tools see only captions and outer geometry; the controls, their styles, ids and texts are
// visible only from inside Wine. Fonts are not: Wine answers WM_GETFONT from another process with
// no font, so the screenshots are where the dialog font shows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../window_text.h"

namespace {

using wine_probe::className;
using wine_probe::escaped;

std::string messageText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(std::min<size_t>(copied, length));
    return text;
}

// Wine hands LB_GETTEXT to another process with room for the text only when the list box has
// LBS_HASSTRINGS in its style; plain list boxes (which hold strings all the same) get four bytes, and
// longer texts overrun them. So the bit is set while the entries are read, and then taken away
// again; the list box itself keeps the style it was created with and does not look at it again.
void printListItems(HWND list) {
    LONG style = GetWindowLongA(list, GWL_STYLE);
    if (!(style & LBS_HASSTRINGS)) SetWindowLongA(list, GWL_STYLE, style | LBS_HASSTRINGS);
    auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        auto length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        // Wide characters, with room to spare: the message is converted on its way between processes.
        std::wstring wide(std::max<size_t>(length < 0 ? 0 : static_cast<size_t>(length), 4096) + 1, L'\0');
        auto copied = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(copied < 0 ? 0 : std::min(static_cast<size_t>(copied), wide.size() - 1));
        std::string item(wide.size() * 2 + 1, '\0');
        int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), item.data(),
                                        static_cast<int>(item.size()), nullptr, nullptr);
        item.resize(bytes < 0 ? 0 : static_cast<size_t>(bytes));
        std::printf("item=%s\n", escaped(item).c_str());
    }
    if (!(style & LBS_HASSTRINGS)) SetWindowLongA(list, GWL_STYLE, style);
    std::printf("selected=%d\n", static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
}

void printChild(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    std::string kind = className(child);
    std::printf("child class=%s id=%d style=0x%08lx exstyle=0x%08lx rect=%ld,%ld,%ld,%ld enabled=%d text=%s\n",
                kind.c_str(), GetDlgCtrlID(child), static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(child, GWL_EXSTYLE)), rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, IsWindowEnabled(child) ? 1 : 0,
                escaped(messageText(child)).c_str());
    if (lstrcmpiA(kind.c_str(), "ListBox") == 0) printListItems(child);
}

BOOL CALLBACK collectVisible(HWND window, LPARAM param) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

int zPlace(HWND window) {
    std::vector<HWND> visible;
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&visible));
    auto place = std::find(visible.begin(), visible.end(), window);
    return place == visible.end() ? -1 : static_cast<int>(place - visible.begin());
}

void printWindow(HWND window) {
    RECT rect{};
    RECT client{};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    std::printf("window title=%s visible=%d style=0x%08lx exstyle=0x%08lx rect=%ld,%ld,%ld,%ld client=%ld,%ld z=%d\n",
                escaped(messageText(window)).c_str(), IsWindowVisible(window) ? 1 : 0,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)), rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, client.right, client.bottom, zPlace(window));
    // GW_CHILD gives the top of the children's Z-order; new children go to the bottom, so walking
    // down the Z-order gives them in creation order.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        printChild(window, child);
    }
}

bool themed() {
    HMODULE uxTheme = LoadLibraryA("UxTheme.dll");
    if (!uxTheme) return false;
    using IsThemeActiveFunction = BOOL(WINAPI*)();
    auto isThemeActive =
        reinterpret_cast<IsThemeActiveFunction>(reinterpret_cast<void*>(GetProcAddress(uxTheme, "IsThemeActive")));
    return isThemeActive && isThemeActive() == 1;
}

struct Search {
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (className(window) == search->className) search->found.push_back(window);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--end-session") {
        Search search{argv[2], {}};
        EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
        if (search.found.empty()) return 2;
        LRESULT answer = SendMessageA(search.found.front(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        std::printf("end-session=%d\n", answer ? 1 : 0);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_probe CLASS | --end-session CLASS\n");
        return 1;
    }
    std::printf("metrics cxscreen=%d cyscreen=%d cxfullscreen=%d cyfullscreen=%d themed=%d\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CXFULLSCREEN),
                GetSystemMetrics(SM_CYFULLSCREEN), themed() ? 1 : 0);
    Search search{argv[1], {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) printWindow(window);
    return search.found.empty() ? 2 : 0;
}
