// The editor's colouring and indenting decisions.
#include "ide/highlighter.h"

#include "ide/auto_indent.h"

namespace ide {

LineRange pastedLines(size_t caretLine, size_t lineCount) {
    return {caretLine, caretLine + (lineCount ? lineCount - 1 : 0)};
}

std::optional<LineScan> Highlighter::colourLine(size_t line, std::string_view text) {
    if (!on()) return std::nullopt;
    LineScan scan = scanLine(text, settings_.identifiers);
    lastLine_ = line;
    lastCounts_ = scan.counts;
    return scan;
}

bool Highlighter::lineUnchanged(size_t caretLine, std::string_view text) const {
    if (!on()) return true;
    return lastLine_ == caretLine && scanLine(text, settings_.identifiers).counts == lastCounts_;
}

std::optional<CharFormat> Highlighter::typingFormat(std::string_view line, size_t caretColumn) const {
    if (!on()) return std::nullopt;
    return ide::typingFormat(line, caretColumn, settings_.identifiers);
}

std::string Highlighter::autoIndent(size_t caretLine, std::string_view lineText, std::string_view lineAbove) const {
    if (!settings_.autoIndent) return "";
    return autoIndentText(caretLine, lineText, lineAbove);
}

}  // namespace ide
