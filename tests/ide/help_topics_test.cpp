// Help on the word at the caret: which word names a reference anchor, the address that opens a
// page at one, and an anchor in the reference for every command and system variable.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/keywords.h"
#include "core/system_variables.h"
#include "ide/help_topics.h"

namespace velmish_test {
namespace {

using ide::referenceAnchor;

TEST(HelpTopicsTest, TheWordAtTheCaretNamesACommandOrASystemVariable) {
    EXPECT_EQ(referenceAnchor("copyfile 'a', 'b'", 0), "COPYFILE");
    EXPECT_EQ(referenceAnchor("copyfile 'a', 'b'", 8), "COPYFILE");  // just after the word
    EXPECT_EQ(referenceAnchor("IF [ErrorCode] = '0' END", 7), "errorcode");
    EXPECT_EQ(referenceAnchor("LET [VL_UseOldFileFunctions] = '0'", 10), "VL_UseOldFileFunctions");
    EXPECT_EQ(referenceAnchor("LETFILEATTS 'a', 'READONLY'", 3), "LETFILEATT");  // the second spelling
    EXPECT_EQ(referenceAnchor("ECHO [text]", 7), std::nullopt);                  // a variable, though TEXT is a command
    EXPECT_EQ(referenceAnchor("ECHO 'hello'", 8), std::nullopt);
    EXPECT_EQ(referenceAnchor("   ", 1), std::nullopt);
    EXPECT_EQ(referenceAnchor("", 5), std::nullopt);
}

TEST(HelpTopicsTest, APageAtAnAnchorIsAFileAddress) {
    EXPECT_EQ(ide::pageAddress("C:\\Program Files\\Velmish\\doc\\reference.html", "ECHO"),
              "file:///C:/Program%20Files/Velmish/doc/reference.html#ECHO");
    EXPECT_EQ(ide::pageAddress("/usr/share/doc/velmish/reference.html", "ECHO"),
              "file:///usr/share/doc/velmish/reference.html#ECHO");
    EXPECT_EQ(ide::pageAddress("C:\\a b\\reference.html", std::nullopt), "C:\\a b\\reference.html");
}

TEST(HelpTopicsTest, TheReferenceHasAnAnchorForEveryCommandAndSystemVariable) {
    std::ifstream file(VELMISH_REFERENCE_HTML);
    std::stringstream text;
    text << file.rdbuf();
    std::string html = text.str();
    ASSERT_FALSE(html.empty());
    auto anchored = [&](std::string_view name) {
        return html.find("id=\"" + std::string(name) + "\"") != std::string::npos;
    };
#define VELMISH_CHECK_KEYWORD(word, ...) EXPECT_TRUE(anchored(#word)) << #word;
    VELMISH_KEYWORDS(VELMISH_CHECK_KEYWORD)
#undef VELMISH_CHECK_KEYWORD
    for (int index = 0; index < interp::kFirstUserVariableIndex; ++index) {
        auto name = interp::scriptName(static_cast<interp::SystemVariable>(index));
        EXPECT_TRUE(anchored(name)) << name;
    }
    EXPECT_TRUE(anchored(interp::kUseOldFileFunctionsName));
}

}  // namespace
}  // namespace velmish_test
