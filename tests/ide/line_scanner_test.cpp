// The line scanner: spans in the order they are applied, the four counters and the format of a
// typed character.
#include <gtest/gtest.h>

#include "ide/line_scanner.h"

namespace velmish_test {
namespace {

using ide::CharFormat;
using ide::ColourSpan;
using Spans = std::vector<ColourSpan>;

const CharFormat kKeyword{ide::paletteColour(12), true}, kOperator{ide::paletteColour(9), false},
    kValue{ide::paletteColour(5), false}, kVariable{ide::paletteColour(6), true},
    kComment{ide::paletteColour(2), false}, kLabel{ide::paletteColour(1), true};

std::vector<ide::Identifier> table() {
    ide::SyntaxSettings settings;
    ide::readSyntaxSettings(
        "[GENERAL]\n[IDENTIFIERS]\n"
        "ECHO KEYWORD 12 1\nEND KEYWORD 12 1\nREM SINGLELINE_COMMENT 2 0\n% SINGLELINE_COMMENT 1 1\n"
        "\"\" VALUE 5 0\n'' VALUE 5 0\n[] VARIABLE 6 1\n# OPERATOR 9 0\n= OPERATOR 9 0\n' OPERATOR 9 0\n"
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ KEYWORD 12 1\n",
        settings);
    return settings.identifiers;
}

Spans spansOf(std::string_view line) { return ide::scanLine(line, table()).spans; }

TEST(LineScannerTest, QuotedSpansRunFromMarkToMarkOrToTheLineEnd) {
    EXPECT_EQ(spansOf("x \"a b\" y"), (Spans{{2, 7, kValue}}));
    EXPECT_EQ(spansOf("x \"a b"), (Spans{{2, 6, kValue}}));
    EXPECT_EQ(spansOf("[v]#[w]"), (Spans{{0, 3, kVariable}, {3, 4, kOperator}, {4, 7, kVariable}}));
    // The span swallows the operator inside it; its closing mark is tested as an operator.
    EXPECT_EQ(spansOf("'a=b'"), (Spans{{0, 5, kValue}, {4, 5, kOperator}}));
}

TEST(LineScannerTest, KeywordsMatchAnyCaseWhenNoLetterFollows) {
    EXPECT_EQ(spansOf("echo"), (Spans{{0, 4, kKeyword}}));
    EXPECT_EQ(spansOf("  Echo 'x'"), (Spans{{2, 6, kKeyword}, {7, 10, kValue}, {9, 10, kOperator}}));
    EXPECT_EQ(spansOf("ECHOX"), Spans{});
    EXPECT_EQ(spansOf("xECHO"), Spans{});
    EXPECT_EQ(spansOf("ECHO1"), (Spans{{0, 4, kKeyword}}));
    EXPECT_EQ(spansOf("=END"), (Spans{{0, 1, kOperator}, {1, 4, kKeyword}}));
    EXPECT_EQ(spansOf("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), Spans{});  // longer than a word can be
}

TEST(LineScannerTest, AfterACommentWordNothingElseIsColouredButMarksStillCount) {
    ide::LineScan scan = ide::scanLine("ECHO 'a' REM ECHO [b] # 'c", table());
    EXPECT_EQ(scan.spans, (Spans{{0, 4, kKeyword}, {5, 8, kValue}, {7, 8, kOperator}, {9, 26, kComment}}));
    EXPECT_EQ(scan.counts, (ide::LineCounts{5, 2, 1, 1}));
    EXPECT_EQ(spansOf("  %loop"), (Spans{{2, 7, kLabel}}));
}

TEST(LineScannerTest, TheTypedCharacterTakesTheFormatOfAnOpenSpanOrComment) {
    auto typed = [](std::string_view line, size_t caret) { return ide::typingFormat(line, caret, table()); };
    EXPECT_EQ(typed("ECHO 'abc", 9), kValue);
    EXPECT_EQ(typed("ECHO 'abc' x", 7), kValue);  // inside a closed span
    EXPECT_EQ(typed("ECHO 'abc' x", 10), ide::kPlainFormat);
    EXPECT_EQ(typed("LET [na", 7), kVariable);
    EXPECT_EQ(typed("x REM", 5), kComment);
    EXPECT_EQ(typed("x REM 'a' ", 10), kComment);
    EXPECT_EQ(typed("ECHO", 4), ide::kPlainFormat);
    EXPECT_EQ(typed("ECHO", 40), ide::kPlainFormat);
}

}  // namespace
}  // namespace velmish_test
