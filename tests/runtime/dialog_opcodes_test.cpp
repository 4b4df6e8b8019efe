// The dialog commands in a compiled program: R008 (INPUTBOX), R032 (EDITBOX), R031 (LISTBOX),
// R022/R023 (OPENBOX/SAVEBOX), R037 (FOLDERBOX) and R038 (INFOBOX) ask the desktop what the
// interpreter asks and store the answers the same way, with system variables named by index.
#include <gtest/gtest.h>

#include "code_runner.h"

namespace velrun_test {
namespace {

using Shown = std::vector<std::string>;
using velmish_test::DialogCall;
using Kind = DialogCall::Kind;
using Outcome = platform::FolderChoice::Outcome;

TEST(RuntimeDialogs, InputBoxAsksAndStoresTheAnswerOrTheEmptyText) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("typed"), std::nullopt};
    CodeRun run = runLines(fake, {"R001[32]'Name'", "R001[0]'kept'", "R008[31]'Ask '#[32]'Your '#[32]'def'", "R027[31]",
                                  "R008[31]'t''p''default'", "R027'<'#[31]#'>'", "R027[0]"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::input);
    EXPECT_EQ(fake.dialogs[0].title, "Ask Name");
    EXPECT_EQ(fake.dialogs[0].text, "Your Name");
    EXPECT_EQ(fake.dialogs[0].initialText, "def");
    // A cancel stores the empty text; errorcode stays as it was.
    EXPECT_EQ(run.shown, (Shown{"typed", "<>", "kept"}));
}

TEST(RuntimeDialogs, EditBoxHandsOverCrLfAndDropsCarriageReturns) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("x\r\ny\r\n"), std::nullopt};
    CodeRun run = runLines(fake, {"R001[31]'a'#[24]#'b'", "R032[32]'Edit'[31]'readonly'", "R027[32]", "R001[19]'500'",
                                  "R001[20]'99'", "R032[32]'Edit'[31]'2'", "R027'<'#[32]#'>'"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::edit);
    EXPECT_EQ(fake.dialogs[0].text, "a\r\nb");
    EXPECT_TRUE(fake.dialogs[0].readOnly);
    EXPECT_EQ(fake.dialogs[0].width, 350);
    EXPECT_EQ(fake.dialogs[0].height, 238);
    EXPECT_FALSE(fake.dialogs[1].readOnly);
    EXPECT_EQ(fake.dialogs[1].width, 500);
    EXPECT_EQ(fake.dialogs[1].height, 99);
    EXPECT_EQ(run.shown, (Shown{"x\ny\n", "<>"}));
}

TEST(RuntimeDialogs, ListBoxEntriesAreSplitAndUnlimited) {
    std::string longEntry(4000, 'e');
    FakePlatform fake;
    fake.dialogAnswers = {longEntry, std::nullopt};
    CodeRun run = runLines(fake, {"R031[31]'Pick''a|b||" + longEntry + "'", "RF07[32][31]", "R027[32]", "R001[21]'200'",
                                  "R001[22]'50'", "R031[31]'Pick'''", "R027'<'#[31]#'>'"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::list);
    EXPECT_EQ(fake.dialogs[0].title, "Pick");
    EXPECT_EQ(fake.dialogs[0].entries, (Shown{"a", "b", "", longEntry}));
    EXPECT_EQ(fake.dialogs[0].width, 130);
    EXPECT_EQ(fake.dialogs[0].height, 176);
    EXPECT_EQ(fake.dialogs[1].entries, Shown{""});
    EXPECT_EQ(fake.dialogs[1].width, 200);
    EXPECT_EQ(fake.dialogs[1].height, 50);
    EXPECT_EQ(run.shown, (Shown{"4000", "<>"}));
}

TEST(RuntimeDialogs, FileBoxesSetErrorcodeAndFollowTheirMultiSelectionVariables) {
    FakePlatform fake;
    fake.directory = "/srv/here";
    fake.dialogAnswers = {std::string("/srv/here/a.txt"), std::nullopt, std::string("/d|x|y")};
    CodeRun run = runLines(fake, {"R022[31]'Open''Text|*.txt'", "R027[31]#' '#[0]", "R023[31]'Save''*.*'",
                                  "R027'<'#[31]#'> '#[0]", "R001[16]'0'", "R023[31]'Save''*.*'", "R027[31]#' '#[0]"});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(fake.dialogs.size(), 3u);
    const platform::FileDialogRequest& open = fake.dialogs[0].fileRequest;
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.title, "Open");
    EXPECT_EQ(open.filter, "Text|*.txt");
    EXPECT_EQ(open.initialDirectory, "/srv/here");
    EXPECT_FALSE(open.multiSelect);
    EXPECT_TRUE(fake.dialogs[1].fileRequest.save);
    EXPECT_FALSE(fake.dialogs[1].fileRequest.multiSelect);
    EXPECT_TRUE(fake.dialogs[2].fileRequest.multiSelect);
    EXPECT_EQ(run.shown, (Shown{"/srv/here/a.txt 0", "<> -1", "/d|x|y 0"}));
}

