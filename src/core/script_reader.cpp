// Keyword, separator and text reading on top of the character reader.
#include "core/script_reader.h"

#include <algorithm>

#include "core/script_error.h"

namespace interp {

ScriptReader::ScriptReader(std::unique_ptr<ScriptSource> source)
    : source_(std::move(source)), text_(&source_->text()) {}

std::string_view ScriptReader::readKeywordView() {
    int c;
    do {
        c = next();
    } while (!atEnd_ && (c == kLineEnd || c == '\t' || c == ' '));
    const std::string& text = *text_;
    size_t start = atEnd_ ? offset_ : offset_ - 1;  // the byte just read starts the word
    size_t end = start;
    while (!atEnd_) {
        // A "%" anywhere makes the line a label line; what was gathered before it is dropped.
        if (c == '%') return "%";
        // The plain bytes that follow belong to the word; the byte that stops them is read.
        end = offset_;
        while (end < text.size() && text[end] != ' ' && text[end] != '\r' && text[end] != '\n' && text[end] != '%') {
            ++end;
        }
        offset_ = end;
        c = next();
        if (c == ' ' || c == kLineEnd) break;
    }
    if (atEnd_) {
        keywordTerminator_ = kEnd;
        // A keyword that is the last thing in the script is never executed.
        throw ScriptExit{0};
    }
    std::string_view word = std::string_view(text).substr(start, end - start);
    keywordTerminator_ = c;
    if (c == kLineEnd) pushBack();
    return word;
}

std::string_view ScriptReader::readUntilView(int terminator) {
    // The plain bytes are passed over in one piece; the byte that stops them, a line end or the
    // terminator, goes through the character reader, which consumes it (and counts a line end).
    const std::string& text = *text_;
    size_t start = offset_;
    size_t end = start;
    while (end < text.size()) {
        char b = text[end];
        if (b == '\r' || b == '\n' || static_cast<unsigned char>(b) == terminator) break;
        ++end;
    }
    offset_ = end;
    next();
    return std::string_view(text).substr(start, end - start);
}

int ScriptReader::readSeparator() {
    for (;;) {
        if (atEnd_) return kLineEnd;
        int c = next();
        if (atEnd_ || c == kLineEnd) return kLineEnd;
        if (c == ' ') continue;
        return c;
    }
}

bool ScriptReader::restart(bool recheckNow) {
    if (!source_->reopen(recheckNow)) return false;
    text_ = &source_->text();
    readBeforeRestart_ = std::max(readBeforeRestart_, offset_);
    offset_ = 0;
    countedUntil_ = 0;
    line_ = 1;
    atEnd_ = false;
    return true;
}

void ScriptReader::skipToLine(int line) {
    auto start = source_->lineStart(line);
    if (start) {
        offset_ = *start;
        line_ = line < 1 ? 1 : line;
    } else {
        offset_ = text_->size();
        line_ = 1 + source_->lineEndCount();
        atEnd_ = true;
    }
    countedUntil_ = offset_;
}

ScriptReader::Position ScriptReader::position() const {
    return Position{offset_, line_, countedUntil_, atEnd_, keywordTerminator_};
}

void ScriptReader::setPosition(const Position& position) {
    offset_ = position.offset;
    line_ = position.line;
    countedUntil_ = position.countedUntil;
    atEnd_ = position.atEnd;
    keywordTerminator_ = position.keywordTerminator;
}

}  // namespace interp
