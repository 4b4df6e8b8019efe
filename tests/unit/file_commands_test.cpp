// The file content and file system commands, called directly on real files: every test works in
// a fresh temporary directory of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "commands/file_commands.h"
#include "commands/file_system_commands.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

namespace fs = std::filesystem;
using commands::FileFunctions;

class FileCommandTest : public ::testing::Test {
  protected:
    FakePlatform fake{SystemAccess::native};
    interp::VariableTable vars{fake, fake, interp::NameScheme::scriptNames};
    commands::Session session;
    commands::Context ctx{vars, fake, fake, session};
    fs::path dir;
    fs::path startDirectory = fs::current_path();

    void SetUp() override {
        std::random_device random;
        dir = fs::temp_directory_path() / ("velmish-files-" + std::to_string(random()) + std::to_string(::getpid()));
        ASSERT_TRUE(fs::create_directory(dir));
        vars.set(interp::SystemVariable::errorcode, "unset");
    }
    void TearDown() override {
        fs::current_path(startDirectory);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // The full name of an entry in the test's directory.
    std::string at(const std::string& name) const { return (dir / name).string(); }

    void put(const std::string& name, const std::string& bytes) {
        fs::create_directories((dir / name).parent_path());
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string contentOf(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    bool has(const std::string& name) const { return fs::exists(fs::symlink_status(dir / name)); }
    mode_t modeOf(const std::string& name) const {
        struct stat info {};
        ::stat(at(name).c_str(), &info);
        return info.st_mode & 0777;
    }

    std::string errorcode() const { return vars.get(interp::SystemVariable::errorcode); }
    std::string readFile(const std::string& name, const std::string& line) {
        vars.set("r", "unchanged");
        commands::readFile(ctx, vars.handle("r"), at(name), line);
        return vars.get("r");
    }
    std::string fileSize(const std::string& name) {
        commands::fileSize(ctx, vars.handle("s"), at(name));
        return vars.get("s");
    }
    std::string fileExists(const std::string& name) {
        commands::fileExists(ctx, at(name));
        return errorcode();
    }
    std::string copy(const std::string& from, const std::string& to, FileFunctions functions = FileFunctions::shell) {
        commands::copyFile(ctx, at(from), at(to), functions);
        return errorcode();
    }
    std::string rename(const std::string& from, const std::string& to, FileFunctions functions = FileFunctions::shell) {
        commands::renameFile(ctx, at(from), at(to), functions);
        return errorcode();
    }
    std::string del(const std::string& name) {
        commands::delFile(ctx, at(name));
        return errorcode();
    }
    std::string find(const std::string& pattern) {
        commands::findFiles(ctx, vars.handle("f"), pattern);
        return vars.get("f");
    }
    // Every name one pattern gives, up to and including the first empty text.
    std::vector<std::string> findAll(const std::string& pattern) {
        std::vector<std::string> names;
        for (int i = 0; i < 100; ++i) {
            names.push_back(find(pattern));
            if (names.back().empty()) break;
        }
        return names;
    }
    std::string getAtt(const std::string& name, const std::string& attribute) {
        commands::getFileAtt(ctx, vars.handle("a"), at(name), attribute);
        return vars.get("a");
    }
    std::string letAtt(const std::string& name, const std::string& attribute) {
        commands::letFileAtt(ctx, at(name), attribute);
        return errorcode();
    }
    std::string mkDir(const std::string& name) {
        commands::mkDir(ctx, at(name));
        return errorcode();
    }
    std::string rmDir(const std::string& name) {
        commands::rmDir(ctx, at(name));
        return errorcode();
    }
};

// ---- NEWFILE and WRITEFILE ----

TEST_F(FileCommandTest, NewFileCreatesAnEmptyFileOrEmptiesAnExistingOne) {
    commands::newFile(ctx, at("new.txt"));
    EXPECT_EQ(errorcode(), "0");
    EXPECT_TRUE(has("new.txt"));
    EXPECT_EQ(contentOf("new.txt"), "");
    put("old.txt", "some content");
    commands::newFile(ctx, at("old.txt"));
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(contentOf("old.txt"), "");
}

TEST_F(FileCommandTest, NewFileInAMissingDirectoryFails) {
    commands::newFile(ctx, at("missing/new.txt"));
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_FALSE(has("missing"));
}

TEST_F(FileCommandTest, WriteFileTwiceToAMissingFileGivesTwoLfLines) {
    commands::writeFile(ctx, at("w.txt"), "first");
    EXPECT_EQ(errorcode(), "0");
    commands::writeFile(ctx, at("w.txt"), "second line");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(contentOf("w.txt"), "first\nsecond line\n");
}

TEST_F(FileCommandTest, WriteFileKeepsEveryByteOfTheText) {
    std::string text("a\0b\tc\r", 6);
    commands::writeFile(ctx, at("w.txt"), text);
    commands::writeFile(ctx, at("w.txt"), "");
    EXPECT_EQ(contentOf("w.txt"), text + "\n\n");
}

TEST_F(FileCommandTest, WriteFileInAMissingDirectoryFailsAndWritesNothing) {
    commands::writeFile(ctx, at("missing/w.txt"), "x");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_FALSE(has("missing"));
}

// ---- READFILE ----

TEST_F(FileCommandTest, ReadFileLineZeroGivesTheWholeFileByteForByte) {
    std::string bytes("one\r\ntwo\r\n\0three\rfour\n", 23);
    put("f.txt", bytes);
    EXPECT_EQ(readFile("f.txt", "0"), bytes);
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("f.txt", "-3"), bytes);
    EXPECT_EQ(readFile("f.txt", "no digits"), bytes);
}

TEST_F(FileCommandTest, ReadFileWholeFileHasNoLengthLimit) {
    std::string bytes;
    for (int i = 0; bytes.size() < 200000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
    put("big.txt", bytes);
    EXPECT_EQ(readFile("big.txt", "0"), bytes);
    put("empty.txt", "");
    EXPECT_EQ(readFile("empty.txt", "0"), "");
    EXPECT_EQ(errorcode(), "0");
}

TEST_F(FileCommandTest, ReadFileLinesOfAFileEndingWithALineBreak) {
    put("two.txt", "alpha\nbeta\n");
    EXPECT_EQ(readFile("two.txt", "1"), "alpha");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("two.txt", "2"), "beta");
    EXPECT_EQ(readFile("two.txt", "3"), "");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("two.txt", "4"), "EOF");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(readFile("two.txt", "99"), "EOF");
}

TEST_F(FileCommandTest, ReadFileLastLineWithoutALineBreak) {
    put("two.txt", "alpha\nbeta");
    EXPECT_EQ(readFile("two.txt", "2"), "beta");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("two.txt", "3"), "EOF");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(FileCommandTest, ReadFileLineOneOfAnEmptyFileIsEmpty) {
    put("empty.txt", "");
    EXPECT_EQ(readFile("empty.txt", "1"), "");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("empty.txt", "2"), "EOF");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(FileCommandTest, ReadFileCrLfLinesReadAsLfLines) {
    put("crlf.txt", "one\r\ntwo\r\n\r\nfour\r\n");
    EXPECT_EQ(readFile("crlf.txt", "1"), "one");
    EXPECT_EQ(readFile("crlf.txt", "2"), "two");
    EXPECT_EQ(readFile("crlf.txt", "3"), "");
    EXPECT_EQ(readFile("crlf.txt", "4"), "four");
    EXPECT_EQ(readFile("crlf.txt", "5"), "");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(readFile("crlf.txt", "6"), "EOF");
}

TEST_F(FileCommandTest, ReadFileKeepsALoneCarriageReturnInTheLine) {
    put("cr.txt", "a\rb\nc\r\r\nd\r");
    EXPECT_EQ(readFile("cr.txt", "1"), "a\rb");
    EXPECT_EQ(readFile("cr.txt", "2"), "c\r");
    EXPECT_EQ(readFile("cr.txt", "3"), "d\r");
    EXPECT_EQ(readFile("cr.txt", "4"), "EOF");
}

// Files too large to be kept are read through the stream chunk by chunk; a CR LF split between
// two chunks still ends the line.
TEST_F(FileCommandTest, ReadFileLinesOfAFileTooLargeToKeep) {
    std::string first(64 * 1024 - 1, 'y');
    put("big.txt", first + "\r\na\rb\n" + std::string(64 * 1024 * 1024, 'x'));
    EXPECT_EQ(readFile("big.txt", "1"), first);
    EXPECT_EQ(readFile("big.txt", "2"), "a\rb");
    EXPECT_EQ(errorcode(), "0");
}

TEST_F(FileCommandTest, ReadFileLineNumberFollowsTheNumberRules) {
    put("f.txt", "one\ntwo\nthree\n");
    EXPECT_EQ(readFile("f.txt", "2x"), "two");
    EXPECT_EQ(readFile("f.txt", " 3"), "three");
}

TEST_F(FileCommandTest, ReadFileGivesLongLinesWholeAndSkipsThemAsOneLine) {
    std::string longLine(100000, 'x');
    std::string longer(150000, 'y');
    longer[70000] = 'z';  // beyond the first chunk the reader takes
    put("long.txt", longLine + "\n" + longer + "\r\nafter\n");
    EXPECT_EQ(readFile("long.txt", "1"), longLine);
    EXPECT_EQ(readFile("long.txt", "2"), longer);
    EXPECT_EQ(readFile("long.txt", "3"), "after");
    EXPECT_EQ(readFile("long.txt", "4"), "");
    EXPECT_EQ(readFile("long.txt", "5"), "EOF");
}

TEST_F(FileCommandTest, ReadFileOfAMissingFileLeavesTheVariable) {
    EXPECT_EQ(readFile("missing.txt", "1"), "unchanged");
    EXPECT_EQ(errorcode(), "-1");
    vars.set(interp::SystemVariable::errorcode, "0");
    EXPECT_EQ(readFile("missing.txt", "0"), "unchanged");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(FileCommandTest, ReadFileOfADirectoryFails) {
    fs::create_directory(dir / "sub");
    EXPECT_EQ(readFile("sub", "0"), "unchanged");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(readFile("sub", "1"), "unchanged");
    EXPECT_EQ(errorcode(), "-1");
}

// ---- FILESIZE, FILEEXISTS, OPEN ----

TEST_F(FileCommandTest, FileSizeCountsBytes) {
    put("ten.bin", std::string("0123\r\n\0\0\n9", 11).substr(0, 10));
    EXPECT_EQ(fileSize("ten.bin"), "10");
    put("empty.txt", "");
    EXPECT_EQ(fileSize("empty.txt"), "0");
    EXPECT_EQ(errorcode(), "unset");
}

TEST_F(FileCommandTest, FileSizeOfAMissingFileOrADirectoryIsMinusOneAndKeepsErrorcode) {
    EXPECT_EQ(fileSize("missing.txt"), "-1");
    fs::create_directory(dir / "sub");
    EXPECT_EQ(fileSize("sub"), "-1");
    EXPECT_EQ(errorcode(), "unset");
}

TEST_F(FileCommandTest, FileExistsForFilesOnly) {
    put("here.txt", "x");
    EXPECT_EQ(fileExists("here.txt"), "0");
    EXPECT_EQ(fileExists("missing.txt"), "-1");
    fs::create_directory(dir / "sub");
    EXPECT_EQ(fileExists("sub"), "-1");
}

TEST_F(FileCommandTest, OpenStoresThePlatformResult) {
    fake.openResult = 31;
    commands::openDocument(ctx, "readme.unknowntype");
    EXPECT_EQ(errorcode(), "31");
    fake.openResult = 42;
    commands::openDocument(ctx, "https://example.org/");
    EXPECT_EQ(errorcode(), "42");
    EXPECT_EQ(fake.openedDocuments, (std::vector<std::string>{"readme.unknowntype", "https://example.org/"}));
}

// ---- COPYFILE and RENAMEFILE: which functions ----

TEST_F(FileCommandTest, OnlyTheTextZeroSelectsTheOldFunctions) {
    EXPECT_EQ(commands::fileFunctionsOf(vars), FileFunctions::shell);
    vars.set(interp::kUseOldFileFunctionsName, "0");
    EXPECT_EQ(commands::fileFunctionsOf(vars), FileFunctions::old);
    for (const char* other : {"-1", "", " 0", "00", "no"}) {
        vars.set(interp::kUseOldFileFunctionsName, other);
        EXPECT_EQ(commands::fileFunctionsOf(vars), FileFunctions::shell) << other;
    }
}

// ---- the old copy and rename ----

TEST_F(FileCommandTest, OldCopyGivesAnExactCopy) {
    std::string bytes("ab\r\n\0\xff\x1a\ny\n", 10);
    put("ten.bin", bytes);
    EXPECT_EQ(copy("ten.bin", "copy.bin", FileFunctions::old), "0");
    EXPECT_EQ(contentOf("copy.bin"), bytes);
    put("longer.txt", "much longer old content");
    EXPECT_EQ(copy("ten.bin", "longer.txt", FileFunctions::old), "0");
    EXPECT_EQ(contentOf("longer.txt"), bytes);
}

TEST_F(FileCommandTest, OldCopyOfAMissingSourceLeavesTheTarget) {
    put("target.txt", "keep me");
    EXPECT_EQ(copy("missing.txt", "target.txt", FileFunctions::old), "-1");
    EXPECT_EQ(contentOf("target.txt"), "keep me");
}

TEST_F(FileCommandTest, OldCopyOntoItselfFailsAndKeepsTheFile) {
    put("self.txt", "precious");
    EXPECT_EQ(copy("self.txt", "self.txt", FileFunctions::old), "-1");
    EXPECT_EQ(copy("self.txt", "./self.txt", FileFunctions::old), "-1");
    fs::create_hard_link(dir / "self.txt", dir / "link.txt");
    EXPECT_EQ(copy("self.txt", "link.txt", FileFunctions::old), "-1");
    EXPECT_EQ(contentOf("self.txt"), "precious");
}

TEST_F(FileCommandTest, OldCopyIntoAMissingDirectoryFails) {
    put("a.txt", "x");
    EXPECT_EQ(copy("a.txt", "missing/b.txt", FileFunctions::old), "-1");
    EXPECT_FALSE(has("missing"));
}

TEST_F(FileCommandTest, OldRenameNeedsAFreeName) {
    put("a.txt", "A");
    EXPECT_EQ(rename("a.txt", "b.txt", FileFunctions::old), "0");
    EXPECT_FALSE(has("a.txt"));
    EXPECT_EQ(contentOf("b.txt"), "A");
    put("c.txt", "C");
    EXPECT_EQ(rename("b.txt", "c.txt", FileFunctions::old), "-1");
    EXPECT_EQ(contentOf("b.txt"), "A");
    EXPECT_EQ(contentOf("c.txt"), "C");
    EXPECT_EQ(rename("c.txt", "c.txt", FileFunctions::old), "-1");
    EXPECT_EQ(contentOf("c.txt"), "C");
    EXPECT_EQ(rename("missing.txt", "d.txt", FileFunctions::old), "-1");
}

// ---- the shell copy ----

TEST_F(FileCommandTest, ShellCopyToANewNameOrIntoADirectory) {
    put("a.txt", "A");
    EXPECT_EQ(copy("a.txt", "b.txt"), "0");
    EXPECT_EQ(contentOf("b.txt"), "A");
    fs::create_directory(dir / "sub");
    EXPECT_EQ(copy("a.txt", "sub"), "0");
    EXPECT_EQ(contentOf("sub/a.txt"), "A");
    EXPECT_EQ(contentOf("a.txt"), "A");
}

TEST_F(FileCommandTest, ShellCopyReplacesFilesAndCreatesMissingDirectories) {
    put("a.txt", "new");
    put("b.txt", "old and longer");
    ASSERT_EQ(::chmod(at("b.txt").c_str(), 0444), 0);
    EXPECT_EQ(copy("a.txt", "b.txt"), "0");
    EXPECT_EQ(contentOf("b.txt"), "new");
    EXPECT_EQ(copy("a.txt", "x/y/z.txt"), "0");
    EXPECT_EQ(contentOf("x/y/z.txt"), "new");
    EXPECT_EQ(copy("a.txt", "w/"), "0");
    EXPECT_EQ(contentOf("w/a.txt"), "new");
}

TEST_F(FileCommandTest, ShellCopyOntoItselfFailsAndKeepsTheFile) {
    put("self.txt", "precious");
    EXPECT_EQ(copy("self.txt", "self.txt"), "-1");
    EXPECT_EQ(copy("self.txt", "."), "-1");
    commands::copyFile(ctx, at("self.txt"), dir.string(), FileFunctions::shell);
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(contentOf("self.txt"), "precious");
    EXPECT_EQ(copy("*.txt", "."), "-1");
    EXPECT_EQ(contentOf("self.txt"), "precious");
}

TEST_F(FileCommandTest, ShellCopyOfAMissingSourceFails) {
    EXPECT_EQ(copy("missing.txt", "b.txt"), "-1");
    EXPECT_FALSE(has("b.txt"));
}

TEST_F(FileCommandTest, ShellCopyWithWildcardsCopiesEveryMatchIntoANewDirectory) {
    put("src/one.txt", "1");
    put("src/two.txt", "2");
    put("src/three.log", "3");
    put("src/sub/four.txt", "4");
    EXPECT_EQ(copy("src/*.txt", "new/dir"), "0");
    EXPECT_EQ(contentOf("new/dir/one.txt"), "1");
    EXPECT_EQ(contentOf("new/dir/two.txt"), "2");
    EXPECT_FALSE(has("new/dir/three.log"));
    EXPECT_FALSE(has("new/dir/sub"));
    EXPECT_EQ(copy("src/t??.*", "q"), "0");
    EXPECT_TRUE(has("q/two.txt"));
    EXPECT_FALSE(has("q/three.log"));
    EXPECT_EQ(copy("src/*.none", "r"), "-1");
    EXPECT_FALSE(has("r"));
}

TEST_F(FileCommandTest, ShellCopyOfADirectoryCopiesItsContents) {
    put("tree/a.txt", "A");
    put("tree/deep/er/b.txt", "B");
    EXPECT_EQ(copy("tree", "copy"), "0");
    EXPECT_EQ(contentOf("copy/a.txt"), "A");
    EXPECT_EQ(contentOf("copy/deep/er/b.txt"), "B");
    EXPECT_EQ(copy("tree", "copy"), "0");  // an existing directory: the copy goes into it
    EXPECT_EQ(contentOf("copy/tree/deep/er/b.txt"), "B");
    EXPECT_EQ(copy("tree", "tree"), "-1");
    EXPECT_EQ(copy("tree", "tree/deep"), "-1");
    EXPECT_FALSE(has("tree/deep/tree"));
}

TEST_F(FileCommandTest, ShellCopyDoesNotReplaceADirectoryByAFile) {
    put("a.txt", "A");
    fs::create_directories(dir / "d/a.txt");
    EXPECT_EQ(copy("a.txt", "d"), "-1");
    EXPECT_TRUE(fs::is_directory(dir / "d/a.txt"));
}

TEST_F(FileCommandTest, ShellCopyFollowsANamedLinkAndKeepsLinksInsideDirectories) {
    put("real.txt", "content");
    fs::create_symlink("real.txt", dir / "link.txt");
    EXPECT_EQ(copy("link.txt", "copy.txt"), "0");
    EXPECT_FALSE(fs::is_symlink(dir / "copy.txt"));
    EXPECT_EQ(contentOf("copy.txt"), "content");
    put("tree/a.txt", "A");
    fs::create_directory_symlink("..", dir / "tree/up");
    EXPECT_EQ(copy("tree", "copy"), "0");
    EXPECT_TRUE(fs::is_symlink(dir / "copy/up"));
    EXPECT_EQ(contentOf("copy/a.txt"), "A");
}

// ---- the shell move ----

TEST_F(FileCommandTest, ShellMoveRenamesReplacesAndMovesIntoDirectories) {
    put("a.txt", "A");
    EXPECT_EQ(rename("a.txt", "b.txt"), "0");
    EXPECT_FALSE(has("a.txt"));
    put("c.txt", "C");
    EXPECT_EQ(rename("b.txt", "c.txt"), "0");
    EXPECT_EQ(contentOf("c.txt"), "A");
    fs::create_directory(dir / "sub");
    EXPECT_EQ(rename("c.txt", "sub"), "0");
    EXPECT_EQ(contentOf("sub/c.txt"), "A");
    EXPECT_EQ(rename("sub/c.txt", "p/q/r.txt"), "0");
    EXPECT_EQ(contentOf("p/q/r.txt"), "A");
    EXPECT_EQ(rename("missing", "x"), "-1");
}

TEST_F(FileCommandTest, ShellMoveOntoItselfFailsAndKeepsTheFile) {
    put("self.txt", "precious");
    EXPECT_EQ(rename("self.txt", "self.txt"), "-1");
    EXPECT_EQ(rename("self.txt", "."), "-1");
    fs::create_hard_link(dir / "self.txt", dir / "link.txt");
    EXPECT_EQ(rename("self.txt", "link.txt"), "-1");
    EXPECT_EQ(contentOf("self.txt"), "precious");
    EXPECT_EQ(contentOf("link.txt"), "precious");
}

TEST_F(FileCommandTest, ShellMoveWithWildcardsAndDirectories) {
    put("src/one.txt", "1");
    put("src/two.txt", "2");
    put("src/keep.log", "3");
    EXPECT_EQ(rename("src/*.txt", "dest"), "0");
    EXPECT_EQ(contentOf("dest/one.txt"), "1");
    EXPECT_FALSE(has("src/one.txt"));
    EXPECT_TRUE(has("src/keep.log"));
    EXPECT_EQ(rename("src", "dest/inner"), "0");
    EXPECT_EQ(contentOf("dest/inner/keep.log"), "3");
    EXPECT_FALSE(has("src"));
    EXPECT_EQ(rename("dest", "dest/inner"), "-1");
    EXPECT_TRUE(has("dest/inner/keep.log"));
}

TEST_F(FileCommandTest, ShellMoveOfADirectoryMergesIntoAnExistingOne) {
    put("a/x.txt", "new");
    put("b/a/x.txt", "old");
    put("b/a/y.txt", "other");
    EXPECT_EQ(rename("a", "b"), "0");
    EXPECT_FALSE(has("a"));
    EXPECT_EQ(contentOf("b/a/x.txt"), "new");
    EXPECT_EQ(contentOf("b/a/y.txt"), "other");
}

// A move to another file system copies and deletes; a link must still arrive as the link.
TEST_F(FileCommandTest, ShellMoveToAnotherFileSystemMovesALinkAsALink) {
    struct stat here {
    }, there{};
    fs::path other = "/dev/shm";
    if (::stat(at("").c_str(), &here) != 0 || ::stat(other.c_str(), &there) != 0 || here.st_dev == there.st_dev) {
        GTEST_SKIP() << "no second file system at " << other;
    }
    put("real.txt", "content");
    fs::create_symlink(at("real.txt"), dir / "link");
    fs::path target = other / dir.filename();
    commands::renameFile(ctx, at("link"), target.string(), FileFunctions::shell);
    EXPECT_EQ(errorcode(), "0");
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_FALSE(has("link"));
    EXPECT_EQ(contentOf("real.txt"), "content");
    std::error_code ec;
    fs::remove(target, ec);
}

// ---- DELFILE ----

TEST_F(FileCommandTest, DelFileRemovesFilesMatchesAndDirectories) {
    put("a.txt", "A");
    EXPECT_EQ(del("a.txt"), "0");
    EXPECT_FALSE(has("a.txt"));
    EXPECT_EQ(del("a.txt"), "-1");
    put("m/1.tmp", "");
    put("m/2.tmp", "");
    put("m/3.txt", "");
    EXPECT_EQ(del("m/*.tmp"), "0");
    EXPECT_FALSE(has("m/1.tmp"));
    EXPECT_TRUE(has("m/3.txt"));
    EXPECT_EQ(del("m/*.tmp"), "-1");
    put("m/deep/er/file", "");
    EXPECT_EQ(del("m"), "0");
    EXPECT_FALSE(has("m"));
}

TEST_F(FileCommandTest, DelFileNeverTakesDotOrDotDot) {
    put("sub/a.txt", "A");
    EXPECT_EQ(del("sub/."), "-1");
    EXPECT_EQ(del("sub/.."), "-1");
    EXPECT_EQ(del("sub/.*"), "-1");
    EXPECT_TRUE(has("sub/a.txt"));
}

// ---- FINDFILES ----

TEST_F(FileCommandTest, FindFilesListsEveryEntryInNameOrderThenTheEmptyText) {
    put("d/b.txt", "");
    put("d/a.txt", "");
    put("d/c.log", "");
    put("d/.hidden", "");
    fs::create_directory(dir / "d/sub");
    std::string all = at("d/*");
    EXPECT_EQ(findAll(all), (std::vector<std::string>{".", "..", ".hidden", "a.txt", "b.txt", "c.log", "sub", ""}));
    EXPECT_EQ(find(all), "");  // an exhausted search stays exhausted
    EXPECT_EQ(session.search, nullptr);
    EXPECT_EQ(findAll(at("d/*.txt")), (std::vector<std::string>{"a.txt", "b.txt", ""}));
    EXPECT_EQ(findAll(at("d/?.*")), (std::vector<std::string>{"..", "a.txt", "b.txt", "c.log", ""}));
    EXPECT_EQ(findAll(at("d/b.txt")), (std::vector<std::string>{"b.txt", ""}));
}

TEST_F(FileCommandTest, FindFilesTrimsThePatternAndIgnoresAnEmptyOne) {
    put("d/a.txt", "");
    put("d/b.txt", "");
    std::string pattern = at("d/*.txt");
    EXPECT_EQ(find(pattern), "a.txt");
    EXPECT_EQ(find("  " + pattern + " "), "b.txt");
    EXPECT_EQ(find("   "), "b.txt");
    EXPECT_EQ(session.lastPattern, pattern);
}

TEST_F(FileCommandTest, FindFilesWithoutMatchesStoresTheEmptyText) {
    put("d/a.txt", "");
    EXPECT_EQ(find(at("d/*.txt")), "a.txt");
    EXPECT_EQ(find(at("d/*.none")), "");
    EXPECT_EQ(session.search, nullptr);
    EXPECT_EQ(find(at("d/*.none")), "");
    EXPECT_EQ(find(at("missing/*")), "");
}

TEST_F(FileCommandTest, FindFilesWithANewPatternStartsOver) {
    put("d/a.txt", "");
    put("d/b.txt", "");
    EXPECT_EQ(find(at("d/*.txt")), "a.txt");
    EXPECT_EQ(find(at("d/b*")), "b.txt");
    EXPECT_EQ(find(at("d/*.txt")), "a.txt");
    EXPECT_EQ(find(at("d/*.txt")), "b.txt");
}

TEST_F(FileCommandTest, ChDirEndsTheSearchSoTheSamePatternStartsOver) {
    put("one/x.txt", "");
    put("one/y.txt", "");
    put("two/z.txt", "");
    fs::current_path(dir / "one");
    EXPECT_EQ(find("*.txt"), "x.txt");
    commands::chDir(ctx, at("two"));
    EXPECT_EQ(session.lastPattern, "");
    EXPECT_EQ(session.search, nullptr);
    EXPECT_EQ(find("*.txt"), "z.txt");
    EXPECT_EQ(find("*.txt"), "");
}

// ---- GETFILEATT and LETFILEATT ----

TEST_F(FileCommandTest, GetFileAttReadsReadOnlyInAnyCaseOrAsItsDigit) {
    put("ro.txt", "");
    put("rw.txt", "");
    ASSERT_EQ(::chmod(at("ro.txt").c_str(), 0444), 0);
    EXPECT_EQ(getAtt("ro.txt", "readonly"), "0");
    EXPECT_EQ(getAtt("ro.txt", "  ReadOnly "), "0");
    EXPECT_EQ(getAtt("ro.txt", "2"), "0");
    EXPECT_EQ(getAtt("rw.txt", "READONLY"), "-1");
    EXPECT_EQ(getAtt("ro.txt", "NORMAL"), "-1");
    EXPECT_EQ(getAtt("rw.txt", "NORMAL"), "0");
    EXPECT_EQ(getAtt("rw.txt", "0"), "0");
    EXPECT_EQ(errorcode(), "unset");
}

TEST_F(FileCommandTest, GetFileAttKindsAndHiddenNames) {
    put(".hidden", "");
    put("plain", "");
    fs::create_directory(dir / "sub");
    EXPECT_EQ(getAtt(".hidden", "HIDDEN"), "0");
    EXPECT_EQ(getAtt(".hidden", "5"), "0");
    EXPECT_EQ(getAtt(".hidden", "NORMAL"), "-1");
    EXPECT_EQ(getAtt("plain", "HIDDEN"), "-1");
    EXPECT_EQ(getAtt("sub", "DIRECTORY"), "0");
    EXPECT_EQ(getAtt("sub", "4"), "0");
    EXPECT_EQ(getAtt("sub", "NORMAL"), "-1");
    EXPECT_EQ(getAtt("plain", "DIRECTORY"), "-1");
    EXPECT_EQ(getAtt("sub/.", "HIDDEN"), "-1");
    for (const char* never : {"ARCHIVE", "COMPRESSED", "SYSTEM", "1", "3", "6"}) {
        EXPECT_EQ(getAtt("plain", never), "-1") << never;
    }
}

TEST_F(FileCommandTest, GetFileAttOfAMissingFileIsMinusOneForEveryAttribute) {
    for (const char* attribute : {"NORMAL", "ARCHIVE", "READONLY", "COMPRESSED", "DIRECTORY", "HIDDEN", "SYSTEM", "0",
                                  "1", "2", "3", "4", "5", "6"}) {
        EXPECT_EQ(getAtt("missing.txt", attribute), "-1") << attribute;
    }
}

TEST_F(FileCommandTest, GetFileAttOfAnUnknownAttributeIsAlwaysMinusOne) {
    put("plain", "");
    put(".hidden", "");
    for (const char* unknown : {"WRITABLE", "", "7", "8", "-1", "normalx", "x0"}) {
        EXPECT_EQ(getAtt("plain", unknown), "-1") << unknown;
        EXPECT_EQ(getAtt(".hidden", unknown), "-1") << unknown;
    }
}

TEST_F(FileCommandTest, LetFileAttReadOnlyAndNormalChangeTheWritePermission) {
    put("f.txt", "");
    ASSERT_EQ(::chmod(at("f.txt").c_str(), 0664), 0);
    EXPECT_EQ(letAtt("f.txt", "readonly"), "0");
    EXPECT_EQ(modeOf("f.txt"), 0444u);
    EXPECT_EQ(getAtt("f.txt", "READONLY"), "0");
    EXPECT_EQ(letAtt("f.txt", "2"), "0");  // already read-only
    EXPECT_EQ(letAtt("f.txt", " Normal "), "0");
    EXPECT_EQ(modeOf("f.txt"), 0644u);
    EXPECT_EQ(getAtt("f.txt", "NORMAL"), "0");
    EXPECT_EQ(letAtt("f.txt", "0"), "0");  // already normal
}

TEST_F(FileCommandTest, LetFileAttNormalOnAHiddenReadOnlyFileGivesTheWritePermissionBack) {
    put(".both", "");
    ASSERT_EQ(::chmod(at(".both").c_str(), 0444), 0);
    EXPECT_EQ(letAtt(".both", "NORMAL"), "0");
    EXPECT_EQ(getAtt(".both", "READONLY"), "-1");
    EXPECT_EQ(getAtt(".both", "HIDDEN"), "0");  // a name beginning with "." stays hidden
}

TEST_F(FileCommandTest, LetFileAttFailsForAMissingFileAndAttributesThatCannotBeSet) {
    EXPECT_EQ(letAtt("missing.txt", "READONLY"), "-1");
    vars.set(interp::SystemVariable::errorcode, "0");
    EXPECT_EQ(letAtt("missing.txt", "NORMAL"), "-1");
    put("plain", "");
    ASSERT_EQ(::chmod(at("plain").c_str(), 0644), 0);
    for (const char* refused : {"ARCHIVE", "COMPRESSED", "SYSTEM", "HIDDEN", "DIRECTORY", "UNKNOWN", "7", ""}) {
        vars.set(interp::SystemVariable::errorcode, "0");
        EXPECT_EQ(letAtt("plain", refused), "-1") << refused;
        EXPECT_EQ(modeOf("plain"), 0644u) << refused;
    }
    put(".hidden", "");
    EXPECT_EQ(letAtt(".hidden", "HIDDEN"), "0");  // it already is
    fs::create_directory(dir / "sub");
    EXPECT_EQ(letAtt("sub", "DIRECTORY"), "0");
}

// ---- CHDIR, MKDIR, RMDIR ----

TEST_F(FileCommandTest, ChDirChangesTheDirectoryAndCurrent) {
    fs::create_directory(dir / "sub");
    vars.set(interp::SystemVariable::current, "before");
    commands::chDir(ctx, at("sub"));
    EXPECT_EQ(errorcode(), "0");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), dir / "sub"));
    EXPECT_EQ(vars.get(interp::SystemVariable::current), fake.directory);
}

