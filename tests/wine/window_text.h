// Small helpers shared by the programs that read windows from inside Wine (box_reader,
// dialogs/window_probe): a window's class name, and texts made to fit on one output line.
#pragma once

#include <windows.h>

#include <string>

namespace wine_probe {

inline std::string className(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

// Line breaks written as \n and \r, so one text stays on one output line.
inline std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace wine_probe
