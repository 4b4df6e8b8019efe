// Saving and reading script files: a save replaces the old file only with a complete new one.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/document_file.h"

namespace velmish_test {
namespace {

namespace fs = std::filesystem;

TEST(DocumentFileTest, SaveReplacesTheFileWithTheExactBytesAndLeavesNothingBeside) {
    TempFolder folder;
    std::string path = folder / "a.vl", text = "ECHO 'x'\r\nREM \xe9\r\n";
    writeFile(path, "old text that is longer than the new one");
    EXPECT_EQ(ide::saveDocumentFile(path, text), "");
    EXPECT_EQ(readFile(path), text);
    EXPECT_EQ(folder.names(), std::set<std::string>{"a.vl"});
    EXPECT_TRUE(ide::documentFileExists(path));
    EXPECT_FALSE(ide::documentFileExists(folder / "none/a.vl"));
    EXPECT_FALSE(ide::readDocumentFile(folder / "none.vl").ok());
}

TEST(DocumentFileTest, AFailedSaveLeavesTheOldFileAndNamesIt) {
    TempFolder folder;
    // The new file beside it would need a name longer than the system allows.
    std::string path = folder / (std::string(250, 'n') + ".vl");
    writeFile(path, "old");
    std::string error = ide::saveDocumentFile(path, "new");
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(folder.names().size(), 1u);

    fs::create_directory(folder / "dir.vl");
    EXPECT_NE(ide::saveDocumentFile(folder / "dir.vl", "new"), "");
    EXPECT_TRUE(fs::is_directory(folder / "dir.vl"));
}

TEST(DocumentFileTest, SaveKeepsALinkAndTheFilesPermissions) {
    TempFolder folder;
    std::string real = folder / "real.vl", link = folder / "link.vl";
    writeFile(real, "old");
    auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, perms);
    fs::create_symlink(real, link);
    EXPECT_EQ(ide::saveDocumentFile(link, "new"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(fs::status(real).permissions(), perms);
}

}  // namespace
}  // namespace velmish_test
