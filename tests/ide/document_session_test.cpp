// The document commands through a fake main window: questions, dialogs, names, the modified mark
// and what lands on disk.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/document_session.h"

namespace velmish_test {
namespace {

using Log = std::vector<std::string>;

const std::string kDiscard = "ask discard: Do you really want to dicard the current file without saving?";
const std::string kQuit = "ask quit: Do you really want to quit without saving?";

class DocumentSessionTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ide::Captions captions;
    FakeDocumentWindow window;
    ide::DocumentSession session{window, captions};

    void SetUp() override { window.reportChangesTo = &session; }
    void type(const std::string& text) {
        window.text += text;
        session.editorChanged(false);
    }
    const ide::Document& doc() const { return session.document(); }
};

TEST(DocumentNameTest, ChosenNamesGetTheScriptExtensionUnlessTheyHaveItInAnyCase) {
    EXPECT_EQ(ide::withScriptExtension("test"), "test.vl");
    EXPECT_EQ(ide::withScriptExtension("TEST.VL"), "TEST.VL");
    EXPECT_EQ(ide::withScriptExtension("a.v"), "a.v.vl");
    EXPECT_EQ(ide::withScriptExtension("ab"), "ab.vl");
}

TEST_F(DocumentSessionTest, NewAsksOnlyForAModifiedDocumentAndNoKeepsEverything) {
    session.newDocument();
    EXPECT_EQ(window.take(), (Log{"text set", "title Velmish 4 - noname.vl"}));
    type("x");
    session.newDocument();
    EXPECT_EQ(window.take(), Log{kDiscard});
    EXPECT_EQ(window.text, "x");
    EXPECT_TRUE(doc().modified);
    window.answers = {true};
    session.newDocument();
    EXPECT_EQ(window.text, "");
    EXPECT_FALSE(doc().modified);
}

TEST_F(DocumentSessionTest, OpenChoosesTheFileFirstThenAsksAndLoadsItClean) {
    writeFile(folder / "b.vl", "ECHO 'b'\r\n");
    captions.replace(ide::Caption::OpenFileQuestion, "open?");
    type("unsaved");
    window.openChoices = {folder / "missing.vl", std::nullopt, folder / "b.vl", folder / "b.vl"};
    session.open();  // a path that does not exist: nothing
    session.open();  // cancelled
    session.open();  // answered No
    EXPECT_EQ(window.take(), (Log{"open dialog", "open dialog", "open dialog", "ask discard: open?"}));
    EXPECT_EQ(window.text, "unsaved");
    EXPECT_TRUE(doc().unnamed() && doc().modified);

    window.answers = {true};
    session.open();
    Log expected{"open dialog", "ask discard: open?", "text set", "title Velmish 4 - " + folder / "b.vl",
                 "caret at start"};
    EXPECT_EQ(window.take(), expected);
    EXPECT_EQ(window.text, "ECHO 'b'\r\n");
    EXPECT_FALSE(doc().modified);
}

TEST_F(DocumentSessionTest, SaveAsksForANameOnceAndCancellingChangesNothing) {
    type("ECHO 'x'\r\n");
    session.save();
    session.saveAs();
    EXPECT_TRUE(doc().unnamed() && doc().modified);
    EXPECT_TRUE(folder.names().empty());

    window.saveChoices = {folder / "test"};
    session.save();
    type("ECHO 'y'\r\n");
    session.save();
    EXPECT_EQ(window.take(),
              (Log{"save dialog", "save dialog", "save dialog", "title Velmish 4 - " + folder / "test.vl"}));
    EXPECT_EQ(readFile(folder / "test.vl"), "ECHO 'x'\r\nECHO 'y'\r\n");
    EXPECT_FALSE(doc().modified);

    window.saveChoices = {folder / "a.VL"};
    session.saveAs();
    EXPECT_EQ(doc().name, folder / "a.VL");
    EXPECT_EQ(readFile(folder / "a.VL"), "ECHO 'x'\r\nECHO 'y'\r\n");
}

// The dialog cannot ask itself: ".vl" may be added to the typed name after it closed.
TEST_F(DocumentSessionTest, SavingOverAnotherExistingFileAsksAndNoKeepsBoth) {
    writeFile(folder / "keep.vl", "old\r\n");
    type("new\r\n");
    const std::string question = "ask replace: " + folder / "keep.vl" + " already exists.\nDo you want to replace it?";
    window.saveChoices = {folder / "keep"};  // the naming step of Save
    session.save();
    window.saveChoices = {folder / "keep.vl"};
    session.saveAs();
    EXPECT_EQ(window.take(), (Log{"save dialog", question, "save dialog", question}));
    EXPECT_EQ(readFile(folder / "keep.vl"), "old\r\n");
    EXPECT_TRUE(doc().unnamed() && doc().modified);

    window.saveChoices = {folder / "keep"};
    window.answers = {true};
    session.saveAs();
    EXPECT_EQ(readFile(folder / "keep.vl"), "new\r\n");
    window.take();
    window.saveChoices = {folder / "keep"};  // its own file now: no question
    session.saveAs();
    EXPECT_EQ(window.take(), (Log{"save dialog", "title Velmish 4 - " + folder / "keep.vl"}));
}

TEST_F(DocumentSessionTest, AFailedWriteIsReportedAndTheDocumentStaysModified) {
    type("keep me");
    std::string unwritable = folder / "no such folder/a.vl";
    window.saveChoices = {unwritable};
    session.saveAs();
    Log log = window.take();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind("error Could not save " + unwritable, 0), 0u) << log[1];
    EXPECT_EQ(log[2], "title Velmish 4 - " + unwritable);  // Save goes on writing there
    session.save();
    EXPECT_TRUE(doc().modified);
}

