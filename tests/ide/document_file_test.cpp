// Saving and reading script files: saves replace the old file only with a complete new one.
#include <gtest/gtest.h>

#include "fake_front_end.h"
#include "ide/document_file.h"

namespace velmish_test {
namespace {

namespace fs = std::filesystem;

TEST(DocumentFileTest, SaveReplacesTheFileWithTheExactBytesAndLeavesNothingBeside) {
    TempFolder folder;
    std::string path = folder / "a.vl";
    writeFile(path, "old text that is longer than the new one");
    std::string text = "ECHO 'x'\r\nREM \xe9\r\n";
    EXPECT_EQ(ide::saveDocumentFile(path, text), "");
    EXPECT_EQ(readFile(path), text);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a.vl"});

    ide::FileRead read = ide::readDocumentFile(path);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.text, text);
}

TEST(DocumentFileTest, AFailedSaveLeavesTheOldFileAndReportsThePath) {
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
    EXPECT_NE(ide::saveDocumentFile(folder / "missing/a.vl", "new"), "");
}

TEST(DocumentFileTest, SaveKeepsALinkAndTheFilesPermissions) {
    TempFolder folder;
    std::string real = folder / "real.vl", link = folder / "link.vl";
    writeFile(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, link);
    EXPECT_EQ(ide::saveDocumentFile(link, "new"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(DocumentFileTest, MissingFilesDoNotExistAndCannotBeRead) {
    TempFolder folder;
    EXPECT_FALSE(ide::documentFileExists(folder / "none.vl"));
    EXPECT_FALSE(ide::documentFileExists(folder / "none/a.vl"));
    writeFile(folder / "a.vl", "");
    EXPECT_TRUE(ide::documentFileExists(folder / "a.vl"));
    EXPECT_FALSE(ide::readDocumentFile(folder / "none.vl").ok());
}

}  // namespace
}  // namespace velmish_test
