// Script texts for the desktop: encoding, captions, line breaks, file filters and button order.
#include "platform/gtk/desktop_text.h"

#include <algorithm>
#include <cstdint>

#include "platform/platform.h"

namespace platform::gtk {

namespace {

// Windows-1252 at 0x80..0x9F; 0 where the code page has no character (those bytes stay the
// Latin-1 control characters).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The length of the UTF-8 sequence at text[at], or 0 when none starts there.
size_t sequenceLength(const std::string& text, size_t at) {
    auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    uint8_t lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    }
    uint8_t second = byte(at + 1);
    // Overlong forms, UTF-16 surrogates and code points beyond U+10FFFF are not UTF-8.
    if (lead == 0xE0 && second < 0xA0) return 0;
    if (lead == 0xED && second >= 0xA0) return 0;
    if (lead == 0xF0 && second < 0x90) return 0;
    if (lead == 0xF4 && second >= 0x90) return 0;
    return length;
}

bool validUtf8(const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        size_t length = sequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

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

std::string displayText(const std::string& bytes) {
    if (validUtf8(bytes)) return bytes;
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto byte = static_cast<uint8_t>(c);
        char32_t code = byte;
        if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) code = kHighControls[byte - 0x80];
        appendUtf8(text, code);
    }
    return text;
}

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

std::string withLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
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

std::vector<BoxButton> desktopOrder(std::vector<BoxButton> buttons) {
    std::reverse(buttons.begin(), buttons.end());
    std::stable_partition(buttons.begin(), buttons.end(),
                          [](const BoxButton& button) { return button.answer == answer::kCancel; });
    return buttons;
}

}  // namespace platform::gtk
