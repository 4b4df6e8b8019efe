// INPUTBOX, EDITBOX, LISTBOX, OPENBOX, SAVEBOX, FOLDERBOX and INFOBOX: what each command reads
// from the script, what it asks the desktop, and what it stores.
#include "commands/dialog_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_platform.h"

namespace velmish_test {
namespace {

using Lines = std::vector<std::string>;
using platform::DialogButton;
using Kind = DialogCall::Kind;
using Outcome = platform::FolderChoice::Outcome;

// The error text of a script made of this line and a REM after it.
std::string errorOf(const std::string& line) { return runScript(crlf({line, "REM"})).errorText(); }

// Runs the lines on the fake and returns the texts the ECHO boxes showed.
Lines shownBy(FakePlatform& fake, const Lines& lines) {
    RunResult result = runScript(fake, crlf(lines));
    EXPECT_EQ(result.errorText(), "");
    EXPECT_EQ(result.exitCode, 0);
    return result.shown;
}

// ---- INPUTBOX ----

TEST(InputBox, HandsOverTitlePromptAndDefaultAndStoresTheAnswer) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("typed text")};
    Lines shown =
        shownBy(fake, {"LET [t] = 'Name'", "INPUTBOX [answer] = 'Ask '#[t], 'Your '#[t]#':', 'Bob'", "ECHO [answer]"});
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::input);
    EXPECT_EQ(fake.dialogs[0].title, "Ask Name");
    EXPECT_EQ(fake.dialogs[0].text, "Your Name:");
    EXPECT_EQ(fake.dialogs[0].initialText, "Bob");
    EXPECT_EQ(shown, Lines{"typed text"});
}

TEST(InputBox, CancelStoresTheEmptyTextEvenWithADefault) {
    FakePlatform fake;
    fake.dialogAnswers = {std::nullopt};
    Lines shown = shownBy(fake, {"LET [a] = 'before'", "INPUTBOX [a] = 'T', 'P', 'default'", "ECHO '<'#[a]#'>'"});
    EXPECT_EQ(shown, Lines{"<>"});
}

TEST(InputBox, LeavesErrorcodeAlone) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("x"), std::nullopt};
    Lines shown = shownBy(fake, {"LET [errorcode] = '42'", "INPUTBOX [a] = 'T', 'P', ''", "ECHO [errorcode]",
                                 "INPUTBOX [a] = 'T', 'P', ''", "ECHO [errorcode]"});
    EXPECT_EQ(shown, (Lines{"42", "42"}));
}

TEST(InputBox, TargetNameIsTakenAsWritten) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("v")};
    Lines shown = shownBy(fake, {"INPUTBOX [my Var] = 'T', 'P', 'D'", "ECHO [my Var]#'/'#[my var]"});
    EXPECT_EQ(shown, Lines{"v/"});
}

TEST(InputBox, ParseErrors) {
    EXPECT_EQ(errorOf("INPUTBOX [a] = 'T', 'P', 'D' x"), "Line 1, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX [a] = 'T' 'P', 'D'"), "Line 1, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX [a] = 'T', 'P'; 'D'"), "Line 1, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX [a] 'T', 'P', 'D'"), "Line 1, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX a = 'T', 'P', 'D'"), "Line 1, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX [a] = T, 'P', 'D'"), "Line 1, Error 00: Parse error at INPUTBOX");
    // A line end where a comma belongs is a parse error; after a comma, a missing value.
    EXPECT_EQ(errorOf("INPUTBOX [a] = 'T', 'P'"), "Line 2, Error 00: Parse error at INPUTBOX");
    EXPECT_EQ(errorOf("INPUTBOX [a] = 'T', 'P',"), "Line 2, Error 03: Parameter expected at INPUTBOX");
    // Nothing was asked when the line does not parse.
    FakePlatform fake;
    runScript(fake, crlf({"INPUTBOX [a] = 'T', 'P', 'D' x"}));
    EXPECT_TRUE(fake.dialogs.empty());
}

TEST(InputBox, BlanksAfterTheDefaultAreAllowed) {
    FakePlatform fake;
    RunResult result = runScript(fake, crlf({"INPUTBOX [a] = 'T' , 'P' ,  'D'   ", "REM"}));
    EXPECT_EQ(result.errorText(), "");
    EXPECT_EQ(fake.dialogs.size(), 1u);
}

// ---- captions ----

TEST(DialogCaptions, StartValuesReachTheButtons) {
    FakePlatform fake;
    runScript(fake, crlf({"REM"}));
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "OK");
    EXPECT_EQ(fake.captions[DialogButton::inputCancel], "Cancel");
    EXPECT_EQ(fake.captions[DialogButton::editOk], "&Ok");
    EXPECT_EQ(fake.captions[DialogButton::editCancel], "&Cancel");
    EXPECT_EQ(fake.captions[DialogButton::listOk], "&Ok");
}

