// Captions and file filters for toolkits other than Windows'.
#include "core/toolkit_texts.h"

namespace interp {

namespace {

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

std::string mnemonicCaption(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '_') {
            shown += "__";
        } else if (caption[i] != '&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += '&';
            ++i;
        } else {
            shown += '_';
        }
    }
    return shown;
}

std::vector<FileFilter> fileFilters(const std::string& filter) {
    std::vector<FileFilter> filters;
    std::vector<std::string> parts = split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter entry{trimmed(parts[i]), {}};
        for (const std::string& pattern : split(parts[i + 1], ';')) {
            std::string clean = trimmed(pattern);
            if (!clean.empty()) entry.patterns.push_back(clean);
        }
        if (!entry.name.empty() && !entry.patterns.empty()) filters.push_back(std::move(entry));
    }
    return filters;
}

}  // namespace interp