TEST_F(FileCommandTest, ChDirToAMissingDirectoryKeepsCurrentAndTheSearch) {
    put("d/a.txt", "");
    put("d/b.txt", "");
    vars.set(interp::SystemVariable::current, "before");
    EXPECT_EQ(find(at("d/*.txt")), "a.txt");
    commands::chDir(ctx, at("missing"));
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(vars.get(interp::SystemVariable::current), "before");
    EXPECT_EQ(find(at("d/*.txt")), "b.txt");
}

TEST_F(FileCommandTest, MkDirCreatesEveryMissingLevel) {
    EXPECT_EQ(mkDir("one/two/three"), "0");
    EXPECT_TRUE(fs::is_directory(dir / "one/two/three"));
    EXPECT_EQ(mkDir("one/two/three"), "-1");
    EXPECT_EQ(mkDir("one"), "-1");
    EXPECT_EQ(mkDir("single"), "0");
    EXPECT_TRUE(fs::is_directory(dir / "single"));
}

TEST_F(FileCommandTest, MkDirKeepsBackslashesInNames) {
    EXPECT_EQ(mkDir("back\\slash"), "0");
    EXPECT_TRUE(fs::is_directory(dir / "back\\slash"));
    EXPECT_FALSE(has("back"));
}

TEST_F(FileCommandTest, MkDirUnderAFileFails) {
    put("file", "");
    EXPECT_EQ(mkDir("file/sub"), "-1");
}

