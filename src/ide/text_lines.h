// Splitting a settings file's text into lines.
#pragma once

#include <string_view>

namespace ide {

// Calls visit with each line of the text, without its line end ("\n" or "\r\n"). A last line
// without a line end is a whole line; the empty rest after a final line end is none.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        visit(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace ide
