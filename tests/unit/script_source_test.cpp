// Script files on disk: a script rewritten while it runs is read anew at its next jump, and a
// script deleted while it runs ends the run at its next jump.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

#include "fake_platform.h"
#include "interp/startup.h"

namespace velmish_test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Longer than the interval within which the interpreter trusts its copy of the script.
constexpr std::chrono::milliseconds kPastRecheck{40};

class ScriptFileTest : public ::testing::Test {
  protected:
    fs::path path;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() / ("velmish_unit_" + std::to_string(::getpid()) + "_" + info->name() + ".vl");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove(path, ignored);
    }

    void write(const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }

    // Runs the file through ScriptSource::openFile; onBox runs when a box with that text shows.
    RunResult runFile(FakePlatform& fake) {
        auto source = interp::ScriptSource::openFile(path.string());
        EXPECT_NE(source, nullptr);
        if (!source) return RunResult{-100, {}, {}, {}};
        int code =
            interp::runScriptSource(fake, fake, interp::LaunchArgs{path.string(), std::nullopt}, std::move(source));
        return resultOf(fake, code);
    }

    // Calls action (then waits past the recheck interval) when the box with this text shows.
    void whenShown(FakePlatform& fake, const std::string& text, std::function<void()> action) {
        fake.onMessageBox = [text, action](const Box& box) {
            if (box.text != text) return;
            action();
            std::this_thread::sleep_for(kPastRecheck);
        };
    }
};

TEST_F(ScriptFileTest, RunsAFileByItsPath) {
    write(crlf({"ECHO [ownname]", "HALT 7"}));
    FakePlatform fake;
    int code = interp::runScript(fake, fake, interp::LaunchArgs{path.string(), std::nullopt});
    EXPECT_EQ(code, 7);
    EXPECT_EQ(fake.messageTexts(), Lines{path.string()});
}

TEST_F(ScriptFileTest, RewrittenScriptIsReadAgainAtTheNextGoto) {
    // All jumps go to the same label. The file is rewritten after the first jump, with an extra
    // line before the label, so a target remembered from the old text would land elsewhere.
    write(crlf({"LET [n] = '0'", "%Top", "CALCVAR [n] = [n] + '1'", "IF [n] = '4' END", "ECHO 'old'#[n]", "GOTO Top"}));
    FakePlatform fake;
    whenShown(fake, "old2", [this] {
        write(crlf({"REM a new first line, longer than the old one", "LET [n] = '0'", "%Top", "CALCVAR [n] = [n] + '1'",
                    "IF [n] = '4' END", "ECHO 'new'#[n]", "GOTO Top"}));
    });
    RunResult result = runFile(fake);
    EXPECT_EQ(result.shown, (Lines{"old1", "old2", "new3"}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errors.empty()) << result.errorText();
}

TEST_F(ScriptFileTest, RewrittenScriptIsReadAgainByUntilAndResume) {
    write(crlf({"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "ECHO 'loop'#[i]", "UNTIL [i] = '2'", "GOSUB Sub",
                "ECHO 'back'", "END", "%Sub", "ECHO 'sub'", "RESUME"}));
    FakePlatform fake;
    // Rewritten inside the loop: lines keep their numbers, their texts change.
    fake.onMessageBox = [this](const Box& box) {
        if (box.text == "loop1") {
            write(crlf({"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "ECHO 'LOOP'#[i]", "UNTIL [i] = '2'",
                        "GOSUB Sub", "ECHO 'BACK'", "END", "%Sub", "ECHO 'sub'", "RESUME"}));
            std::this_thread::sleep_for(kPastRecheck);
        }
    };
    RunResult result = runFile(fake);
    // The GOSUB jump re-reads the same new text; RESUME lands on the new line 7.
    EXPECT_EQ(result.shown, (Lines{"loop1", "LOOP2", "sub", "BACK"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(ScriptFileTest, DeletedScriptEndsTheRunAtTheNextJump) {
    write(crlf({"ECHO 'first'", "GOTO Next", "%Next", "ECHO 'never'"}));
    FakePlatform fake;
    whenShown(fake, "first", [this] { fs::remove(path); });
    RunResult result = runFile(fake);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.shown, Lines{"first"});
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].text, "File does not exists.");
    EXPECT_EQ(result.errors[0].caption, "ERROR");
}

TEST_F(ScriptFileTest, DeletedScriptEndsTheRunAtUntilAndResume) {
    write(crlf({"REPEAT", "ECHO 'body'", "UNTIL '1' = '2'"}));
    FakePlatform loop;
    whenShown(loop, "body", [this] { fs::remove(path); });
    RunResult result = runFile(loop);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errorText(), "File does not exists.");

    write(crlf({"GOSUB Sub", "ECHO 'back'", "END", "%Sub", "ECHO 'sub'", "RESUME"}));
    FakePlatform sub;
    whenShown(sub, "sub", [this] { fs::remove(path); });
    result = runFile(sub);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.shown, Lines{"sub"});
    EXPECT_EQ(result.errorText(), "File does not exists.");
}

TEST_F(ScriptFileTest, UnchangedFileKeepsRunning) {
    write(crlf({"LET [i] = '0'", "REPEAT", "CALCVAR [i] = [i] + '1'", "ECHO [i]", "UNTIL [i] = '3'"}));
    FakePlatform fake;
    fake.onMessageBox = [](const Box&) { std::this_thread::sleep_for(kPastRecheck); };
    RunResult result = runFile(fake);
    EXPECT_EQ(result.shown, (Lines{"1", "2", "3"}));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(ScriptFileTest, OpenFileFailsForAMissingFile) {
    EXPECT_EQ(interp::ScriptSource::openFile(path.string()), nullptr);
}

}  // namespace
}  // namespace velmish_test