TEST(DialogCaptions, AssigningACaptionVariableChangesTheButtonAtOnce) {
    FakePlatform fake;
    fake.onMessageBox = [&fake](const Box& box) {
        // The caption is already changed when the next command runs.
        if (box.text == "after IBox_Ok") {
            EXPECT_EQ(fake.captions[DialogButton::inputOk], "Go");
        }
    };
    shownBy(fake, {"LET [IBox_Ok] = 'Go'", "ECHO 'after IBox_Ok'", "LET [IBox_Cancel] = 'Stop'",
                   "INPUTBOX [EditBox_Ok] = 'T', 'P', ''", "LINKVAR [EditBox_Cancel] = 'No', 'pe'",
                   "LET [ListBox_Ok] = '&Pick'"});
    EXPECT_EQ(fake.captions[DialogButton::inputOk], "Go");
    EXPECT_EQ(fake.captions[DialogButton::inputCancel], "Stop");
    // A cancelled INPUTBOX stores the empty text, through the write hook too.
    EXPECT_EQ(fake.captions[DialogButton::editOk], "");
    EXPECT_EQ(fake.captions[DialogButton::editCancel], "Nope");
    EXPECT_EQ(fake.captions[DialogButton::listOk], "&Pick");
    EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), "caption inputOk=Go"), fake.calls.end());
}

// ---- EDITBOX ----

TEST(EditBox, LineFeedsAreHandedOverAsCrLfAndCarriageReturnsAreDroppedBack) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("one\r\ntwo\r\n\r\nthree\rfour")};
    Lines shown = shownBy(fake, {"LET [t] = 'a'#[new_line]#'b'#[new_line]#'c'", "EDITBOX [e] = 'Edit', [t], ''",
                                 "GETLEN [n] = [e]", "ECHO [e]", "ECHO [n]"});
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::edit);
    EXPECT_EQ(fake.dialogs[0].title, "Edit");
    EXPECT_EQ(fake.dialogs[0].text, "a\r\nb\r\nc");
    EXPECT_FALSE(fake.dialogs[0].readOnly);
    EXPECT_EQ(shown, (Lines{"one\ntwo\n\nthreefour", "18"}));
}

TEST(EditBox, AnUnchangedTextComesBackWithSingleLineFeeds) {
    const Lines script = {"LET [t] = 'x'#[new_line]#[new_line]#'y'", "EDITBOX [e] = 'T', [t], 'READONLY'",
                          "IF [e] = [t] ECHO 'same'"};
    FakePlatform first;
    shownBy(first, script);
    ASSERT_EQ(first.dialogs.size(), 1u);
    EXPECT_EQ(first.dialogs[0].text, "x\r\n\r\ny");
    EXPECT_TRUE(first.dialogs[0].readOnly);
    // OK without a change gives back exactly what the control was handed.
    FakePlatform fake;
    fake.dialogAnswers = {first.dialogs[0].text};
    EXPECT_EQ(shownBy(fake, script), Lines{"same"});
}

TEST(EditBox, ModeWords) {
    const std::pair<const char*, bool> cases[] = {
        {"READONLY", true}, {"readonly", true}, {"  ReadOnly  ", true}, {"1", true},         {" 1", true},
        {"01", true},       {"1x", true},       {"EDITABLE", false},    {"editable", false}, {"2", false},
        {"0", false},       {"", false},        {"yes", false},         {"-1", false},       {"READ ONLY", false},
    };
    for (const auto& [mode, readOnly] : cases) {
        FakePlatform fake;
        shownBy(fake, {std::string("EDITBOX [e] = 'T', 'text', '") + mode + "'"});
        ASSERT_EQ(fake.dialogs.size(), 1u) << mode;
        EXPECT_EQ(fake.dialogs[0].readOnly, readOnly) << "mode '" << mode << "'";
        EXPECT_EQ(commands::editBoxReadOnly(mode), readOnly) << mode;
    }
}

TEST(EditBox, SizesComeFromTheSizeVariablesAtEachUse) {
    FakePlatform fake;
    shownBy(fake, {"EDITBOX [e] = 'T', 'x', ''", "LET [EditBox_Width] = '500'", "LET [EditBox_Height] = ' 321px'",
                   "EDITBOX [e] = 'T', 'x', ''", "LET [EditBox_Width] = 'wide'", "EDITBOX [e] = 'T', 'x', ''"});
    ASSERT_EQ(fake.dialogs.size(), 3u);
    EXPECT_EQ(fake.dialogs[0].width, 350);
    EXPECT_EQ(fake.dialogs[0].height, 238);
    EXPECT_EQ(fake.dialogs[1].width, 500);
    EXPECT_EQ(fake.dialogs[1].height, 321);
    EXPECT_EQ(fake.dialogs[2].width, 0);
}

