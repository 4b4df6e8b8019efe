// Find and Find next through a fake main window.
#include <gtest/gtest.h>

#include <deque>

#include "ide/find_commands.h"

namespace velmish_test {
namespace {

using ide::TextSelection;

class FakeFindWindow : public ide::FindFrontEnd {
  public:
    std::string text;
    TextSelection selected;
    std::deque<std::optional<std::string>> answers;  // to the find dialog; cancelled when empty
    std::vector<std::string> log;

    std::optional<std::string> askSearchText() override {
        log.push_back("dialog");
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string editorText() override { return text; }
    TextSelection selection() override { return selected; }
    void select(TextSelection selection) override { selected = selection; }
    int messageBox(const std::string& boxText, const std::string& caption, unsigned flags) override {
        log.push_back(std::to_string(flags) + " " + caption + ": " + boxText);
        return 1;
    }
};

class FindCommandsTest : public ::testing::Test {
  protected:
    ide::Captions captions;
    FakeFindWindow window;
    ide::FindCommands commands{window, captions};

    void SetUp() override { window.text = "ECHO 'a'\r\necho 'b'\r\nECHO 'c'"; }
};

TEST_F(FindCommandsTest, FindSelectsTheFirstOccurrenceWhereverTheCaretIs) {
    window.selected = {20, 0};
    window.answers = {"ECHO"};
    commands.find();
    EXPECT_EQ(window.selected, (TextSelection{0, 4}));
    window.answers = {"echo", std::nullopt};
    commands.find();
    EXPECT_EQ(window.selected, (TextSelection{10, 4}));  // letter case counts
    commands.find();                                     // cancelled: the search text stays
    EXPECT_EQ(commands.searchText(), "echo");
}

TEST_F(FindCommandsTest, AnEmptyOrMissingTextIsNotFound) {
    window.answers = {"", "ECHOX"};
    commands.find();
    commands.find();
    EXPECT_EQ(window.log, (std::vector<std::string>{"dialog", "64 Find: String could not be found.", "dialog",
                                                    "64 Find: String could not be found."}));
    EXPECT_EQ(window.selected, TextSelection{});
}

TEST_F(FindCommandsTest, FindNextGoesOnAfterTheSelectionAndNeverWraps) {
    window.answers = {"ECHO"};
    commands.findNext();  // before any search it is Find
    EXPECT_EQ(window.selected, (TextSelection{0, 4}));
    commands.findNext();
    EXPECT_EQ(window.selected, (TextSelection{20, 4}));
    captions.replace(ide::Caption::NoMoreMatches, "Fertig.");
    commands.findNext();
    EXPECT_EQ(window.selected, (TextSelection{20, 4}));
    EXPECT_EQ(window.log.back(), "64 Find: Fertig.");
}

TEST(FindTextTest, OccurrencesOverlappingTheSelectionAreSkipped) {
    EXPECT_EQ(ide::findText("aaaa", "aa", 2), (TextSelection{2, 2}));
    EXPECT_EQ(ide::findText("aaa", "aa", 2), std::nullopt);
    EXPECT_EQ(ide::findText("abc", "c", 9), std::nullopt);
}

}  // namespace
}  // namespace velmish_test
