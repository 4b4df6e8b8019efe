// Number and text conversions shared by the commands.
#include "interp/text.h"

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
    size_t start = skipSpace(text, 0);
    size_t i = start;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Whole numbers of up to 15 digits are exact in a double and need no strtod.
    size_t digitsStart = i;
    long long whole = 0;
    for (; i < text.size() && isDigit(text[i]) && i - digitsStart < 15; ++i) whole = whole * 10 + (text[i] - '0');
    bool endsHere = i == text.size() || !(isDigit(text[i]) || text[i] == '.' || text[i] == 'e' || text[i] == 'E');
    if (endsHere) {
        if (i == digitsStart) return 0.0;
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    i = skipDigits(text, i);
    size_t mantissaDigits = i - digitsStart;
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
    std::string number(text.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

std::string intToText(long long value) { return std::to_string(value); }

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
