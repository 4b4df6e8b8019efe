// box_reader: prints what a visible message box shows, for the Wine tests.
//
// Usage: box_reader CAPTION
//
// Finds a visible top-level dialog window whose caption is exactly CAPTION and prints, one item a line:
//   caption=<the caption>
//   text=<the message text; line breaks written as \n, carriage returns as \r>
//   button=<a button's text without its '&' markers>   (one line per visible button, left to right)
// Exit code 0 when the box was found, 2 when no such window exists, 1 on bad usage.
//
// X tools see only a message box's caption; its text and buttons are child controls that only a
// program inside Wine can read, which is why the tests run this helper next to the program under test.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "window_text.h"

namespace {

using wine_probe::className;
using wine_probe::escaped;

// Control id of a message box's text: the same on Windows and in Wine.
constexpr int kMessageTextId = 0xFFFF;
// Window class of dialogs, message boxes included.
constexpr const char* kDialogClass = "#32770";

std::string windowText(HWND window) {
    char buffer[4096] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

struct Search {
    std::string caption;   // caption to find
    HWND found = nullptr;  // first visible dialog with that caption
};

BOOL CALLBACK findBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (IsWindowVisible(window) && className(window) == kDialogClass && windowText(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Button {
    LONG left;  // screen position, to list the buttons as the user sees them
    std::string text;
};

BOOL CALLBACK collectButton(HWND window, LPARAM param) {
    auto* buttons = reinterpret_cast<std::vector<Button>*>(param);
    if (IsWindowVisible(window) && className(window) == "Button") {
        RECT rect{};
        GetWindowRect(window, &rect);
        buttons->push_back({rect.left, windowText(window)});
    }
    return TRUE;
}

std::string withoutMnemonics(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '&') out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: box_reader CAPTION\n", stderr);
        return 1;
    }
    // Binary output: the tests read the lines on the Unix side and want no carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);

    Search search{argv[1]};
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::printf("no visible message box captioned \"%s\"\n", argv[1]);
        return 2;
    }

    std::vector<Button> buttons;
    EnumChildWindows(search.found, collectButton, reinterpret_cast<LPARAM>(&buttons));
    std::stable_sort(buttons.begin(), buttons.end(), [](const Button& a, const Button& b) { return a.left < b.left; });

    std::printf("caption=%s\n", windowText(search.found).c_str());
    std::printf("text=%s\n", escaped(windowText(GetDlgItem(search.found, kMessageTextId))).c_str());
    for (const Button& button : buttons) std::printf("button=%s\n", withoutMnemonics(button.text).c_str());
    return 0;
}
