// The compiler's reading operations on the script: keywords, separators and texts, on top of
// the interpreter's character reader (same line ends, same line counter).
//
// The cursor never reads past the line end of the command it translates. Once a line end has
// been consumed (by the keyword, by a text that ran to the end of its line, by a separator
// reader that met it), every further separator read reports a line end and every further text
// read gives the empty text, until the next keyword is read. So a missing operand at the end
// of a line shows as a line end instead of taking its text from the next line.
#pragma once

#include <string>
#include <string_view>

#include "core/script_reader.h"

namespace compiler {

class SourceCursor {
  public:
    static constexpr int kLineEnd = interp::ScriptReader::kLineEnd;

    explicit SourceCursor(interp::ScriptReader& reader) : reader_(reader) {}

    // Skips line ends, tabs and blanks and reads a keyword up to a blank or a line end, which is
    // consumed. "%" anywhere in the word gives "%" (a label line; the label text stays unread).
    // The end of the script met while gathering gives the empty text: a keyword that is the
    // last thing in the script is not a command, as the interpreter never runs it either.
    std::string readKeyword();

    // The rest of a keyword whose first character has been read already (the command after an
    // inline IF condition). A "%" there is an ordinary character; the end of the script gives
    // the empty text.
    std::string readKeywordAfter(char first);

    // The next character after blanks, consumed; kLineEnd at the line end or the end of the script.
    int readSeparator();

    // The character last returned by readSeparator is read again; a line end stays consumed, as
    // every further separator read reports it anyway.
    void unread() {
        if (!lineDone_) reader_.pushBack();
    }

    // The text up to the terminator (consumed) or up to the line end (consumed) or the end: a view
    // of the script's bytes.
    std::string_view readUntil(int terminator);
    std::string_view readRestOfLine() { return readUntil(kLineEnd); }

    int lineCounter() const { return reader_.line(); }
    bool atEnd() const { return reader_.atEnd(); }

  private:
    std::string gatherKeyword(int c, std::string word, bool labelMarker);

    interp::ScriptReader& reader_;
    bool lineDone_ = false;  // the line end of the current command has been consumed
};

}  // namespace compiler
