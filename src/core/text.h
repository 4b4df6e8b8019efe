// Conversions every command shares: numbers read from texts with the C library's atoi and atof
// rules, and the byte-wise case and blank conversions.
#pragma once

#include <string>
#include <string_view>

namespace interp {

// atoi rules: leading white space, an optional sign, decimal digits up to the first other
// character; 0 when there are none. Values beyond the 32-bit range saturate.
int textToInt(std::string_view text);

// atof rules, limited to decimal notation so that every platform reads the same number:
// leading white space, sign, digits, optional fraction and exponent; 0 when there is none.
double textToDouble(std::string_view text);

// Formats a number as "%d".
std::string intToText(long long value);
// The same into room of kIntTextRoom bytes, which any long long's digits fit, without building a
// string; the view is of a part of room.
inline constexpr size_t kIntTextRoom = 24;
std::string_view formatInt(long long value, char* room);

// Only the ASCII letters change; every other byte is copied.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

// Removes blanks (code 32 only) at both ends.
std::string trimBlanks(std::string_view text);

}  // namespace interp
