// The compiler's reading operations.
#include "compiler/source_cursor.h"

namespace compiler {

std::string SourceCursor::readKeyword() {
    lineDone_ = false;
    int c;
    do {
        c = reader_.next();
    } while (!reader_.atEnd() && (c == kLineEnd || c == '\t' || c == ' '));
    return gatherKeyword(c, std::string(), true);
}

std::string SourceCursor::readKeywordAfter(char first) {
    return gatherKeyword(reader_.next(), std::string(1, first), false);
}

std::string SourceCursor::gatherKeyword(int c, std::string word, bool labelMarker) {
    for (;;) {
        if (reader_.atEnd()) return std::string();
        if (c == ' ') return word;
        if (c == kLineEnd) {
            lineDone_ = true;
            return word;
        }
        if (c == '%' && labelMarker) return "%";
        word += static_cast<char>(c);
        c = reader_.next();
    }
}

int SourceCursor::readSeparator() {
    if (lineDone_) return kLineEnd;
    int c = reader_.readSeparator();
    if (c == kLineEnd) lineDone_ = true;
    return c;
}

std::string_view SourceCursor::readUntil(int terminator) {
    if (lineDone_) return {};
    // The cursor pushes back no line end, so every line end met here is read for the first
    // time and raises the line counter: a changed counter tells that the text ran to its line end.
    int lineBefore = reader_.line();
    std::string_view text = reader_.readUntilView(terminator);
    if (terminator == kLineEnd || reader_.atEnd() || reader_.line() != lineBefore) lineDone_ = true;
    return text;
}

}  // namespace compiler
