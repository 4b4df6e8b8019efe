// Rich text for whole coloured documents: the lines of an editor text and the RTF stream.
#include <gtest/gtest.h>

#include "ide/rich_text.h"

namespace velmish_test {
namespace {

using ide::CharFormat;
using ide::ColourSpan;

constexpr CharFormat kNavyBold{{0, 0, 128}, true};
constexpr CharFormat kGreen{{0, 128, 0}, false};

// The part of the stream after its header.
std::string body(const std::string& rtf) {
    std::string start = "\\pard\\plain\\f0\\fs20 ";
    return rtf.substr(rtf.find(start) + start.size());
}

TEST(RichTextTest, LinesOfAnEditorTextEndInCrLf) {
    auto lines = ide::crlfLines("ab\r\n\r\ncde\r\n");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 4u);
    EXPECT_EQ((*lines)[2].start, 6u);
    EXPECT_EQ((*lines)[2].length, 3u);
    EXPECT_EQ((*lines)[3].start, 11u);
    EXPECT_EQ((*lines)[3].length, 0u);
    EXPECT_EQ(ide::crlfLines("")->size(), 1u);
    EXPECT_FALSE(ide::crlfLines("a\nb"));
    EXPECT_FALSE(ide::crlfLines("a\rb"));
    EXPECT_FALSE(ide::crlfLines("a\r"));
    EXPECT_EQ(ide::crlfLines(u"a\u00e9\r\nb")->at(1).start, 4u);  // shown text counts UTF-16 units
}

TEST(RichTextTest, SpansBecomeRunsAndLaterSpansWin) {
    std::vector<ide::ColouredLine> lines = {
        {u"ECHO hi", {{0, 4, kNavyBold}}},
        {u"REM x", {{0, 5, kGreen}, {4, 5, kNavyBold}}},
    };
    std::string rtf = ide::richText(lines);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;}"),
              std::string::npos);
    EXPECT_EQ(body(rtf), "\\cf1 \\cf2 \\b ECHO\\cf1 \\b0  hi\\par\n\\cf3 REM \\cf2 \\b x}");
}

TEST(RichTextTest, SpecialCharactersAreEscapedAndTheLastLineHasNoParagraphMark) {
    std::vector<ide::ColouredLine> lines = {{u"{a}\\\tb\u00e9\x01", {}}, {u"", {}}};
    EXPECT_EQ(body(ide::richText(lines)), "\\cf1 \\{a\\}\\\\\\tab b\\u233?\\'01\\par\n}");
}

TEST(RichTextTest, CharactersAboveTheAsciiRangeAreNamedByTheirUnicodeValue) {
    // The euro sign; a Japanese character; U+FFFF written as a signed 16-bit number.
    EXPECT_EQ(body(ide::richText({{u"\u20ac\u3042\uffff", {}}})), "\\cf1 \\u8364?\\u12354?\\u-1?}");
}

}  // namespace
}  // namespace velmish_test
