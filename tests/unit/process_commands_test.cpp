// Programs, the environment and the keyboard: SENDKEYS and MCI through the fake desktop, the
// show-mode tables, WAIT's number, GETENV/LETENV on the process environment and SHELL, CALL and
// SYSTEM with real programs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "commands/process_commands.h"
#include "fake_platform.h"
#ifndef _WIN32
#include <atomic>
#include <thread>

#include "platform/environment.h"
#include "platform/posix/program_start.h"

extern char** environ;
#endif

namespace velmish_test {
namespace {

using Keys = std::vector<std::pair<int, bool>>;
using Words = std::vector<std::string>;

constexpr int kShift = 0x10, kCtrl = 0x11, kAlt = 0x12;

// One key event each.
std::pair<int, bool> down(int key) { return {key, false}; }
std::pair<int, bool> up(int key) { return {key, true}; }

// Joins key event lists: press(k) is the key down and up again.
Keys press(int key) { return {down(key), up(key)}; }
Keys operator+(Keys first, const Keys& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}
Keys shifted(int key) { return Keys{down(kShift)} + press(key) + Keys{up(kShift)}; }

class ProcessCommandTest : public ::testing::Test {
  protected:
    FakePlatform fake{SystemAccess::native};
    interp::VariableTable vars{fake, fake, interp::NameScheme::scriptNames};
    commands::Session session;
    commands::Context ctx{vars, fake, fake, session};

    void SetUp() override { fake.windowTitles = {"Editor"}; }

