// The line scanner: spans, operators, keywords and comments of one line, in one left-to-right pass.
#include "ide/line_scanner.h"

namespace ide {

namespace {

// A word longer than this never matches: the word buffer starts again past it.
constexpr size_t kLongestWord = 25;

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

class Scanner {
  public:
    explicit Scanner(const std::vector<Identifier>& table) : table_(table) {}

    void scan(std::string_view line) {
        t_ = line;
        for (i_ = 0; i_ < t_.size(); ++i_) step();
    }

    LineScan result;                       // the spans and counts so far
    const Identifier* openSpan = nullptr;  // the entry of a span the line ends inside
    const Identifier* comment = nullptr;   // the comment entry the line ends inside

  private:
    // One position: a span starting here, an operator, or one more character of the word.
    void step() {
        bool matched = false;
        if (const Identifier* entry = firstSpanOpenedBy(t_[i_])) {
            span(*entry);
            matched = true;
        }
        if (i_ < t_.size()) {
            if (const Identifier* entry = first(IdentifierKind::operatorMark, t_[i_])) {
                colour(i_, i_ + 1, *entry);
                ++result.counts.operators;
                matched = true;
            }
        }
        if (matched) {
            word_.clear();
            return;
        }
        word_ += t_[i_];
        if (!comment && word_.size() <= kLongestWord) matchWord();
        if (word_.size() > kLongestWord || t_[i_] == ' ' || t_[i_] == '\t') word_.clear();
    }

    // From the opening mark to the closing mark, or to the line end when none follows; leaves the
    // position on the closing mark.
    void span(const Identifier& entry) {
        size_t start = i_++;
        ++result.counts.delimiterMarks;
        bool hasClosing = entry.name.size() > 1;
        while (i_ < t_.size() && !(hasClosing && t_[i_] == entry.name[1])) ++i_;
        if (i_ < t_.size()) {
            ++result.counts.delimiterMarks;
            openSpan = nullptr;
        } else {
            openSpan = &entry;
        }
        colour(start, std::min(i_ + 1, t_.size()), entry);
    }

    void matchWord() {
        for (const Identifier& entry : table_) {
            if (entry.kind == IdentifierKind::comment && sameWord(entry.name, word_)) {
                colour(i_ + 1 - word_.size(), t_.size(), entry);
                ++result.counts.commentStarts;
                comment = &entry;
                word_.clear();
                return;
            }
            if (entry.kind == IdentifierKind::keyword && sameWord(entry.name, word_) &&
                !(i_ + 1 < t_.size() && isLetter(t_[i_ + 1]))) {
                colour(i_ + 1 - word_.size(), i_ + 1, entry);
                ++result.counts.keywords;
                word_.clear();
                return;
            }
        }
    }

    const Identifier* firstSpanOpenedBy(char c) const {
        for (const Identifier& entry : table_) {
            bool delimited = entry.kind == IdentifierKind::value || entry.kind == IdentifierKind::variable;
            if (delimited && !entry.name.empty() && entry.name[0] == c) return &entry;
        }
        return nullptr;
    }

    const Identifier* first(IdentifierKind kind, char c) const {
        for (const Identifier& entry : table_) {
            if (entry.kind == kind && !entry.name.empty() && entry.name[0] == c) return &entry;
        }
        return nullptr;
    }

    // Inside a comment everything keeps the comment's format; marks and operators still count.
    void colour(size_t start, size_t end, const Identifier& entry) {
        if (!comment) result.spans.push_back({start, end, entry.format});
    }

    const std::vector<Identifier>& table_;
    std::string_view t_;  // the line
    size_t i_ = 0;        // the position scanned
    std::string word_;    // characters since the last blank, tab, match or restart
};

}  // namespace

LineScan scanLine(std::string_view line, const std::vector<Identifier>& table) {
    Scanner scanner(table);
    scanner.scan(line);
    return std::move(scanner.result);
}

CharFormat typingFormat(std::string_view line, size_t caretColumn, const std::vector<Identifier>& table) {
    Scanner scanner(table);
    scanner.scan(line.substr(0, std::min(caretColumn, line.size())));
    if (scanner.comment) return scanner.comment->format;
    if (scanner.openSpan) return scanner.openSpan->format;
    return kPlainFormat;
}

}  // namespace ide