TEST(RuntimeDialogs, OpenBoxMultiSelection) {
    FakePlatform fake;
    CodeRun run = runLines(fake, {"R001[15]'0'", "R022[31]'t''f'", "R001[15]'-1'", "R022[31]'t''f'"});
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_TRUE(fake.dialogs[0].fileRequest.multiSelect);
    EXPECT_FALSE(fake.dialogs[1].fileRequest.multiSelect);
}

TEST(RuntimeDialogs, FolderBoxChosenCancelledFailed) {
    FakePlatform fake;
    fake.folderAnswers = {platform::FolderChoice{Outcome::chosen, "/home/a"},
                          platform::FolderChoice{Outcome::cancelled, {}}, platform::FolderChoice{Outcome::failed, {}}};
    CodeRun run = runLines(fake, {"R037[31]'Where''/home'", "R027[31]#' '#[0]", "R001[0]'5'", "R037[31]'W''/'",
                                  "R027'<'#[31]#'> '#[0]", "R037[31]'W''/'", "R027'<'#[31]#'> '#[0]"});
    ASSERT_EQ(fake.dialogs.size(), 3u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::folder);
    EXPECT_EQ(fake.dialogs[0].title, "Where");
    EXPECT_EQ(fake.dialogs[0].initialText, "/home");
    EXPECT_EQ(run.shown, (Shown{"/home/a 0", "<> 0", "<> -1"}));
}

TEST(RuntimeDialogs, InfoBoxShowsAndHidesWithItsSizes) {
    FakePlatform fake;
    CodeRun run = runLines(fake, {"R038'Busy''show'", "R027[28]", "R001[26]'120'", "R001[27]'30'", "R038'Done''HIDE'",
                                  "R027[28]", "R038'x''-1'", "R001[28]'1'"});
    EXPECT_EQ(fake.infoBoxPlacements, (Shown{"Busy 300x24", "Done 120x30", "x 120x30"}));
    // The start-up value hides it first.
    EXPECT_EQ(fake.infoBoxVisibility, (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(run.shown, (Shown{"0", "-1"}));
}

TEST(RuntimeDialogs, CaptionVariablesReachTheButtons) {
    FakePlatform fake;
    runLines(fake, {"R001[13]'Go'", "R001[14]'Stop'", "R001[17]'E'", "R001[18]'C'", "R001[23]'L'"});
    EXPECT_EQ(fake.captions[platform::DialogButton::inputOk], "Go");
    EXPECT_EQ(fake.captions[platform::DialogButton::inputCancel], "Stop");
    EXPECT_EQ(fake.captions[platform::DialogButton::editOk], "E");
    EXPECT_EQ(fake.captions[platform::DialogButton::editCancel], "C");
    EXPECT_EQ(fake.captions[platform::DialogButton::listOk], "L");
}

}  // namespace
}  // namespace velrun_test