TEST(EditBox, CancelStoresTheEmptyTextAlsoWhenReadOnly) {
    FakePlatform fake;
    fake.dialogAnswers = {std::nullopt, std::nullopt};
    Lines shown = shownBy(fake, {"LET [e] = 'x'", "EDITBOX [e] = 'T', 'text', 'READONLY'", "ECHO '<'#[e]#'>'",
                                 "LET [f] = 'x'", "EDITBOX [f] = 'T', 'text', 'EDITABLE'", "ECHO '<'#[f]#'>'"});
    EXPECT_EQ(shown, (Lines{"<>", "<>"}));
}

TEST(EditBox, ParseErrors) {
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x', 'READONLY' 'y'"), "Line 1, Error 00: Parse error at EDITBOX");
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x', 'READONLY', 'y'"), "Line 1, Error 00: Parse error at EDITBOX");
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x' 'READONLY'"), "Line 1, Error 00: Parse error at EDITBOX");
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x', READONLY"), "Line 1, Error 00: Parse error at EDITBOX");
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x'"), "Line 2, Error 00: Parse error at EDITBOX");
    EXPECT_EQ(errorOf("EDITBOX [e] = 'T', 'x',"), "Line 2, Error 03: Parameter expected at EDITBOX");
}

// ---- LISTBOX ----

TEST(ListBox, ItemsAreSplitAtEveryBar) {
    const std::pair<const char*, Lines> cases[] = {
        {"a|b||c", {"a", "b", "", "c"}}, {"", {""}}, {"a|", {"a", ""}}, {"|", {"", ""}}, {"only", {"only"}},
        {" x | y ", {" x ", " y "}},
    };
    for (const auto& [items, entries] : cases) {
        FakePlatform fake;
        shownBy(fake, {std::string("LISTBOX [l] = 'Pick', '") + items + "'"});
        ASSERT_EQ(fake.dialogs.size(), 1u) << items;
        EXPECT_EQ(fake.dialogs[0].kind, Kind::list);
        EXPECT_EQ(fake.dialogs[0].title, "Pick");
        EXPECT_EQ(fake.dialogs[0].entries, entries) << items;
        EXPECT_EQ(commands::listBoxEntries(items), entries) << items;
    }
}

TEST(ListBox, StoresTheChosenEntryOrTheEmptyText) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("b"), std::nullopt};
    Lines shown = shownBy(fake, {"LET [items] = 'a|b||c'", "LISTBOX [l] = 'T', [items]", "ECHO [l]",
                                 "LISTBOX [l] = 'T', [items]", "ECHO '<'#[l]#'>'"});
    EXPECT_EQ(shown, (Lines{"b", "<>"}));
}

TEST(ListBox, EntriesOfAnyLengthArriveWhole) {
    std::string longEntry(5000, 'x');
    longEntry += "end";
    FakePlatform fake;
    fake.dialogAnswers = {longEntry};
    Lines shown = shownBy(fake, {"LISTBOX [l] = 'T', 'short|" + longEntry + "|z'", "GETLEN [n] = [l]", "ECHO [n]"});
    ASSERT_EQ(fake.dialogs.size(), 1u);
    ASSERT_EQ(fake.dialogs[0].entries.size(), 3u);
    EXPECT_EQ(fake.dialogs[0].entries[1], longEntry);
    EXPECT_EQ(shown, Lines{"5003"});
}

TEST(ListBox, SizesComeFromTheSizeVariables) {
    FakePlatform fake;
    shownBy(fake, {"LISTBOX [l] = 'T', 'a'", "LET [ListBox_Width] = '200'", "LET [ListBox_Height] = '90'",
                   "LISTBOX [l] = 'T', 'a'"});
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[0].width, 130);
    EXPECT_EQ(fake.dialogs[0].height, 176);
    EXPECT_EQ(fake.dialogs[1].width, 200);
    EXPECT_EQ(fake.dialogs[1].height, 90);
}

