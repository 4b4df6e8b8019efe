// velmish.syn: the editor settings and the table of identifiers that colouring follows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ide {

struct Colour {
    uint8_t red, green, blue;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};

// Colour number n of the file (0 black ... 15 white); black for a number outside 0 to 15.
Colour paletteColour(int number);

// What an identifier entry takes part in; the values are the kinds' codes.
enum class IdentifierKind {
    keyword = 0,       // "KEYWORD": a word, any letter case, not followed by a letter
    operatorMark = 2,  // "OPERATOR": its first character, anywhere outside spans and comments
    value = 3,         // "VALUE": a span from the name's first character to its second
    variable = 4,      // "VARIABLE": as VALUE
    comment = 6,       // "SINGLELINE_COMMENT": a word and the rest of the line after it
};

struct CharFormat {
    Colour colour = kBlack;
    bool bold = false;
    bool operator==(const CharFormat&) const = default;
};

inline constexpr CharFormat kPlainFormat{};

struct Identifier {
    std::string name;     // the word, character or pair of marks
    IdentifierKind kind;  // which rule it takes part in
    CharFormat format;    // colour and boldness it gives
};

enum class LetterCase { none, upper, lower };

struct SyntaxSettings {
    bool highlighting = false;                 // HIGHLIGHTING: no colouring at all when off
    bool autoIndent = false;                   // AUTOINDENT
    LetterCase letterCase = LetterCase::none;  // AUTOSIZE: kept, nothing depends on it yet
    std::vector<Identifier> identifiers;       // in file order, which is the order entries are tried
};

// Reads a settings file's text into the settings: the identifier table is replaced; a setting
// the file does not name keeps its value.
void readSyntaxSettings(std::string_view fileText, SyntaxSettings& settings);

// Reads the file; false, with the settings unchanged, when it cannot be read.
bool loadSyntaxSettings(const std::string& path, SyntaxSettings& settings);

}  // namespace ide
