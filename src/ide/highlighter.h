// The editor's colouring and indenting decisions, with the settings that switch them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ide/line_scanner.h"
#include "ide/syntax_settings.h"

namespace ide {

// Lines first to last, both included.
struct LineRange {
    size_t first, last;
    bool operator==(const LineRange&) const = default;
};

// The lines to colour after a paste of text that holds lineCount lines (at least one) at the
// caret line: all of them, the last included, since a paste from a menu is followed by no key
// release that would colour the line the caret ends on.
LineRange pastedLines(size_t caretLine, size_t lineCount);

class Highlighter {
  public:
    SyntaxSettings& settings() { return settings_; }
    const SyntaxSettings& settings() const { return settings_; }
    bool on() const { return settings_.highlighting; }

    // The colouring pass of one line: nothing with highlighting off; else the spans to apply
    // after the line is reset to the plain format. Remembers the line and its counts for the
    // line check.
    std::optional<LineScan> colourLine(size_t line, std::string_view text);

    // The line check after a key release: true when the caret line is the line coloured last and
    // its counts are the same, so it needs no new pass. Always true with highlighting off.
    bool lineUnchanged(size_t caretLine, std::string_view text) const;

    // The key-press step: the format the next typed character takes; nothing with highlighting off.
    std::optional<CharFormat> typingFormat(std::string_view line, size_t caretColumn) const;

    // The auto-indent step after Enter: the text to insert at the start of the caret line.
    std::string autoIndent(size_t caretLine, std::string_view lineText, std::string_view lineAbove) const;

  private:
    SyntaxSettings settings_;
    std::optional<size_t> lastLine_;  // the line coloured last
    LineCounts lastCounts_;           // and what its pass counted
};

}  // namespace ide
