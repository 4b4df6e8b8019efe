// Number and text conversions shared by the commands.
#include "core/text.h"

#include <climits>
#include <cstdlib>

namespace interp {

namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipSpace(std::string_view text, size_t i) {
    while (i < text.size() && isCSpace(text[i])) ++i;
    return i;
}

size_t skipDigits(std::string_view text, size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

}  // namespace

int textToInt(std::string_view text) {
    size_t i = skipSpace(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double textToDouble(std::string_view text) {
    // Most numbers in scripts are short runs of digits: read those in one tight loop.
    if (!text.empty() && text.size() <= 15) {
        long long whole = 0;
        size_t i = 0;
        for (; i < text.size(); ++i) {
            unsigned digit = static_cast<unsigned char>(text[i]) - static_cast<unsigned>('0');
            if (digit > 9) break;
            whole = whole * 10 + digit;
        }
        if (i == text.size()) return static_cast<double>(whole);
    }
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && isCSpace(*p)) ++p;
    const char* start = p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // Whole numbers of up to 15 digits are exact in a double and need no strtod.
    const char* digitsStart = p;
    long long whole = 0;
    while (p != end && isDigit(*p) && p - digitsStart < 15) whole = whole * 10 + (*p++ - '0');
    if (p == end || !(isDigit(*p) || *p == '.' || *p == 'e' || *p == 'E')) {
        if (p == digitsStart) return 0.0;
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    size_t i = static_cast<size_t>(p - text.data());
    size_t digitsStartIndex = static_cast<size_t>(digitsStart - text.data());
    size_t startIndex = static_cast<size_t>(start - text.data());
    i = skipDigits(text, i);
    size_t mantissaDigits = i - digitsStartIndex;
    if (i < text.size() && text[i] == '.') {
        size_t fractionEnd = skipDigits(text, i + 1);
        mantissaDigits += fractionEnd - (i + 1);
        i = fractionEnd;
    }
    if (mantissaDigits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        size_t exponentEnd = skipDigits(text, e);
        if (exponentEnd > e) i = exponentEnd;
    }
    // strtod gets only the validated decimal prefix, so "inf", "nan" and hexadecimal forms,
    // which some C libraries accept and others do not, never reach it.
    std::string number(text.substr(startIndex, i - startIndex));
    return std::strtod(number.c_str(), nullptr);
}

std::string intToText(long long value) {
    char digits[kIntTextRoom];
    return std::string(formatInt(value, digits));
}

std::string_view formatInt(long long value, char* room) {
    // Digits from the last ones back, into the end of room: two at a time, each pair one division
    // by a constant and a look-up.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char* end = room + kIntTextRoom;
    char* first = end;
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    while (magnitude >= 100) {
        const char* pair = kPairs + (magnitude % 100) * 2;
        magnitude /= 100;
        *--first = pair[1];
        *--first = pair[0];
    }
    if (magnitude >= 10) {
        const char* pair = kPairs + magnitude * 2;
        *--first = pair[1];
        *--first = pair[0];
    } else {
        *--first = static_cast<char>('0' + magnitude);
    }
    if (value < 0) *--first = '-';
    return std::string_view(first, static_cast<size_t>(end - first));
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string trimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace interp
