// Find and Find next through a fake main window.
#include <gtest/gtest.h>

#include "ide/find_commands.h"

namespace velmish_test {
namespace {

using ide::TextSelection;

class FindCommandsTest : public ::testing::Test, public ide::FindFrontEnd {
  protected:
    std::string text = "ECHO 'a'\r\necho 'b'\r\nECHO 'c'";
    TextSelection selected{20, 0};
    std::vector<std::optional<std::string>> answers;  // to the find dialog, last first
    std::vector<std::string> log;
    ide::Captions captions;
    ide::FindCommands commands{*this, captions};

    std::optional<std::string> askSearchText(const std::string& startText) override {
        log.push_back("dialog showing <" + startText + ">");
        auto answer = answers.empty() ? std::nullopt : answers.back();
        if (!answers.empty()) answers.pop_back();
        return answer;
    }
    std::string editorText() override { return text; }
    TextSelection selection() override { return selected; }
    void select(TextSelection selection) override { selected = selection; }
    void tell(ide::Notice kind, const std::string& text, const std::string& caption) override {
        log.push_back(std::string(kind == ide::Notice::information ? "notice " : "error ") + caption + ": " + text);
    }
};

TEST_F(FindCommandsTest, FindSelectsTheFirstExactOccurrenceWhereverTheCaretIs) {
    answers = {std::nullopt, "echo", "", "ECHOX", "ECHO"};
    commands.find();
    EXPECT_EQ(selected, (TextSelection{0, 4}));
    commands.find();
    commands.find();
    EXPECT_EQ(selected, (TextSelection{0, 4}));  // not found: the selection stays
    commands.find();
    EXPECT_EQ(selected, (TextSelection{10, 4}));  // letter case counts
    commands.find();                              // cancelled: the search text stays
    EXPECT_EQ(commands.searchText(), "echo");
    std::string notFound = "notice Find: String could not be found.";
    // The dialog starts with the text searched for last.
    EXPECT_EQ(
        log, (std::vector<std::string>{"dialog showing <>", "dialog showing <ECHO>", notFound, "dialog showing <ECHOX>",
                                       notFound, "dialog showing <>", "dialog showing <echo>"}));
}

TEST_F(FindCommandsTest, FindNextGoesOnAfterTheSelectionAndNeverWraps) {
    answers = {"ECHO"};
    commands.findNext();  // before any search it is Find
    EXPECT_EQ(selected, (TextSelection{0, 4}));
    commands.findNext();
    EXPECT_EQ(selected, (TextSelection{20, 4}));
    captions.replace(ide::Caption::NoMoreMatches, "Fertig.");
    commands.findNext();
    EXPECT_EQ(selected, (TextSelection{20, 4}));
    EXPECT_EQ(log.back(), "notice Find: Fertig.");
    // Occurrences overlapping the selection are skipped.
    EXPECT_EQ(ide::findText("aaaa", "aa", 2), (TextSelection{2, 2}));
    EXPECT_EQ(ide::findText("aaa", "aa", 2), std::nullopt);
    EXPECT_EQ(ide::findText("abc", "c", 9), std::nullopt);
}

}  // namespace
}  // namespace velmish_test
