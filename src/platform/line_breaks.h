// Line breaks of multi-line dialog texts: scripts hold LF, the edit box's text holds CR LF.
#pragma once

#include <string>

namespace platform {

// Every LF preceded by a CR, so that the text reads back with CR LF line breaks.
inline std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace platform
