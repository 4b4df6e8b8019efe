// The line scanner: which parts of one line of text the identifier table colours.
#pragma once

#include <string_view>
#include <vector>

#include "ide/syntax_settings.h"

namespace ide {

// Characters start to end (exclusive) of the line take the format.
struct ColourSpan {
    size_t start, end;
    CharFormat format;
    bool operator==(const ColourSpan&) const = default;
};

// What a pass over a line found. Two scans of a line with equal counts colour it alike unless a
// word changed inside, which is why typing within a word needs no new pass.
struct LineCounts {
    int delimiterMarks = 0;  // opening marks plus closing marks of spans
    int operators = 0;
    int keywords = 0;
    int commentStarts = 0;
    bool operator==(const LineCounts&) const = default;
};

struct LineScan {
    std::vector<ColourSpan> spans;  // in the order they are applied; a later span wins
    LineCounts counts;
};

// Scans a line (without its line end). The colouring pass resets the line to the plain format
// and applies the spans in order.
LineScan scanLine(std::string_view line, const std::vector<Identifier>& table);

// The format a character typed at the caret column takes: that of a span still open before the
// caret or of a comment it follows, else plain. It reads the text before the caret with the
// rules of scanLine, so the character looks as the next colouring pass will leave it.
CharFormat typingFormat(std::string_view line, size_t caretColumn, const std::vector<Identifier>& table);

}  // namespace ide
