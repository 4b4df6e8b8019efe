// Regular expression pieces that the TextMate grammar and the GtkSourceView file share.
#include "regex_parts.h"

namespace editor_files {

std::string alternation(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : "|") + word;
    return text;
}

std::string wordGroup(const Language& language, std::vector<WordKind> kinds) {
    std::string words = alternation(wordsOf(language, std::move(kinds)));
    return "((?i:" + words + "))(?= |$)";
}

std::string characterClass(const std::string& characters) {
    std::string text = "[";
    for (char c : characters) {
        if (c == ']' || c == '\\' || c == '^' || c == '-' || c == '[') text += '\\';
        text += c;
    }
    return text + "]";
}

}  // namespace editor_files
