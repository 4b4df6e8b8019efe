// Reading velmish.syn, and the settings file that ships beside the editor.
#include <gtest/gtest.h>

#include <set>

#include "core/keywords.h"
#include "fake_front_end.h"
#include "ide/line_scanner.h"
#include "ide/syntax_settings.h"

namespace velmish_test {
namespace {

using ide::IdentifierKind;

ide::SyntaxSettings read(const std::string& text) {
    ide::SyntaxSettings settings;
    ide::readSyntaxSettings(text, settings);
    return settings;
}

TEST(SyntaxSettingsTest, SectionsOpenOnlyInTheirOrder) {
    auto settings = read(
        "ECHO KEYWORD 1 1\n[IDENTIFIERS]\nREM SINGLELINE_COMMENT 2\n; comment\n\n[GENERAL]\r\n"
        "HIGHLIGHTING ON\nAUTOINDENT\tYES extra\nAUTOSIZE LOWER\n[IDENTIFIERS]\nIF KEYWORD 4 0\n[GENERAL]");
    EXPECT_TRUE(settings.highlighting);
    EXPECT_TRUE(settings.autoIndent);
    EXPECT_EQ(settings.letterCase, ide::LetterCase::lower);
    ASSERT_EQ(settings.identifiers.size(), 1u);  // "[GENERAL]" in the identifier section has no kind
    EXPECT_EQ(settings.identifiers[0].name, "IF");
}

TEST(SyntaxSettingsTest, GeneralKeysAndValuesAreExactAndTheLastLineIsWhole) {
    ide::SyntaxSettings settings;
    settings.autoIndent = true;
    ide::readSyntaxSettings(
        "[GENERAL]\nHIGHLIGHTING ON\nhighlighting OFF\nAUTOINDENT\nAUTOSIZE UPPER\nHIGHLIGHTING OFF", settings);
    EXPECT_FALSE(settings.highlighting);
    EXPECT_TRUE(settings.autoIndent);  // a key without a value changes nothing
    EXPECT_EQ(settings.letterCase, ide::LetterCase::upper);
    EXPECT_TRUE(read("[GENERAL]\nHIGHLIGHTING off").highlighting);
}

TEST(SyntaxSettingsTest, IdentifierLinesGiveKindColourAndBoldness) {
    auto table = read(
                     "[GENERAL]\n[IDENTIFIERS]\nECHO KEYWORD 12 1\n# OPERATOR 9\n'' VALUE 16 0\n[] VARIABLE x 2\n"
                     "REM SINGLELINE_COMMENT 7 0\nX UNKNOWN 1 1\nlonely\n")
                     .identifiers;
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0].kind, IdentifierKind::keyword);
    EXPECT_EQ(table[0].format, (ide::CharFormat{{0, 0, 255}, true}));
    EXPECT_EQ(table[1].format, (ide::CharFormat{{255, 0, 0}, false}));
    EXPECT_EQ(table[2].kind, IdentifierKind::value);
    EXPECT_EQ(table[2].format, ide::kPlainFormat);
    EXPECT_EQ(table[3].format, (ide::CharFormat{ide::kBlack, true}));
    EXPECT_EQ(table[4].kind, IdentifierKind::comment);
    EXPECT_EQ(ide::paletteColour(6), (ide::Colour{0, 128, 128}));
    EXPECT_EQ(ide::paletteColour(15), (ide::Colour{255, 255, 255}));
}

TEST(SyntaxSettingsTest, AFileThatCannotBeReadChangesNothingAndRereadingReplacesTheTable) {
    ide::SyntaxSettings settings = read("[GENERAL]\nHIGHLIGHTING ON\n[IDENTIFIERS]\nIF KEYWORD 4 1");
    EXPECT_FALSE(ide::loadSyntaxSettings("/nonexistent/velmish.syn", settings));
    EXPECT_EQ(settings.identifiers.size(), 1u);
    ide::readSyntaxSettings("[GENERAL]\nAUTOINDENT ON", settings);
    EXPECT_TRUE(settings.highlighting);
    EXPECT_TRUE(settings.identifiers.empty());
}

TEST(DefaultSyntaxFileTest, ColoursEveryKeywordAndTheLanguagesMarks) {
    ide::SyntaxSettings settings;
    ASSERT_TRUE(ide::loadSyntaxSettings(VELMISH_DEFAULT_SYN, settings));
    EXPECT_TRUE(settings.highlighting);
    EXPECT_TRUE(settings.autoIndent);
    std::set<std::string> keywords, comments;
    for (const auto& entry : settings.identifiers) {
        if (entry.kind == IdentifierKind::keyword) keywords.insert(entry.name);
        if (entry.kind == IdentifierKind::comment) comments.insert(entry.name);
    }
#define EXPECT_COLOURED(word) \
    EXPECT_TRUE(keywords.count(#word) || (#word == std::string("REM") && comments.count("REM"))) << #word;
    VELMISH_KEYWORDS(EXPECT_COLOURED)
#undef EXPECT_COLOURED
#define EXPECT_SPELLING(spelling, word) EXPECT_TRUE(keywords.count(#spelling)) << #spelling;
    VELMISH_KEYWORD_SPELLINGS(EXPECT_SPELLING)
#undef EXPECT_SPELLING

    // Each part of a line takes a colour of its own and no keyword is plain.
    auto formatAt = [&](const std::string& line, size_t at) {
        ide::CharFormat format = ide::kPlainFormat;
        for (const auto& span : ide::scanLine(line, settings.identifiers).spans) {
            if (span.start <= at && at < span.end) format = span.format;
        }
        return format;
    };
    std::string line = "IF [a] = 'x' GOTO done";
    std::set<std::pair<int, bool>> seen;
    for (size_t at : {0u, 3u, 7u, 9u, 13u}) {
        auto format = formatAt(line, at);
        EXPECT_NE(format, ide::kPlainFormat) << at;
        seen.insert({format.colour.red * 65536 + format.colour.green * 256 + format.colour.blue, format.bold});
    }
    EXPECT_EQ(seen.size(), 4u);  // keyword, variable, operator, value; GOTO as IF
    EXPECT_NE(formatAt("REM ECHO", 5), formatAt("ECHO", 0));
    EXPECT_NE(formatAt("%done", 1), ide::kPlainFormat);
    EXPECT_NE(formatAt("%done", 1), formatAt("REM x", 1));
}

}  // namespace
}  // namespace velmish_test
