// velmish.lng: which lines replace which texts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ide/language_file.h"

namespace velmish_test {
namespace {

using ide::Caption;

ide::Captions applied(const std::string& text) {
    ide::Captions captions;
    ide::applyLanguageFile(text, captions);
    return captions;
}

TEST(LanguageFileTest, KeysMatchExactlyAndOnlyTheFirstEqualsSignSplits) {
    EXPECT_EQ(applied("Menu_File=&Datei")[Caption::File1], "&Datei");
    EXPECT_EQ(applied("Menu_File = &Datei")[Caption::File1], "&File");
    EXPECT_EQ(applied("menu_file=x")[Caption::File1], "&File");
    EXPECT_EQ(applied("Menu_File=a=b ")[Caption::File1], "a=b ");
    EXPECT_EQ(applied("Menu_File=")[Caption::File1], "");
    EXPECT_EQ(applied("Menu_File\nUnknown=x\n=y")[Caption::File1], "&File");
}

TEST(LanguageFileTest, LaterLinesWinAndOneKeyMayNameTwoElements) {
    auto captions = applied("Menu_Help=one\r\nMenu_Help=two\r\nMenu_Edit_Copy=Kopieren\nTooltip_Help=last");
    EXPECT_EQ(captions[Caption::Help1], "two");
    EXPECT_EQ(captions[Caption::Copy1], "Kopieren");
    EXPECT_EQ(captions[Caption::Copy2], "Kopieren");
    EXPECT_EQ(captions[Caption::Cut2], "C&ut");
    EXPECT_EQ(captions[Caption::ToolButton11], "last");
    EXPECT_FALSE(ide::loadLanguageFile("/nonexistent/velmish.lng", captions));
    EXPECT_EQ(captions[Caption::Help1], "two");
}

// The German file in the docs is a complete translation: every text differs from the built-in one,
// apart from words that are the same in both languages.
TEST(LanguageFileTest, TheShippedGermanFileTranslatesEveryText) {
    ide::Captions builtIn;
    ide::Captions german;
    ASSERT_TRUE(ide::loadLanguageFile(VELMISH_GERMAN_LNG, german));
    const std::set<std::string> sameInBoth = {"Step", "Trace", "Debug-Mode", "&Ok"};
    for (size_t i = 0; i < ide::kCaptionCount; ++i) {
        auto caption = static_cast<Caption>(i);
        if (sameInBoth.count(builtIn[caption])) continue;
        EXPECT_NE(german[caption], builtIn[caption]) << "text " << i << " is not translated";
    }
}

}  // namespace
}  // namespace velmish_test