TEST(ListBox, ParseErrors) {
    EXPECT_EQ(errorOf("LISTBOX [l] = 'T', 'a|b' 'c'"), "Line 1, Error 00: Parse error at LISTBOX");
    EXPECT_EQ(errorOf("LISTBOX [l] = 'T', 'a|b', 'c'"), "Line 1, Error 00: Parse error at LISTBOX");
    EXPECT_EQ(errorOf("LISTBOX [l] = 'T' 'a|b'"), "Line 1, Error 00: Parse error at LISTBOX");
    EXPECT_EQ(errorOf("LISTBOX [l] = 'T'"), "Line 2, Error 00: Parse error at LISTBOX");
    EXPECT_EQ(errorOf("LISTBOX [l] 'T', 'a'"), "Line 1, Error 00: Parse error at LISTBOX");
}

// ---- OPENBOX, SAVEBOX ----

TEST(FileBox, OpenBoxAsksWithTitleFilterAndCurrentDirectory) {
    FakePlatform fake;
    fake.directory = "/data/work";
    fake.dialogAnswers = {std::string("/data/work/a.txt")};
    Lines shown = shownBy(fake, {"LET [errorcode] = '9'", "OPENBOX [f] = 'Open it', 'Text|*.txt|All|*.*'", "ECHO [f]",
                                 "ECHO [errorcode]"});
    ASSERT_EQ(fake.dialogs.size(), 1u);
    const platform::FileDialogRequest& request = fake.dialogs[0].fileRequest;
    EXPECT_EQ(fake.dialogs[0].kind, Kind::file);
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "Open it");
    EXPECT_EQ(request.filter, "Text|*.txt|All|*.*");
    EXPECT_EQ(request.initialDirectory, "/data/work");
    EXPECT_FALSE(request.multiSelect);
    EXPECT_EQ(shown, (Lines{"/data/work/a.txt", "0"}));
}

TEST(FileBox, SaveBoxIsTheSaveDialog) {
    FakePlatform fake;
    fake.dialogAnswers = {std::string("out.txt")};
    Lines shown = shownBy(fake, {"SAVEBOX [f] = 'Save', '*.txt'", "ECHO [f]#' '#[errorcode]"});
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_TRUE(fake.dialogs[0].fileRequest.save);
    EXPECT_EQ(shown, Lines{"out.txt 0"});
}

TEST(FileBox, CancelStoresTheEmptyTextAndMinusOne) {
    FakePlatform fake;
    fake.dialogAnswers = {std::nullopt, std::nullopt};
    Lines shown = shownBy(fake, {"LET [f] = 'old'", "OPENBOX [f] = 'T', '*.*'", "ECHO '<'#[f]#'> '#[errorcode]",
                                 "LET [g] = 'old'", "SAVEBOX [g] = 'T', '*.*'", "ECHO '<'#[g]#'> '#[errorcode]"});
    EXPECT_EQ(shown, (Lines{"<> -1", "<> -1"}));
}

TEST(FileBox, MultiSelectionFollowsItsOwnVariable) {
    FakePlatform fake;
    fake.dialogAnswers = {std::nullopt, std::nullopt, std::string("/d|a|b|c")};
    Lines shown =
        shownBy(fake, {"OPENBOX [f] = 'T', ''", "SAVEBOX [f] = 'T', ''", "LET [OpenBox_MultiSel] = '0'",
                       "OPENBOX [f] = 'T', ''", "ECHO [f]", "SAVEBOX [f] = 'T', ''", "LET [SaveBox_MultiSel] = 'yes'",
                       "LET [OpenBox_MultiSel] = '-1'", "SAVEBOX [f] = 'T', ''", "OPENBOX [f] = 'T', ''"});
    ASSERT_EQ(fake.dialogs.size(), 6u);
    std::vector<bool> multi;
    for (const DialogCall& call : fake.dialogs) multi.push_back(call.fileRequest.multiSelect);
    EXPECT_EQ(multi, (std::vector<bool>{false, false, true, false, true, false}));
    EXPECT_EQ(shown, Lines{"/d|a|b|c"});
}

TEST(FileBox, ParseErrors) {
    EXPECT_EQ(errorOf("OPENBOX [f] = 'T', '*.*' x"), "Line 1, Error 00: Parse error at OPENBOX");
    EXPECT_EQ(errorOf("OPENBOX [f] = 'T'; '*.*'"), "Line 1, Error 00: Parse error at OPENBOX");
    EXPECT_EQ(errorOf("SAVEBOX [f] = 'T'"), "Line 2, Error 00: Parse error at SAVEBOX");
    EXPECT_EQ(errorOf("SAVEBOX [f] = 'T', *.*"), "Line 1, Error 00: Parse error at SAVEBOX");
}

// ---- FOLDERBOX ----

