// Reading operations on the script: characters, line ends, keywords, separators and texts up
// to a terminator, with the line counter that every error message quotes.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/script_source.h"

namespace interp {

class ScriptReader {
  public:
    static constexpr int kLineEnd = '\n';  // how every line end is delivered
    static constexpr int kEnd = -1;        // delivered at the end of the script

    // Everything a jump needs to put the reader back where a search once left it.
    struct Position {
        size_t offset;
        int line;
        size_t countedUntil;
        bool atEnd;
        int keywordTerminator;
    };

    explicit ScriptReader(std::unique_ptr<ScriptSource> source);

    // The next byte (0-255), kLineEnd for a line end, kEnd at the end of the script. Line ends
    // are CR LF, a lone LF or a lone CR; a CR takes only a line feed after it along, never any
    // other byte. Each line end raises the line counter the first time it is read after a
    // restart; reading it again after a push back does not count it twice.
    int next() {
        if (offset_ >= text_->size()) {
            atEnd_ = true;
            return kEnd;
        }
        unsigned char c = static_cast<unsigned char>((*text_)[offset_++]);
        if (c == '\r') {
            size_t at = offset_ - 1;
            if (offset_ < text_->size() && (*text_)[offset_] == '\n') ++offset_;
            countLineEnd(at);
            return kLineEnd;
        }
        if (c == '\n') {
            countLineEnd(offset_ - 1);
            return kLineEnd;
        }
        return c;
    }

    // The last byte is read again. At the end of the script there is nothing to read again: the
    // end (which counts as a line end) is met once more.
    void pushBack() {
        if (atEnd_) {
            atEnd_ = false;
        } else if (offset_ > 0) {
            --offset_;
        }
    }

    bool atEnd() const { return atEnd_; }
    // The script's bytes and the reading position in them, for looking ahead without reading.
    const std::string& text() const { return *text_; }
    size_t offset() const { return offset_; }
    int line() const { return line_; }
    int keywordTerminator() const { return keywordTerminator_; }

    // Skips line ends, tabs and blanks and reads one keyword up to a blank or a line end (which
    // is pushed back). Returns "%" for a label line, leaving the label text unread. Meeting the
    // end of the script ends the run with exit code 0.
    std::string readKeyword() { return std::string(readKeywordView()); }
    // The same as a view of the script's bytes (a keyword never spans a line end), lasting until a
    // restart reloads the script.
    std::string_view readKeywordView();

    // The text up to the terminator or the line end, both consumed, or up to the end.
    std::string readUntil(int terminator) { return std::string(readUntilView(terminator)); }
    // The same as a view of the script's bytes: the text never spans a line end, so it lies in one
    // piece. The view lasts until a restart reloads the script.
    std::string_view readUntilView(int terminator);

    // The next character after blanks, consumed: a line end (also at the end of the script) or
    // any other character. Callers decide whether it is the separator they expected.
    int readSeparator();

    // Starts again at the first byte with line counter 1; false when the script file can no
    // longer be opened. recheckNow: the file may have changed, look at it now.
    bool restart(bool recheckNow = false);
    // After a restart: reads to the start of line n, as n - 1 reads of whole lines would.
    void skipToLine(int line);

    Position position() const;
    void setPosition(const Position& position);

    // Reading the same bytes from the same kind of start always ends the same way, so callers
    // may remember how far a read went and replay it. memoKey names the start: the offset,
    // and whether the line end just before it was already counted (after a push back); it is
    // nullopt at the end of the script, where nothing is worth remembering, and beyond the
    // furthest place read before a restart: text read once (most of a long script without
    // jumps back) is never read again, and remembering it would only cost memory.
    std::optional<size_t> memoKey() const {
        if (atEnd_ || offset_ >= readBeforeRestart_) return std::nullopt;
        if (countedUntil_ <= offset_) return offset_ * 2;
        if (countedUntil_ == offset_ + 1) return offset_ * 2 + 1;
        return std::nullopt;
    }
    struct Advance {
        size_t offset;        // where the read ended
        int lineDelta;        // line ends counted on the way
        size_t countedUntil;  // meaningful when lineDelta > 0
        bool atEnd;
        int keywordTerminator;  // kNoTerminator when the read left it alone
    };
    static constexpr int kNoTerminator = -2;
    // readTerminator: the read was a keyword read that set the keyword terminator.
    Advance advanceSince(const Position& start, bool readTerminator) const {
        return Advance{offset_, line_ - start.line, countedUntil_, atEnd_,
                       readTerminator ? keywordTerminator_ : kNoTerminator};
    }
    void replay(const Advance& advance) {
        offset_ = advance.offset;
        line_ += advance.lineDelta;
        if (advance.lineDelta > 0) countedUntil_ = advance.countedUntil;
        atEnd_ = advance.atEnd;
        if (advance.keywordTerminator != kNoTerminator) keywordTerminator_ = advance.keywordTerminator;
    }
    unsigned sourceGeneration() const { return source_->generation(); }

  private:
    void countLineEnd(size_t at) {
        if (at >= countedUntil_) {
            ++line_;
            countedUntil_ = offset_;
        }
    }

    std::unique_ptr<ScriptSource> source_;
    const std::string* text_;       // the source's bytes
    size_t offset_ = 0;             // reading position; the interpreter's program counter
    size_t countedUntil_ = 0;       // line ends before this offset have been counted
    size_t readBeforeRestart_ = 0;  // the furthest offset reached before any restart
    int line_ = 1;                  // line counter
    bool atEnd_ = false;            // the last read met the end of the script
    int keywordTerminator_ = ' ';   // what ended the last keyword: blank, line end or kEnd
};

}  // namespace interp