    // The key events SENDKEYS sends to the window "Editor".
    Keys typed(const std::string& keys) {
        fake.keyEvents.clear();
        commands::sendKeys(ctx, "Editor", keys);
        EXPECT_EQ(errorcode(), "0");
        return fake.keyEvents;
    }
    std::string errorcode() const { return vars.get(interp::SystemVariable::errorcode); }
    std::string getEnv(const std::string& name) {
        vars.set("v", "stale");
        commands::getEnv(ctx, vars.handle("v"), name);
        return vars.get("v");
    }
    // Milliseconds WAIT took.
    long long waited(const std::string& duration) {
        auto start = std::chrono::steady_clock::now();
        commands::wait(ctx, duration);
        auto elapsed = std::chrono::steady_clock::now() - start;
        return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    }
};

// ---- SENDKEYS ----

TEST_F(ProcessCommandTest, CapitalWithShiftSmallLetterWithoutAndTildeREnter) {
    EXPECT_EQ(typed("Hi~r"), shifted('H') + press('I') + press(0x0D));
    EXPECT_EQ(fake.activatedWindows, Words{"Editor"});
}

TEST_F(ProcessCommandTest, UnknownWindowGivesMinusOneAndTypesNothing) {
    vars.set(interp::SystemVariable::errorcode, "0");
    commands::sendKeys(ctx, "Notepad", "Hi~r#065");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_TRUE(fake.keyEvents.empty());
    EXPECT_EQ(fake.activatedWindows, Words{"Notepad"});
}

TEST_F(ProcessCommandTest, TildeKeyTable) {
    EXPECT_EQ(typed("~t~r~c~b~a"), press(0x09) + press(0x0D) + press(0x14) + press(0x08) + press(0x12));
    EXPECT_EQ(typed("~U~D~L~R"), press(0x26) + press(0x28) + press(0x25) + press(0x27));
}

TEST_F(ProcessCommandTest, TildeDigitsAndABCAreFunctionKeys) {
    Keys expected;
    for (int key = 0x70; key <= 0x7B; ++key) expected = expected + press(key);
    EXPECT_EQ(typed("~1~2~3~4~5~6~7~8~9~A~B~C"), expected);
}

TEST_F(ProcessCommandTest, TildeBeforeAnyOtherCharacterTypesThatCharacter) {
    fake.characterKeys = {{'~', 0x1C0}, {'#', 0x133}, {'0', 0x30}, {'5', 0x35}, {'6', 0x36}};
    EXPECT_EQ(typed("~~"), shifted(0xC0));
    EXPECT_EQ(typed("~#065"), shifted(0x33) + press(0x30) + press(0x36) + press(0x35));
}

TEST_F(ProcessCommandTest, TildeBeforeLettersNotInTheTableTypesTheLetter) {
    EXPECT_EQ(typed("~x~Q~T"), press('X') + shifted('Q') + shifted('T'));
}

TEST_F(ProcessCommandTest, NumberSignWithThreeDigitsPressesThatKey) {
    EXPECT_EQ(typed("#065"), press(65));
    EXPECT_EQ(typed("#001#254"), press(1) + press(254));
    EXPECT_EQ(typed("a#013b"), press('A') + press(13) + press('B'));
}

TEST_F(ProcessCommandTest, NumberSignAbove254OnlyPushesTheKeyDown) {
    EXPECT_EQ(typed("#300a"), Keys{down(46)} + press('A'));
    EXPECT_EQ(typed("#255#271x"), (Keys{down(1), down(17)} + press('X')));
}

TEST_F(ProcessCommandTest, DirectCodesAndKeypadSigns) {
    EXPECT_EQ(typed(" *+-/,."),
              press(0x20) + press(0x6A) + press(0x6B) + press(0x6D) + press(0x6F) + press(0xBC) + press(0xBE));
}

TEST_F(ProcessCommandTest, OtherCharactersUseTheLayoutsKeyAndShiftState) {
    fake.characterKeys = {{'5', 0x35}, {'!', 0x131}, {'@', 0x251}, {'|', 0x4DC}, {'{', 0x7DB}};
    EXPECT_EQ(typed("5"), press(0x35));
    EXPECT_EQ(typed("!"), Keys{down(kShift)} + press(0x31) + Keys{up(kShift)});
    EXPECT_EQ(typed("@"), Keys{down(kCtrl)} + press(0x51) + Keys{up(kCtrl)});
    EXPECT_EQ(typed("|"), Keys{down(kAlt)} + press(0xDC) + Keys{up(kAlt)});
    // Pushed down Shift, Alt, Ctrl; released in the same order.
    const Keys expected =
        Keys{down(kShift), down(kAlt), down(kCtrl)} + press(0xDB) + Keys{up(kShift), up(kAlt), up(kCtrl)};
    EXPECT_EQ(typed("{"), expected);
}

TEST_F(ProcessCommandTest, CharacterWithoutKeySendsNothing) { EXPECT_EQ(typed("x\xE9y"), press('X') + press('Y')); }

TEST_F(ProcessCommandTest, TrailingTildeIsTypedAsTilde) {
    fake.characterKeys = {{'~', 0x1C0}};
    EXPECT_EQ(typed("a~"), press('A') + shifted(0xC0));
    fake.characterKeys.clear();
    EXPECT_EQ(typed("a~"), press('A'));
}

TEST_F(ProcessCommandTest, NumberSignWithoutThreeDigitsIsTypedLiterally) {
    fake.characterKeys = {{'#', 0x133}, {'0', 0x30}, {'1', 0x31}, {'2', 0x32}};
    const Keys sign = shifted(0x33);
    EXPECT_EQ(typed("#"), sign);
    EXPECT_EQ(typed("#12"), sign + press(0x31) + press(0x32));
    EXPECT_EQ(typed("#1a2"), sign + press(0x31) + press('A') + press(0x32));
    EXPECT_EQ(typed("#000"), sign + press(0x30) + press(0x30) + press(0x30));
    EXPECT_EQ(typed("#-12"), sign + press(0x6D) + press(0x31) + press(0x32));
    // Nothing of an earlier "#NNN" is pressed again.
    EXPECT_EQ(typed("#065#12"), press(65) + sign + press(0x31) + press(0x32));
}

TEST_F(ProcessCommandTest, SendKeysThroughAScriptWithColonOrComma) {
    FakePlatform desktop;
    desktop.windowTitles = {"My Editor"};
    RunResult result =
        runScript(desktop, crlf({"SENDKEYS 'My Editor' : 'Ok'", "ECHO [errorcode]", "SENDKEYS 'My'#' Editor', '~r'",
                                 "SENDKEYS 'Other' : 'x'", "ECHO [errorcode]"}));
    EXPECT_EQ(result.errorText(), "");
    EXPECT_EQ(result.shown, Words({"0", "-1"}));
    EXPECT_EQ(desktop.keyEvents, shifted('O') + press('K') + press(0x0D));
    EXPECT_EQ(desktop.activatedWindows, Words({"My Editor", "My Editor", "Other"}));
}

// ---- MCI ----

TEST_F(ProcessCommandTest, MciStoresTheErrorCode) {
    fake.mciResult = 263;
    commands::mci(ctx, "open cdaudio");
    EXPECT_EQ(errorcode(), "263");
    fake.mciResult = 0;
    commands::mci(ctx, "close all");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(fake.mciCommands, Words({"open cdaudio", "close all"}));
}

// ---- show modes ----

TEST(ShowModes, ShellKnowsFourWordsAndTheirDigits) {
    EXPECT_EQ(commands::shellShowMode("SHOW"), 5);
    EXPECT_EQ(commands::shellShowMode("0"), 5);
    EXPECT_EQ(commands::shellShowMode("HIDE"), 0);
    EXPECT_EQ(commands::shellShowMode("1"), 0);
    EXPECT_EQ(commands::shellShowMode("MAXIMIZED"), 3);
    EXPECT_EQ(commands::shellShowMode("2"), 3);
    EXPECT_EQ(commands::shellShowMode("MINIMIZED"), 2);
    EXPECT_EQ(commands::shellShowMode("3"), 2);
}

TEST(ShowModes, AnyCaseAndBlanksAroundAreAccepted) {
    EXPECT_EQ(commands::shellShowMode("hide"), 0);
    EXPECT_EQ(commands::shellShowMode("  Maximized "), 3);
    EXPECT_EQ(commands::shellShowMode(" 3 "), 2);
}

TEST(ShowModes, ShellStartsNothingForOtherWords) {
    for (const char* mode : {"", "4", "-1", "01", "SHOWN", "NORMAL", "HIDE X", "\tHIDE"}) {
        EXPECT_EQ(commands::shellShowMode(mode), std::nullopt) << mode;
    }
}

TEST(ShowModes, CallShowsTheWindowForOtherWords) {
    EXPECT_EQ(commands::callShowMode("hide"), 0);
    EXPECT_EQ(commands::callShowMode("1"), 0);
    EXPECT_EQ(commands::callShowMode("maximized"), 3);
    EXPECT_EQ(commands::callShowMode("Minimized"), 2);
    EXPECT_EQ(commands::callShowMode("show"), 5);
    EXPECT_EQ(commands::callShowMode("NORMAL"), 5);
    EXPECT_EQ(commands::callShowMode(""), 5);
    EXPECT_EQ(commands::callShowMode("7"), 5);
}

// ---- WAIT ----

TEST_F(ProcessCommandTest, WaitSleepsForPositiveNumbersOnly) {
    vars.set(interp::SystemVariable::errorcode, "7");
    // Limits far above the time the command itself takes, so a busy machine does not matter.
    EXPECT_LT(waited("0"), 1000);
    EXPECT_LT(waited("-5000"), 1000);
    EXPECT_LT(waited("soon"), 1000);
    EXPECT_LT(waited(""), 1000);
    EXPECT_LT(waited("x5000"), 1000);
    EXPECT_GE(waited("120"), 120);
    EXPECT_GE(waited("  150ms"), 150);  // atoi: leading blanks, digits up to the first other character
    EXPECT_EQ(errorcode(), "7");
}

// ---- GETENV and LETENV ----

TEST_F(ProcessCommandTest, LetEnvThenGetEnv) {
    commands::letEnv(ctx, "VELMISH_UNIT_A=hello world");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(getEnv("VELMISH_UNIT_A"), "hello world");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(getEnv("  VELMISH_UNIT_A  "), "hello world");  // blanks around the name are removed
    const char* seen = std::getenv("VELMISH_UNIT_A");
    ASSERT_NE(seen, nullptr);
    EXPECT_STREQ(seen, "hello world");
}

TEST_F(ProcessCommandTest, ValueMayHoldEqualsSigns) {
    commands::letEnv(ctx, "VELMISH_UNIT_B=x=1;y=2");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(getEnv("VELMISH_UNIT_B"), "x=1;y=2");
}

TEST_F(ProcessCommandTest, EmptyValueRemovesTheVariable) {
    commands::letEnv(ctx, "VELMISH_UNIT_C=set");
    commands::letEnv(ctx, "VELMISH_UNIT_C=");
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(getEnv("VELMISH_UNIT_C"), "");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(std::getenv("VELMISH_UNIT_C"), nullptr);
}

TEST_F(ProcessCommandTest, LetEnvWithoutEqualsOrNameFails) {
    commands::letEnv(ctx, "VELMISH_UNIT_D");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(getEnv("VELMISH_UNIT_D"), "");
    commands::letEnv(ctx, "=value");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(ProcessCommandTest, GetEnvOfUnsetNameStoresEmptyTextAndMinusOne) {
    EXPECT_EQ(getEnv("VELMISH_UNIT_NEVER_SET"), "");
    EXPECT_EQ(errorcode(), "-1");
    EXPECT_EQ(getEnv(""), "");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(ProcessCommandTest, LongEnvironmentTextsAreKeptWhole) {
    std::string value(10000, 'v');
    value.back() = 'e';
    commands::letEnv(ctx, "VELMISH_UNIT_LONG=" + value);
    EXPECT_EQ(errorcode(), "0");
    EXPECT_EQ(getEnv("VELMISH_UNIT_LONG"), value);
}

// ---- SHELL, CALL and SYSTEM with real programs ----

#ifndef _WIN32

TEST_F(ProcessCommandTest, ShellStartsAKnownModeOnly) {
    commands::shell(ctx, "true", "hide");
    EXPECT_GT(std::atoi(errorcode().c_str()), 31);
    commands::shell(ctx, "true", "sometimes");
    EXPECT_EQ(errorcode(), "-1");
    commands::shell(ctx, "velmish-no-such-program", "show");
    EXPECT_EQ(errorcode(), "2");
    commands::shell(ctx, "", "show");
    EXPECT_EQ(errorcode(), "2");
}

TEST_F(ProcessCommandTest, CallGivesZeroOrMinusOne) {
    commands::call(ctx, "true", "whatever");
    EXPECT_EQ(errorcode(), "0");
    commands::call(ctx, "velmish-no-such-program", "show");
    EXPECT_EQ(errorcode(), "-1");
}

TEST_F(ProcessCommandTest, SystemGivesTheExitCode) {
    commands::system(ctx, "exit 3");
    EXPECT_EQ(errorcode(), "3");
    commands::system(ctx, "true");
    EXPECT_EQ(errorcode(), "0");
    commands::letEnv(ctx, "VELMISH_UNIT_CHILD=inherited");
    commands::system(ctx, "test \"$VELMISH_UNIT_CHILD\" = inherited");
    EXPECT_EQ(errorcode(), "0");
    commands::system(ctx, "test \"$VELMISH_UNIT_CHILD\" = other");
    EXPECT_EQ(errorcode(), "1");
}

TEST(CommandLineWords, BlanksSeparateAndQuotesGroup) {
    using platform::posix::splitCommandLine;
    EXPECT_EQ(splitCommandLine("prog a  b\tc"), Words({"prog", "a", "b", "c"}));
    EXPECT_EQ(splitCommandLine("  prog  "), Words({"prog"}));
    EXPECT_EQ(splitCommandLine(""), Words{});
    EXPECT_EQ(splitCommandLine("\"my prog\" \"two words\" x"), Words({"my prog", "two words", "x"}));
    EXPECT_EQ(splitCommandLine("a\"b c\"d e"), Words({"ab cd", "e"}));
    EXPECT_EQ(splitCommandLine("prog \"\" x"), Words({"prog", "", "x"}));
    EXPECT_EQ(splitCommandLine("prog \"unclosed words"), Words({"prog", "unclosed words"}));
}

TEST(CommandLineWords, BackslashesAndQuotes) {
    using platform::posix::splitCommandLine;
    EXPECT_EQ(splitCommandLine("a\\b c\\\\d"), Words({"a\\b", "c\\\\d"}));
    EXPECT_EQ(splitCommandLine("a\\\"b"), Words({"a\"b"}));
    EXPECT_EQ(splitCommandLine("\"a\\\\\" b"), Words({"a\\", "b"}));
    EXPECT_EQ(splitCommandLine("\"say \"\"hi\"\"\""), Words({"say \"hi\""}));
    EXPECT_EQ(splitCommandLine("end\\"), Words({"end\\"}));
}

// Other threads read the environment while a script changes it: the GTK desktop's thread, where
// Xlib and cairo look up variables as they draw.
TEST(NativeEnvironment, AnArrayAReaderHoldsStaysReadableAsVariablesAreAdded) {
    std::unique_ptr<platform::Environment> environment = platform::createNativeEnvironment();
    ASSERT_TRUE(environment->put("VELMISH_HELD_0=first"));
    char** held = environ;
    std::vector<std::string> before;
    for (char** entry = held; *entry; ++entry) before.push_back(*entry);
    for (int i = 1; i <= 300; ++i) ASSERT_TRUE(environment->put("VELMISH_HELD_" + std::to_string(i) + "=value"));
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(std::string(held[i]), before[i]);
    for (int i = 300; i >= 0; --i) ASSERT_TRUE(environment->put("VELMISH_HELD_" + std::to_string(i) + "="));
    EXPECT_EQ(std::getenv("VELMISH_HELD_7"), nullptr);
}

TEST(NativeEnvironment, ReadersOnAnotherThreadFindWhatNoChangeTouched) {
    std::unique_ptr<platform::Environment> environment = platform::createNativeEnvironment();
    ASSERT_TRUE(environment->put("VELMISH_STEADY=here"));
    std::atomic<bool> done{false};
    std::atomic<int> misses{0};
    std::thread reader([&] {
        while (!done) {
            const char* value = std::getenv("VELMISH_STEADY");
            if (!value || std::string(value) != "here") ++misses;
        }
    });
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 100; ++i)
            environment->put("VELMISH_BUSY_" + std::to_string(i) + "=" + std::to_string(round));
        for (int i = 0; i < 100; i += 2) environment->put("VELMISH_BUSY_" + std::to_string(i) + "=");
    }
    done = true;
    reader.join();
    EXPECT_EQ(misses, 0);
    for (int i = 1; i < 100; i += 2) {
        EXPECT_EQ(std::getenv(("VELMISH_BUSY_" + std::to_string(i)).c_str()), std::string("19"));
        environment->put("VELMISH_BUSY_" + std::to_string(i) + "=");
    }
    EXPECT_EQ(std::getenv("VELMISH_BUSY_1"), nullptr);
    EXPECT_STREQ(std::getenv("VELMISH_STEADY"), "here");
}

TEST(ProgramSearch, LooksAlongPathAtTheTimeOfTheCall) {
    using platform::posix::findProgram;
    std::optional<std::string> sh = findProgram("sh");
    ASSERT_TRUE(sh.has_value());
    EXPECT_EQ(sh->back(), 'h');
    EXPECT_EQ(findProgram("velmish-no-such-program"), std::nullopt);
    EXPECT_EQ(findProgram("/bin/sh"), std::optional<std::string>("/bin/sh"));
    EXPECT_EQ(findProgram("/velmish/no/such"), std::nullopt);
    const char* saved = std::getenv("PATH");
    std::string path = saved ? saved : "";
    ::setenv("PATH", "/velmish-nowhere", 1);
    EXPECT_EQ(findProgram("sh"), std::nullopt);
    ::setenv("PATH", path.c_str(), 1);
}

#endif

}  // namespace
}  // namespace velmish_test
