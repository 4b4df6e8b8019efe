// Rich text for whole coloured documents: the lines of an editor text and the RTF stream.
#include <gtest/gtest.h>

#include "ide/rich_text.h"

namespace velmish_test {
namespace {

using ide::CharFormat;
using ide::ColourSpan;

constexpr CharFormat kNavyBold{{0, 0, 128}, true};
constexpr CharFormat kGreen{{0, 128, 0}, false};

ide::UpperHalf latin1() {
    ide::UpperHalf half{};
    for (size_t i = 0; i < half.size(); ++i) half[i] = static_cast<uint16_t>(0x80 + i);
    return half;
}

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
}

TEST(RichTextTest, SpansBecomeRunsAndLaterSpansWin) {
    std::vector<ide::ColouredLine> lines = {
        {"ECHO hi", {{0, 4, kNavyBold}}},
        {"REM x", {{0, 5, kGreen}, {4, 5, kNavyBold}}},
    };
    std::string rtf = ide::richText(lines, latin1());
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;}"),
              std::string::npos);
    EXPECT_EQ(body(rtf), "\\cf1 \\cf2 \\b ECHO\\cf1 \\b0  hi\\par\n\\cf3 REM \\cf2 \\b x}");
}

TEST(RichTextTest, SpecialCharactersAreEscapedAndTheLastLineHasNoParagraphMark) {
    std::vector<ide::ColouredLine> lines = {{"{a}\\\tb\xe9\x01", {}}, {"", {}}};
    EXPECT_EQ(body(ide::richText(lines, latin1())), "\\cf1 \\{a\\}\\\\\\tab b\\u233?\\'01\\par\n}");
}

TEST(RichTextTest, CharactersAboveTheAsciiRangeAreNamedByTheirSystemCodePageValue) {
    ide::UpperHalf half = latin1();
    half[0x80 - 0x80] = 0x20AC;  // the euro sign of Windows-1252
    half[0xff - 0x80] = 0xFFFF;  // written as a signed 16-bit number
    EXPECT_EQ(body(ide::richText({{"\x80\xff", {}}}, half)), "\\cf1 \\u8364?\\u-1?}");
}

}  // namespace
}  // namespace velmish_test