TEST(FolderBox, ChosenCancelledAndFailed) {
    FakePlatform fake;
    fake.folderAnswers = {platform::FolderChoice{Outcome::chosen, "/home/tester/docs"},
                          platform::FolderChoice{Outcome::cancelled, "/ignored"},
                          platform::FolderChoice{Outcome::failed, "/ignored"}};
    Lines shown =
        shownBy(fake, {"LET [errorcode] = '7'", "FOLDERBOX [d] = 'Where?', '/home/tester'", "ECHO [d]#' '#[errorcode]",
                       "LET [errorcode] = '7'", "FOLDERBOX [d] = 'T', '/x'", "ECHO '<'#[d]#'> '#[errorcode]",
                       "LET [d] = 'old'", "FOLDERBOX [d] = 'T', '/x'", "ECHO '<'#[d]#'> '#[errorcode]"});
    ASSERT_EQ(fake.dialogs.size(), 3u);
    EXPECT_EQ(fake.dialogs[0].kind, Kind::folder);
    EXPECT_EQ(fake.dialogs[0].title, "Where?");
    EXPECT_EQ(fake.dialogs[0].initialText, "/home/tester");
    EXPECT_EQ(shown, (Lines{"/home/tester/docs 0", "<> 0", "<> -1"}));
}

TEST(FolderBox, ParseErrors) {
    EXPECT_EQ(errorOf("FOLDERBOX [d] = 'T', '/' '/'"), "Line 1, Error 00: Parse error at FOLDERBOX");
    EXPECT_EQ(errorOf("FOLDERBOX [d] = 'T'"), "Line 2, Error 00: Parse error at FOLDERBOX");
    EXPECT_EQ(errorOf("FOLDERBOX [d] = 'T',"), "Line 2, Error 03: Parameter expected at FOLDERBOX");
}

// ---- INFOBOX ----

// The info box visibility changes the script made (the start-up value is left out).
std::vector<bool> infoChanges(const FakePlatform& fake) {
    EXPECT_FALSE(fake.infoBoxVisibility.empty());
    if (fake.infoBoxVisibility.empty()) return {};
    return std::vector<bool>(fake.infoBoxVisibility.begin() + 1, fake.infoBoxVisibility.end());
}

TEST(InfoBox, ModeHidesOrShows) {
    const std::pair<const char*, bool> cases[] = {
        {"HIDE", false}, {"hide", false}, {"Hide", false}, {"-1", false},      {"SHOW", true},
        {"", true},      {"0", true},     {"1", true},     {"anything", true},
    };
    for (const auto& [mode, visible] : cases) {
        FakePlatform fake;
        Lines shown = shownBy(fake, {std::string("INFOBOX 'Working', '") + mode + "'", "ECHO [InfoBox_Enabled]"});
        EXPECT_EQ(infoChanges(fake), std::vector<bool>{visible}) << mode;
        EXPECT_EQ(shown, Lines{visible ? "0" : "-1"}) << mode;
    }
}

TEST(InfoBox, PlacesTheTextWithTheSizeVariables) {
    FakePlatform fake;
    shownBy(fake, {"INFOBOX 'Step '#'1', 'SHOW'", "LET [InfoBox_Width] = '400'", "LET [InfoBox_Height] = '50'",
                   "INFOBOX 'Step 2', 'hide'"});
    EXPECT_EQ(fake.infoBoxPlacements, (Lines{"Step 1 300x24", "Step 2 400x50"}));
    EXPECT_EQ(infoChanges(fake), (std::vector<bool>{true, false}));
}

TEST(InfoBox, AssigningInfoBoxEnabledShowsOrHidesAtOnce) {
    FakePlatform fake;
    shownBy(fake, {"INFOBOX 'x', 'show'", "LET [InfoBox_Enabled] = '-1'", "LET [InfoBox_Enabled] = 'yes'",
                   "LET [InfoBox_Enabled] = 'hide'", "LET [InfoBox_Enabled] = '0'"});
    EXPECT_EQ(infoChanges(fake), (std::vector<bool>{true, false, true, false, true}));
}

TEST(InfoBox, ParseErrors) {
    EXPECT_EQ(errorOf("INFOBOX 'a', 'SHOW' 'x'"), "Line 1, Error 00: Parse error at INFOBOX");
    EXPECT_EQ(errorOf("INFOBOX 'a' 'SHOW'"), "Line 1, Error 00: Parse error at INFOBOX");
    EXPECT_EQ(errorOf("INFOBOX 'a'"), "Line 2, Error 00: Parse error at INFOBOX");
    EXPECT_EQ(errorOf("INFOBOX a, 'SHOW'"), "Line 1, Error 00: Parse error at INFOBOX");
}

}  // namespace
}  // namespace velmish_test
