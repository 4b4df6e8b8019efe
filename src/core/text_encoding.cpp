// UTF-8 and Windows-1252: the two encodings script texts are read in where Unicode is shown.
#include "core/text_encoding.h"

#include <cstdint>

namespace interp {

namespace {

// Windows-1252 at 0x80..0x9F; the unassigned bytes stand for the control character of their own
// number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

size_t utf8Sequence(std::string_view bytes, size_t at, char32_t& code) {
    auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    uint8_t lead = byte(at);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
    if (length == 0 || at + length > bytes.size()) return 0;
    code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

bool isUtf8(std::string_view bytes) {
    char32_t code = 0;
    for (size_t at = 0; at < bytes.size();) {
        size_t length = utf8Sequence(bytes, at, code);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
        return;
    }
    int trailing = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr uint8_t kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    bytes += static_cast<char>(kLeads[trailing] | (code >> (6 * trailing)));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6) {
        bytes += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    }
}

char16_t windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
}

std::optional<char> windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::string shownAsUtf8(std::string_view bytes) {
    if (isUtf8(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) appendUtf8(text, windows1252Char(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace interp