TEST_F(FileCommandTest, RmDirRemovesOnlyEmptyDirectories) {
    fs::create_directory(dir / "empty");
    put("full/a.txt", "");
    EXPECT_EQ(rmDir("empty"), "0");
    EXPECT_FALSE(has("empty"));
    EXPECT_EQ(rmDir("full"), "-1");
    EXPECT_TRUE(has("full/a.txt"));
    EXPECT_EQ(rmDir("missing"), "-1");
}

// ---- reading a file line after line: what a kept copy must never hide ----

TEST_F(FileCommandTest, LineAfterLineSeesLinesAppendedByWriteFile) {
    put("log.txt", "one\n");
    EXPECT_EQ(readFile("log.txt", "1"), "one");
    EXPECT_EQ(readFile("log.txt", "2"), "");
    EXPECT_EQ(readFile("log.txt", "3"), "EOF");
    commands::writeFile(ctx, at("log.txt"), "two");
    EXPECT_EQ(readFile("log.txt", "2"), "two");
    EXPECT_EQ(errorcode(), "0");
}

TEST_F(FileCommandTest, LineAfterLineSeesAFileChangedByAnotherProgram) {
    put("data.txt", "a\nb\n");
    EXPECT_EQ(readFile("data.txt", "2"), "b");
    put("data.txt", "a\nbee\nc\n");
    EXPECT_EQ(readFile("data.txt", "2"), "bee");
    EXPECT_EQ(readFile("data.txt", "3"), "c");
    fs::remove(dir / "data.txt");
    EXPECT_EQ(readFile("data.txt", "1"), "unchanged");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(FileCommandTest, LineAfterLineSeesCopiesAndDeletions) {
    put("a.txt", "from a\n");
    put("b.txt", "from b\n");
    EXPECT_EQ(readFile("b.txt", "1"), "from b");
    EXPECT_EQ(copy("a.txt", "b.txt"), "0");
    EXPECT_EQ(readFile("b.txt", "1"), "from a");
    commands::delFile(ctx, at("b.txt"));
    EXPECT_EQ(readFile("b.txt", "1"), "unchanged");
}

TEST_F(FileCommandTest, LinesOfTwoFilesReadInTurnStayApart) {
    put("x.txt", "x1\r\nx2\r\n");
    put("y.txt", "y1\ry1b\ny2");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(readFile("x.txt", "2"), "x2");
        EXPECT_EQ(readFile("y.txt", "1"), "y1\ry1b");
        EXPECT_EQ(readFile("y.txt", "2"), "y2");
        EXPECT_EQ(readFile("y.txt", "3"), "EOF");
        EXPECT_EQ(readFile("x.txt", "1"), "x1");
    }
}

TEST_F(FileCommandTest, RelativeNamesAfterChdirReadTheFileOfTheNewDirectory) {
    put("one/same.txt", "in one\n");
    put("two/same.txt", "in two\n");
    commands::chDir(ctx, at("one"));
    vars.set("r", "");
    commands::readFile(ctx, vars.handle("r"), "same.txt", "1");
    EXPECT_EQ(vars.get("r"), "in one");
    commands::chDir(ctx, at("two"));
    commands::readFile(ctx, vars.handle("r"), "same.txt", "1");
    EXPECT_EQ(vars.get("r"), "in two");
}

}  // namespace
}  // namespace velmish_test
