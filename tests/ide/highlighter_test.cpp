// The highlighter's switches, the line check after a key release and auto-indent.
#include <gtest/gtest.h>

#include "ide/highlighter.h"

namespace velmish_test {
namespace {

class HighlighterTest : public ::testing::Test {
  protected:
    ide::Highlighter highlighter;
    void SetUp() override {
        ide::readSyntaxSettings(
            "[GENERAL]\nHIGHLIGHTING ON\nAUTOINDENT ON\n[IDENTIFIERS]\nECHO KEYWORD 12 1\n'' VALUE 5 0\n# OPERATOR 9\n",
            highlighter.settings());
    }
};

TEST_F(HighlighterTest, TheLineCheckAsksForAPassOnlyWhenTheCountsOrTheLineChange) {
    EXPECT_FALSE(highlighter.lineUnchanged(0, ""));  // nothing coloured yet
    ASSERT_EQ(highlighter.colourLine(3, "ECHO 'a'")->spans.size(), 2u);
    EXPECT_TRUE(highlighter.lineUnchanged(3, "ECHO 'abc'"));  // typing inside the span
    EXPECT_FALSE(highlighter.lineUnchanged(2, "ECHO 'a'"));
    EXPECT_FALSE(highlighter.lineUnchanged(3, "ECHO 'a'#"));
    EXPECT_FALSE(highlighter.lineUnchanged(3, "ECHO 'a"));
    EXPECT_FALSE(highlighter.lineUnchanged(3, "ECH 'a'"));

    EXPECT_EQ(ide::pastedLines(4, 3), (ide::LineRange{4, 6}));
    EXPECT_EQ(ide::pastedLines(4, 0), (ide::LineRange{4, 4}));

    highlighter.settings().highlighting = false;
    EXPECT_FALSE(highlighter.colourLine(0, "ECHO 'x'"));
    EXPECT_FALSE(highlighter.typingFormat("'x", 2));
    EXPECT_TRUE(highlighter.lineUnchanged(0, "ECHO"));
}

TEST_F(HighlighterTest, AutoIndentCopiesTheBlanksAndTabsOfTheLineAboveIntoANewEmptyLine) {
    EXPECT_EQ(highlighter.autoIndent(1, "", " \t ECHO 'x'"), " \t ");
    EXPECT_EQ(highlighter.autoIndent(1, "", "  "), "  ");
    EXPECT_EQ(highlighter.autoIndent(1, "ECHO", "  IF"), "");  // Enter split a line
    EXPECT_EQ(highlighter.autoIndent(0, "", ""), "");
    highlighter.settings().autoIndent = false;
    EXPECT_EQ(highlighter.autoIndent(1, "", "  IF"), "");
}

}  // namespace
}  // namespace velmish_test