TEST_F(DocumentSessionTest, QuitAndTheCloseGuardAskOnlyWhenTheUserChangedTheText) {
    session.editorChanged(true);  // a colouring pass
    EXPECT_TRUE(session.mayClose());
    type("x");
    EXPECT_FALSE(session.mayClose());
    session.quit();
    EXPECT_EQ(window.take(), (Log{kQuit, kQuit}));
    window.answers = {true};
    session.quit();
    EXPECT_TRUE(session.mayClose());  // the close that follows Quit does not ask again
    EXPECT_EQ(window.take(), (Log{kQuit, "quit"}));
}

TEST_F(DocumentSessionTest, AScriptNamedAtStartIsLoadedCleanAndNonameCountsAsUnnamed) {
    writeFile(folder / "start.vl", "REM\r\n");
    session.openAtStart(folder / "start.vl");
    EXPECT_EQ(window.take(), (Log{"text set", "title Velmish 4 - " + folder / "start.vl"}));
    EXPECT_FALSE(doc().modified);

    session.openAtStart("noname.vl");  // no such file here: reported, the name is kept
    Log log = window.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "title Velmish 4 - noname.vl");
    EXPECT_EQ(log[1].rfind("error ", 0), 0u);
    session.save();
    EXPECT_EQ(window.take(), Log{"save dialog"});
}

// With changes on disk watched (the Linux editor), another program's change is asked about once:
// Yes reloads, No keeps the text, which the next save writes; Save asks before writing.
TEST_F(DocumentSessionTest, AChangeOnDiskIsAskedAboutOnceAndYesReloadsWhileNoKeepsTheText) {
    std::string file = folder / "watched.vl";
    writeFile(file, "old");
    session.watchDiskChanges();
    session.openAtStart(file);
    session.checkDiskChange();
    window.take();

    writeFile(file, "changed on disk");
    type(" mine");
    session.checkDiskChange();  // No
    session.checkDiskChange();  // the same change: not asked again
    EXPECT_EQ(window.take(), Log{"ask reload: " + ide::reloadQuestion(file)});
    EXPECT_EQ(window.text, "old mine");
    EXPECT_TRUE(doc().modified);

    writeFile(file, "changed again");
    window.answers = {true};
    session.save();  // reloads instead of writing
    EXPECT_EQ(window.take(), (Log{"ask reload: " + ide::reloadQuestion(file), "text set", "caret at start",
                                  "title Velmish 4 - " + file}));
    EXPECT_EQ(window.text, "changed again");
    EXPECT_FALSE(doc().modified);

    writeFile(file, "third");
    type("!");
    session.save();  // No: written over the change
    EXPECT_EQ(readFile(file), "changed again!");
    session.checkDiskChange();  // its own save is no change
    EXPECT_EQ(window.take(), Log{"ask reload: " + ide::reloadQuestion(file)});
}

}  // namespace
}  // namespace velmish_test
