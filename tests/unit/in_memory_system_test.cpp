// The fake platform's own system: a script that deletes and writes files, makes folders, starts
// programs, waits and sets the environment leaves the machine as it was; the fake keeps it all.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fake_platform.h"

namespace velmish_test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(InMemorySystem, ScriptActionsNeverReachTheMachine) {
    fs::path dir = fs::temp_directory_path() / ("velmish-memory-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string kept = (dir / "kept.txt").string();
    std::string made = (dir / "made.txt").string();
    std::ofstream(kept) << "real";

    FakePlatform fake;
    fake.memoryFiles.putFile(kept, "in memory");
    fake.recordedPrograms.exitCode = 7;
    auto start = std::chrono::steady_clock::now();
    RunResult result = runScript(
        fake, crlf({"DELFILE '" + kept + "'", "ECHO [errorcode]", "WRITEFILE '" + made + "', 'hello'",
                    "READFILE [r] = '" + made + "', '1'", "ECHO [r]", "MKDIR '" + dir.string() + "/sub/deeper'",
                    "ECHO [errorcode]", "SHELL 'rm " + kept + "', 'hide'", "CALL 'touch " + made + "', 'show'",
                    "SYSTEM 'exit 3'", "ECHO [errorcode]", "WAIT 60000", "LETENV 'VELMISH_MEMORY_TEST=set'",
                    "GETENV [v] = 'VELMISH_MEMORY_TEST'", "ECHO [v]"}));
    auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(result.errorText(), "");
    EXPECT_EQ(result.shown, Lines({"0", "hello", "0", "7", "set"}));
    // The machine is as it was: the real file, no new file or folder, no environment variable,
    // and no minute of waiting.
    std::stringstream real;
    real << std::ifstream(kept).rdbuf();
    EXPECT_EQ(real.str(), "real");
    EXPECT_FALSE(fs::exists(made));
    EXPECT_FALSE(fs::exists(dir / "sub"));
    EXPECT_EQ(std::getenv("VELMISH_MEMORY_TEST"), nullptr);
    EXPECT_LT(elapsed, std::chrono::seconds(30));
    // The fake holds or recorded every action.
    EXPECT_EQ(fake.memoryFiles.contentOf(kept), std::nullopt);
    EXPECT_EQ(fake.memoryFiles.contentOf(made), "hello\n");
    EXPECT_TRUE(fake.memoryFiles.hasFolder(dir.string() + "/sub/deeper"));
    EXPECT_EQ(fake.recordedPrograms.started, Lines({"shell rm " + kept, "call touch " + made, "system exit 3"}));
    EXPECT_EQ(fake.recordedPrograms.waits, std::vector<int>{60000});
    EXPECT_EQ(fake.environment["VELMISH_MEMORY_TEST"], "set");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace velmish_test
