// Scripts' bytes as shown text and back: the encoding chosen, line ends kept, and an unchanged
// text saved as the very bytes read.
#include <gtest/gtest.h>

#include "ide/shown_text.h"

namespace velmish_test {
namespace {

using ide::ShownText;

// A system code page that holds ASCII only, as a two-byte page refuses a Windows-1252 "é".
class AsciiCodec final : public ide::TextCodec {
  public:
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string text;
        for (char c : bytes) {
            if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
            text += static_cast<char16_t>(c);
        }
        return text;
    }
    std::optional<std::string> encode(std::u16string_view text) const override {
        std::string bytes;
        for (char16_t c : text) {
            if (c >= 0x80) return std::nullopt;
            bytes += static_cast<char>(c);
        }
        return bytes;
    }
};

const AsciiCodec kAscii;
const ide::TextCodec* const kCandidates[] = {&kAscii, &ide::utf8Codec(), &ide::windows1252Codec()};

TEST(ShownTextTest, TheFirstEncodingThatGivesTheBytesBackShowsThemAndTheyAreSavedUnchanged) {
    ShownText latin("ECHO 'caf\xe9'\r\n", kCandidates);  // not ASCII, not UTF-8: Windows-1252
    EXPECT_EQ(&latin.codec(), &ide::windows1252Codec());
    EXPECT_EQ(latin.text(), u"ECHO 'caf\u00e9'\r\n");
    ShownText utf8("ECHO '\xe3\x81\x82'\nREM \xe2\x82\xac", kCandidates);
    EXPECT_EQ(&utf8.codec(), &ide::utf8Codec());
    EXPECT_EQ(utf8.text(), u"ECHO '\u3042'\r\nREM \u20ac");  // lines as the control holds them
    EXPECT_EQ(utf8.bytesFor(utf8.text()), "ECHO '\xe3\x81\x82'\nREM \xe2\x82\xac");
    ShownText ascii("a\r\nb", kCandidates);
    EXPECT_EQ(&ascii.codec(), &kAscii);

    // Every byte, the five Windows-1252 leaves unassigned included, comes back.
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    ShownText every(all, kCandidates);
    EXPECT_EQ(every.bytesFor(every.text()), all);
    EXPECT_EQ(*ide::windows1252Codec().encode(every.text().substr(0, 9)), all.substr(0, 9));

    ShownText mixed("a\r\nb\nc\rd", kCandidates);
    EXPECT_EQ(mixed.lineEnds(), ide::LineEnds::mixed);
    EXPECT_EQ(mixed.bytesFor(mixed.text()), "a\r\nb\nc\rd");
}

TEST(ShownTextTest, AnEditedTextKeepsItsEncodingAndLineEnds) {
    ShownText unix("ECHO 'caf\xe9'\nEND\n", kCandidates);
    EXPECT_EQ(unix.lineEnds(), ide::LineEnds::lf);
    EXPECT_EQ(unix.bytesFor(u"ECHO 'caf\u00e9!'\r\nEND\r\n"), "ECHO 'caf\xe9!'\nEND\n");
    EXPECT_EQ(unix.bytesFor(u"x \u3042 \u20ac"), "x ? \x80");  // no Japanese in Windows-1252

    ShownText mac("a\rb", kCandidates);
    EXPECT_EQ(mac.bytesFor(u"a\r\nbc"), "a\rbc");
    ShownText mixed("a\r\nb\nc", kCandidates);
    EXPECT_EQ(mixed.bytesFor(u"a\r\nb\r\nc!"), "a\r\nb\r\nc!");

    ShownText utf8("\xf0\x9f\x98\x80", kCandidates);  // beyond the first 65,536: two UTF-16 units
    EXPECT_EQ(utf8.text().size(), 2u);
    EXPECT_EQ(utf8.bytesFor(utf8.text() + u"!"), "\xf0\x9f\x98\x80!");
}

TEST(ShownTextTest, StrictUtf8AndTheScannersView) {
    for (const char* bad : {"\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe3\x81"}) {
        EXPECT_FALSE(ide::utf8Codec().decode(bad)) << bad;  // overlong, surrogate, too large, cut short
    }
    EXPECT_FALSE(ide::utf8Codec().encode(u"\xd800"));  // half a surrogate pair
    EXPECT_EQ(ide::scannerText(u"ECHO '\u3042'"), "ECHO '\x80'");
}

// The Linux editor holds UTF-8 with LF lines: a Windows-1252 CR LF script shows as UTF-8 and saves
// back byte for byte, an edit keeps its encoding and line ends, and a new document gets LF.
TEST(ShownTextTest, AUtf8ToolkitGetsLfLinesAndSavesInTheScriptsOwnEncodingAndLineEnds) {
    const ide::TextCodec* const utf8First[] = {&ide::utf8Codec(), &ide::windows1252Codec()};
    ShownText latin("ECHO 'caf\xe9'\r\nREM \x80\r\n", utf8First, ide::LineEnds::lf);
    EXPECT_EQ(latin.utf8Text(), "ECHO 'caf\xc3\xa9'\nREM \xe2\x82\xac\n");
    EXPECT_EQ(latin.bytesForUtf8(latin.utf8Text()), "ECHO 'caf\xe9'\r\nREM \x80\r\n");
    EXPECT_EQ(latin.bytesForUtf8("ECHO '\xc3\xa9\xe2\x82\xac'\nX\n"), "ECHO '\xe9\x80'\r\nX\r\n");
    EXPECT_EQ(latin.bytesForUtf8("ECHO '\xe3\x81\x82'"), "ECHO '?'");  // no such character in 1252

    ShownText fresh("", utf8First, ide::LineEnds::lf);
    EXPECT_EQ(&fresh.codec(), &ide::utf8Codec());
    EXPECT_EQ(fresh.bytesForUtf8("ECHO '\xe2\x82\xac'\nX\n"), "ECHO '\xe2\x82\xac'\nX\n");
    // The scanner counts characters, as GTK's line offsets do.
    EXPECT_EQ(ide::scannerTextOfUtf8("'\xc3\xa9\xe2\x82\xac' x"), "'\x80\x80' x");
    // A NUL byte, which no editor control holds, shows as the symbol for NUL and saves as NUL.
    ShownText nul(std::string("A\0B\r\n", 5), utf8First, ide::LineEnds::lf);
    EXPECT_EQ(nul.utf8Text(),
              "A\xe2\x90\x80"
              "B\n");
    EXPECT_EQ(nul.bytesForUtf8("A\xe2\x90\x80"
                               "B\nC"),
              std::string("A\0B\r\nC", 6));
    ShownText mixed("A\r\nB\nC", utf8First, ide::LineEnds::lf);
    EXPECT_EQ(mixed.bytesForUtf8(mixed.utf8Text()), "A\r\nB\nC");
}

}  // namespace
}  // namespace velmish_test
