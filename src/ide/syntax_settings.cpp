// Reading velmish.syn.
#include "ide/syntax_settings.h"

#include <cstdlib>
#include <optional>

#include "ide/document_file.h"
#include "ide/text_lines.h"

namespace ide {

namespace {

constexpr Colour kPalette[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

enum class Section { none, general, identifiers };

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// A number read as atoi reads it.
int numberIn(std::string_view word) { return std::atoi(std::string(word).c_str()); }

std::optional<IdentifierKind> kindNamed(std::string_view word) {
    if (word == "KEYWORD") return IdentifierKind::keyword;
    if (word == "OPERATOR") return IdentifierKind::operatorMark;
    if (word == "VALUE") return IdentifierKind::value;
    if (word == "VARIABLE") return IdentifierKind::variable;
    if (word == "SINGLELINE_COMMENT") return IdentifierKind::comment;
    return std::nullopt;
}

// "KEY value": a key without a value changes nothing.
void readGeneralLine(std::string_view line, SyntaxSettings& settings) {
    auto words = wordsOf(line);
    if (words.size() < 2) return;
    std::string_view key = words[0], value = words[1];
    if (key == "HIGHLIGHTING") settings.highlighting = value != "OFF";
    if (key == "AUTOINDENT") settings.autoIndent = value != "OFF";
    if (key == "AUTOSIZE") {
        settings.letterCase = value == "UPPER"   ? LetterCase::upper
                              : value == "LOWER" ? LetterCase::lower
                                                 : LetterCase::none;
    }
}

// "name KIND colour bold": a line without a known kind word adds no entry, since it could take
// part in no rule; a missing or unknown colour is black, a missing bold number not bold.
void readIdentifierLine(std::string_view line, SyntaxSettings& settings) {
    auto words = wordsOf(line);
    if (words.size() < 2) return;
    auto kind = kindNamed(words[1]);
    if (!kind) return;
    Identifier entry{std::string(words[0]), *kind, kPlainFormat};
    if (words.size() > 2) entry.format.colour = paletteColour(numberIn(words[2]));
    if (words.size() > 3) entry.format.bold = numberIn(words[3]) != 0;
    settings.identifiers.push_back(std::move(entry));
}

}  // namespace

Colour paletteColour(int number) { return number >= 0 && number < 16 ? kPalette[number] : kBlack; }

void readSyntaxSettings(std::string_view fileText, SyntaxSettings& settings) {
    settings.identifiers.clear();
    Section section = Section::none;
    forEachLine(fileText, [&](std::string_view line) {
        if (line.empty() || line.front() == ';') return;
        if (section == Section::none && line == "[GENERAL]") {
            section = Section::general;
        } else if (section == Section::general && line == "[IDENTIFIERS]") {
            section = Section::identifiers;
        } else if (section == Section::general) {
            readGeneralLine(line, settings);
        } else if (section == Section::identifiers) {
            readIdentifierLine(line, settings);
        }
    });
}

bool loadSyntaxSettings(const std::string& path, SyntaxSettings& settings) {
    FileRead file = readDocumentFile(path);
    if (!file.ok()) return false;
    readSyntaxSettings(file.text, settings);
    return true;
}

}  // namespace ide
