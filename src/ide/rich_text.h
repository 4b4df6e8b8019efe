// Coloured lines as one rich text (RTF) stream, so an editor control can take a whole coloured
// document in one go instead of one format change per span.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ide/line_scanner.h"

namespace ide {

// The editor's lines as they lie in its text: starts and lengths, counted in the text's characters.
struct TextLine {
    size_t start;
    size_t length;  // without the line end
};

// The lines of an editor text whose lines end in CR LF; the text after the last CR LF is the last
// line, empty when the text ends with a line end. Nothing when the text holds a CR or LF that is
// not part of a CR LF pair, since the control's own line count may differ then.
std::optional<std::vector<TextLine>> crlfLines(std::string_view text);
std::optional<std::vector<TextLine>> crlfLines(std::u16string_view text);

// Rich text for lines (without line ends) in the plain format, each followed by its spans applied
// in order; lines are separated by paragraph marks, the last one has none. Characters beyond
// ASCII are named by their Unicode value, so that the control shows exactly them whatever font
// character set the stream declares.
struct ColouredLine {
    std::u16string_view text;
    std::vector<ColourSpan> spans;
};
std::string richText(const std::vector<ColouredLine>& lines);

}  // namespace ide
