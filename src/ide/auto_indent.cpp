// Auto-indent.
#include "ide/auto_indent.h"

namespace ide {

std::string autoIndentText(size_t line, std::string_view lineText, std::string_view lineAbove) {
    if (line == 0 || !lineText.empty()) return "";
    return std::string(lineAbove.substr(0, lineAbove.find_first_not_of(" \t")));
}

}  // namespace ide
