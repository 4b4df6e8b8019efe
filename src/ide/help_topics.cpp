// Help on the word at the caret.
#include "ide/help_topics.h"

#include <cstdio>

#include "core/keywords.h"
#include "core/system_variables.h"

namespace ide {

namespace {

bool isWordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string upper(std::string_view word) {
    std::string text(word);
    for (char& c : text) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// A system variable's own spelling, for the name in any letter case.
std::optional<std::string> systemVariableSpelling(std::string_view word) {
    std::string wanted = upper(word);
    if (wanted == upper(interp::kUseOldFileFunctionsName)) return std::string(interp::kUseOldFileFunctionsName);
    for (int index = 0; index < interp::kFirstUserVariableIndex; ++index) {
        auto name = interp::scriptName(static_cast<interp::SystemVariable>(index));
        if (upper(name) == wanted) return std::string(name);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> referenceAnchor(std::string_view line, size_t caretColumn) {
    size_t end = std::min(caretColumn, line.size());
    size_t start = end;
    while (start > 0 && isWordCharacter(line[start - 1])) --start;
    while (end < line.size() && isWordCharacter(line[end])) ++end;
    std::string_view word = line.substr(start, end - start);
    if (word.empty()) return std::nullopt;
    bool inBrackets = start > 0 && line[start - 1] == '[';
    if (!inBrackets) {
        if (auto keyword = interp::keywordNamed(upper(word))) return std::string(interp::keywordText(*keyword));
    }
    return systemVariableSpelling(word);
}

std::string pageAddress(const std::string& path, const std::optional<std::string>& anchor) {
    if (!anchor) return path;
    std::string address = path.starts_with("/") ? "file://" : "file:///";
    for (char c : path) {
        if (c == '\\') {
            address += '/';
        } else if (c == ' ' || c == '%' || c == '#' || static_cast<unsigned char>(c) >= 0x80) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            address += escaped;
        } else {
            address += c;
        }
    }
    return address + "#" + *anchor;
}

}  // namespace ide
