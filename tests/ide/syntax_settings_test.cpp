// Reading velmish.syn, and the settings file that ships beside the editor.
#include <gtest/gtest.h>

#include <set>

#include "core/keywords.h"
#include "ide/line_scanner.h"

namespace velmish_test {
namespace {

using ide::IdentifierKind;

ide::SyntaxSettings read(const std::string& text) {
    ide::SyntaxSettings settings;
    ide::readSyntaxSettings(text, settings);
    return settings;
}

TEST(SyntaxSettingsTest, SectionsOpenInTheirOrderAndKeysAndValuesAreExact) {
    auto settings = read(
        "ECHO KEYWORD 1 1\n[IDENTIFIERS]\nREM SINGLELINE_COMMENT 2\n; comment\n\n[GENERAL]\r\nHIGHLIGHTING OFF\n"
        "AUTOINDENT\tYES extra\nAUTOSIZE LOWER\nhighlighting OFF\n[IDENTIFIERS]\nIF KEYWORD 4 0\n[GENERAL]\n");
    EXPECT_TRUE(settings.autoIndent);
    EXPECT_EQ(settings.letterCase, ide::LetterCase::lower);
    ASSERT_EQ(settings.identifiers.size(), 1u);  // "[GENERAL]" in the identifier section has no kind
    EXPECT_EQ(settings.identifiers[0].name, "IF");
    // The last line keeps its last character; a key without a value changes nothing.
    settings = read("[GENERAL]\nHIGHLIGHTING ON\nAUTOINDENT ON\nAUTOINDENT\nHIGHLIGHTING OFF");
    EXPECT_FALSE(settings.highlighting);
    EXPECT_TRUE(settings.autoIndent);
    EXPECT_TRUE(read("[GENERAL]\nHIGHLIGHTING off").highlighting);
}

TEST(SyntaxSettingsTest, IdentifierLinesGiveKindColourAndBoldness) {
    auto table = read(
                     "[GENERAL]\n[IDENTIFIERS]\nECHO KEYWORD 12 1\n# OPERATOR 9\n'' VALUE 16 0\n[] VARIABLE x 2\n"
                     "REM SINGLELINE_COMMENT 6 0\nX UNKNOWN 1 1\nlonely\n")
                     .identifiers;
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0].kind, IdentifierKind::keyword);
    EXPECT_EQ(table[0].format, (ide::CharFormat{{0, 0, 255}, true}));
    EXPECT_EQ(table[1].format, (ide::CharFormat{{255, 0, 0}, false}));
    EXPECT_EQ(table[2].kind, IdentifierKind::value);
    EXPECT_EQ(table[2].format, ide::kPlainFormat);
    EXPECT_EQ(table[3].format, (ide::CharFormat{ide::kBlack, true}));
    EXPECT_EQ(table[4].format, (ide::CharFormat{{0, 128, 128}, false}));

    ide::SyntaxSettings settings;
    settings.identifiers = table;
    EXPECT_FALSE(ide::loadSyntaxSettings("/nonexistent/velmish.syn", settings));
    EXPECT_EQ(settings.identifiers.size(), 5u);
}

TEST(DefaultSyntaxFileTest, ColoursEveryKeywordAndTheLanguagesMarks) {
    ide::SyntaxSettings settings;
    ASSERT_TRUE(ide::loadSyntaxSettings(VELMISH_DEFAULT_SYN, settings));
    EXPECT_TRUE(settings.highlighting && settings.autoIndent);
    std::set<std::string> keywords;
    for (const auto& entry : settings.identifiers) {
        if (entry.kind == IdentifierKind::keyword) keywords.insert(entry.name);
    }
#define EXPECT_COLOURED(word, ...) EXPECT_TRUE(keywords.count(#word) || #word == std::string("REM")) << #word;
    VELMISH_KEYWORDS(EXPECT_COLOURED)
#undef EXPECT_COLOURED
#define EXPECT_SPELLING(spelling, word) EXPECT_TRUE(keywords.count(#spelling)) << #spelling;
    VELMISH_KEYWORD_SPELLINGS(EXPECT_SPELLING)
#undef EXPECT_SPELLING

    // Keyword, variable, operator, value, REM line and label line each take a format of their own.
    std::set<std::pair<int, bool>> formats;
    for (std::string line : {"IF", "[a]", "#", "'x'", "REM x", "%done"}) {
        auto spans = ide::scanLine(line, settings.identifiers).spans;
        ASSERT_FALSE(spans.empty()) << line;
        EXPECT_EQ(spans[0].end, line.size()) << line;
        auto colour = spans[0].format.colour;
        formats.insert({colour.red << 16 | colour.green << 8 | colour.blue, spans[0].format.bold});
    }
    EXPECT_EQ(formats.size(), 6u);
}

}  // namespace
}  // namespace velmish_test
