// How script bytes become characters where a program shows them as Unicode (the Linux desktop, the
// editors): bytes that are valid UTF-8 are UTF-8, anything else is Windows-1252, the code page the
// scripts of Windows users are written in. Every byte string reads as one or the other.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace interp {

// The length of the UTF-8 sequence at bytes[at], with its code point in code; 0 when none starts
// there. Strict: no overlong forms, no UTF-16 surrogates, nothing beyond U+10FFFF.
size_t utf8Sequence(std::string_view bytes, size_t at, char32_t& code);
bool isUtf8(std::string_view bytes);
void appendUtf8(std::string& bytes, char32_t code);

// The character a Windows-1252 byte stands for. The five bytes the code page leaves unassigned
// stand for the control character of the same number, as Windows converts them, so every byte
// string reads and writes back.
char16_t windows1252Char(unsigned char byte);
// The byte of a character; nothing when Windows-1252 has none.
std::optional<char> windows1252Byte(char32_t code);

// The bytes as UTF-8 text to show: valid UTF-8 as it is, anything else read as Windows-1252.
std::string shownAsUtf8(std::string_view bytes);

}  // namespace interp
