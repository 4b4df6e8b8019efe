// Auto-indent: a new line starts with the blanks and tabs of the line above.
#pragma once

#include <string>
#include <string_view>

namespace ide {

// The text to put at the start of line `line` after Enter: the leading blanks and tabs of the line
// above, when the line is empty (Enter at a line's end); nothing on the first line or when Enter
// split a line.
std::string autoIndentText(size_t line, std::string_view lineText, std::string_view lineAbove);

}  // namespace ide
