// The variable and string commands: their meanings (called directly) and their parameter syntax
// (through scripts).
#include <gtest/gtest.h>

#include <climits>

#include "commands/text_commands.h"
#include "core/text.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using Lines = std::vector<std::string>;

class TextCommandTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    interp::VariableTable vars{fake, fake, interp::NameScheme::scriptNames};
    commands::Session session;
    commands::Context ctx{vars, fake, fake, session};

    std::string calc(const std::string& first, const std::vector<std::pair<char, std::string>>& steps = {}) {
        commands::Calculation calculation(first);
        for (const auto& [op, operand] : steps) calculation.apply(op, operand);
        commands::calcVar(ctx, vars.handle("n"), calculation);
        return vars.get("n");
    }
    std::string copy(const std::string& source, const std::string& start, const std::string& count) {
        commands::copyVar(ctx, vars.handle("c"), source, start, count);
        return vars.get("c");
    }
    std::string pos(const std::string& text, const std::string& pattern) {
        commands::getPos(ctx, vars.handle("p"), text, pattern);
        return vars.get("p");
    }
    std::string chr(const std::string& code) {
        commands::getChr(ctx, vars.handle("ch"), code);
        return vars.get("ch");
    }
};

// The value a script line stores in [r], shown through ECHO.
std::string resultOf(const Lines& lines) {
    Lines script = lines;
    script.push_back("ECHO '<'#[r]#'>'");
    RunResult result = runScript(crlf(script));
    EXPECT_TRUE(result.errors.empty()) << result.errorText();
    return result.shown.empty() ? "(nothing shown)" : result.shown.back();
}

std::string errorOf(const std::string& line) { return runScript(crlf({line, "REM"})).errorText(); }

// ---- CALCVAR ----

TEST(WholeNumbers, FormattedAsDecimalDigitsWithTheirSign) {
    for (long long value : {0LL, 7LL, -7LL, 9LL, 10LL, 99LL, 100LL, -100LL, 101LL, 999999LL, 1000000LL,
                            123456789012345LL, -999999999999999LL, LLONG_MAX, LLONG_MIN}) {
        EXPECT_EQ(interp::intToText(value), std::to_string(value));
    }
}

TEST_F(TextCommandTest, CalcVarArithmeticAndFormatting) {
    EXPECT_EQ(calc("10", {{'/', "4"}}), "2.5");
    EXPECT_EQ(calc("7", {{'~', "3"}}), "1");
    EXPECT_EQ(calc("1.5", {{'*', "2"}}), "3");
    EXPECT_EQ(calc("abc", {{'+', "1"}}), "1");
    EXPECT_EQ(calc("1", {{'/', "3"}}), "0.333333");
    EXPECT_EQ(calc("2", {{'/', "3"}}), "0.666667");
    EXPECT_EQ(calc("0", {{'-', "0"}}), "0");
    EXPECT_EQ(calc("100"), "100");
    EXPECT_EQ(calc("-0.5"), "-0.5");
    EXPECT_EQ(calc("1e20"), "100000000000000000000");
    EXPECT_EQ(calc("0.0000001"), "0");
    EXPECT_EQ(calc("3", {{'-', "5"}}), "-2");
    EXPECT_EQ(calc("2.50"), "2.5");
}

TEST_F(TextCommandTest, CalcVarHasNoPrecedence) {
    EXPECT_EQ(calc("2", {{'+', "3"}, {'*', "4"}}), "20");
    EXPECT_EQ(calc("10", {{'-', "4"}, {'/', "2"}, {'~', "2"}}), "1");
}

TEST_F(TextCommandTest, RemainderTruncatesAndKeepsTheSignOfTheLeftSide) {
    EXPECT_EQ(calc("-7", {{'~', "2"}}), "-1");
    EXPECT_EQ(calc("7", {{'~', "-2"}}), "1");
    EXPECT_EQ(calc("7.9", {{'~', "2.9"}}), "1");
    EXPECT_EQ(calc("-2147483648", {{'~', "-1"}}), "0");
}

TEST_F(TextCommandTest, DivisionByZeroGivesInfinityAndNan) {
    EXPECT_EQ(calc("1", {{'/', "0"}}), "+INF");
    EXPECT_EQ(calc("-1", {{'/', "0"}}), "-INF");
    std::string zeroByZero = calc("0", {{'/', "0"}});
    EXPECT_TRUE(zeroByZero == "+NAN" || zeroByZero == "-NAN") << zeroByZero;
    // "~" by zero (also a divisor that truncates to zero) stores the same NAN text.
    EXPECT_EQ(calc("5", {{'~', "0"}}), zeroByZero);
    EXPECT_EQ(calc("5", {{'~', "0.9"}}), zeroByZero);
    EXPECT_EQ(calc("1", {{'/', "0"}, {'*', "-1"}}), "-INF");
}

// ---- COPYVAR, GETPOS, GETCHR and the conversions ----

TEST_F(TextCommandTest, CopyVar) {
    EXPECT_EQ(copy("abcdef", "2", "3"), "bcd");
    EXPECT_EQ(copy("abcdef", "-1", "2"), "ef");
    EXPECT_EQ(copy("abcdef", "-5", "2"), "ab");
    EXPECT_EQ(copy("abcdef", "5", "10"), "ef");
    EXPECT_EQ(copy("abcdef", "6", "1"), "f");
    EXPECT_EQ(copy("abcdef", "3", "0"), "c");
    EXPECT_EQ(copy("abcdef", "3", "-4"), "c");
    EXPECT_EQ(copy("abcdef", "-1", "0"), "f");
    EXPECT_EQ(copy("abcdef", "x", "2"), "");
    EXPECT_EQ(copy("abcdef", "2abc", "3xyz"), "bcd");
}

TEST_F(TextCommandTest, CopyVarOutsideTheSource) {
    EXPECT_EQ(copy("abcdef", "0", "3"), "");
    EXPECT_EQ(copy("abcdef", "7", "1"), "");
    EXPECT_EQ(copy("abcdef", "1000", "5"), "");
    EXPECT_EQ(copy("abcdef", "-1", "10"), "abcdef");
    EXPECT_EQ(copy("", "1", "1"), "");
    EXPECT_EQ(copy("", "-1", "3"), "");
}

TEST_F(TextCommandTest, GetPos) {
    EXPECT_EQ(pos("abcabc", "ca"), "3");
    EXPECT_EQ(pos("abc", "x"), "0");
    EXPECT_EQ(pos("abc", "B"), "0");
    EXPECT_EQ(pos("abc", "abc"), "1");
    EXPECT_EQ(pos("abc", "abcd"), "0");
    EXPECT_EQ(pos("abc", ""), "1");
    EXPECT_EQ(pos("", ""), "0");
    EXPECT_EQ(pos("", "a"), "0");
    EXPECT_EQ(pos("aaab", "ab"), "3");
}

TEST_F(TextCommandTest, GetChrTakesTheCodeModulo256) {
    EXPECT_EQ(chr("65"), "A");
    EXPECT_EQ(chr("321"), "A");
    EXPECT_EQ(chr("-191"), "A");
    EXPECT_EQ(chr("0"), "");
    EXPECT_EQ(chr("256"), "");
    EXPECT_EQ(chr("x"), "");
    EXPECT_EQ(chr("255"), "\xFF");
    EXPECT_EQ(chr(" 10"), "\n");
}

TEST_F(TextCommandTest, CaseLengthAndTrim) {
    commands::upVar(ctx, vars.handle("u"),
                    "Stra\xDF"
                    "e 1 az");
    EXPECT_EQ(vars.get("u"),
              "STRA\xDF"
              "E 1 AZ");
    commands::lowVar(ctx, vars.handle("l"), "\xC4PFEL [AZ]");
    EXPECT_EQ(vars.get("l"), "\xC4pfel [az]");
    commands::trimVar(ctx, vars.handle("t"), "  x y  ");
    EXPECT_EQ(vars.get("t"), "x y");
    commands::trimVar(ctx, vars.handle("t"), "\t x \t");
    EXPECT_EQ(vars.get("t"), "\t x \t");
    commands::trimVar(ctx, vars.handle("t"), "    ");
    EXPECT_EQ(vars.get("t"), "");
    commands::getLen(ctx, vars.handle("len"), std::string("a\0b", 3));
    EXPECT_EQ(vars.get("len"), "3");
    commands::getLen(ctx, vars.handle("len"), "");
    EXPECT_EQ(vars.get("len"), "0");
}

// ---- through scripts ----

TEST(StringScripts, LinkVar) {
    EXPECT_EQ(resultOf({"LET [b] = 'y'", "LINKVAR [r] = 'x', [b] + 'z'"}), "<xyz>");
    EXPECT_EQ(resultOf({"LINKVAR [r] = 'x'"}), "<x>");
    EXPECT_EQ(resultOf({"LINKVAR [r] = 'a'#'b','c'+'d'#'e'"}), "<abcde>");
}

TEST(StringScripts, CalcVarReadsOperatorsAndValues) {
    EXPECT_EQ(resultOf({"LET [i] = '4'", "CALCVAR [r] = [i] * '2' - '1'"}), "<7>");
    EXPECT_EQ(resultOf({"CALCVAR [r] = '1'+'2'"}), "<3>");
    EXPECT_EQ(resultOf({"CALCVAR [r] = '0' / '0'", "CALCVAR [s] = '9' ~ '0'", "IF [r] = [s] LET [r] = 'same'"}),
              "<same>");
}

TEST(StringScripts, LenientOperands) {
    EXPECT_EQ(resultOf({"UPVAR [r] = hello world"}), "<HELLO WORLD>");
    EXPECT_EQ(resultOf({"LOWVAR [r] = 'MiXeD'#[x]"}), "<mixed>");
    EXPECT_EQ(resultOf({"TRIMVAR [r] = '  x  '"}), "<x>");
    EXPECT_EQ(resultOf({"GETLEN [r] = abc  "}), "<5>");
    EXPECT_EQ(resultOf({"GETLEN [r] = ''"}), "<0>");
    EXPECT_EQ(resultOf({"GETLEN [r] = [new_line]"}), "<1>");
    EXPECT_EQ(resultOf({"GETCHR [r] = 66"}), "<B>");
}

TEST(StringScripts, CopyVarAndGetPosSeparators) {
    EXPECT_EQ(resultOf({"COPYVAR [r] = 'abcdef', '2', '3'"}), "<bcd>");
    EXPECT_EQ(resultOf({"COPYVAR [r] = 'abcdef':'2','3'"}), "<bcd>");
    EXPECT_EQ(resultOf({"COPYVAR [r] = 'abcdef', '2', '3' anything at all"}), "<bcd>");
    EXPECT_EQ(resultOf({"GETPOS [r] = 'abcabc', 'ca'"}), "<3>");
    EXPECT_EQ(resultOf({"GETPOS [r] = 'abcabc':'bc'   "}), "<2>");
}

TEST(StringScripts, TargetIsCreatedAndErrorcodeIsLeftAlone) {
    Lines script = {"MSGBOX 'c', 't', 'OK'", "LINKVAR [a] = 'x'",       "CALCVAR [a] = '1'",
                    "UPVAR [a] = 'x'",       "LOWVAR [a] = 'x'",        "TRIMVAR [a] = 'x'",
                    "GETCHR [a] = '65'",     "GETLEN [a] = 'x'",        "COPYVAR [a] = 'x', '1', '1'",
                    "GETPOS [a] = 'x', 'x'", "ECHO [errorcode]#'/'#[a]"};
    RunResult result = runScript(crlf(script));
    EXPECT_EQ(result.shown.back(), "1/1");
    EXPECT_EQ(runScript(crlf({"GETLEN [r] = 'x'", "ECHO '<'#[errorcode]#'>'"})).shown.back(), "<>");
}

TEST(StringScripts, HeadErrors) {
    EXPECT_EQ(errorOf("UPVAR [a] 'x'"), "Line 1, Error 00: Parse error at UPVAR");
    EXPECT_EQ(errorOf("UPVAR 'x'"), "Line 1, Error 00: Parse error at UPVAR");
    EXPECT_EQ(errorOf("getlen [a]"), "Line 2, Error 00: Parse error at GETLEN");
    EXPECT_EQ(errorOf("TRIMVAR [a] ="), "Line 2, Error 03: Parameter expected at TRIMVAR");
    EXPECT_EQ(errorOf("GETCHR"), "Line 2, Error 00: Parse error at GETCHR");
}

TEST(StringScripts, OperandErrors) {
    EXPECT_EQ(errorOf("LINKVAR [a] = 'x' 'y'"), "Line 1, Error 00: Parse error at LINKVAR");
    EXPECT_EQ(errorOf("LINKVAR [a] = 'x' - 'y'"), "Line 1, Error 00: Parse error at LINKVAR");
    EXPECT_EQ(errorOf("LINKVAR [a] = 'x',"), "Line 2, Error 03: Parameter expected at LINKVAR");
    EXPECT_EQ(errorOf("CALCVAR [n] = '1' % '2'"), "Line 1, Error 00: Parse error at CALCVAR");
    EXPECT_EQ(errorOf("CALCVAR [n] = '1' ^ '2'"), "Line 1, Error 00: Parse error at CALCVAR");
    EXPECT_EQ(errorOf("CALCVAR [n] = 1 + '2'"), "Line 1, Error 00: Parse error at CALCVAR");
    EXPECT_EQ(errorOf("CALCVAR [n] = '1' +"), "Line 2, Error 03: Parameter expected at CALCVAR");
}

TEST(StringScripts, CopyVarAndGetPosErrors) {
    EXPECT_EQ(errorOf("COPYVAR [a] = 'abc' '1', '1'"), "Line 1, Error 00: Parse error at COPYVAR");
    EXPECT_EQ(errorOf("COPYVAR [a] = 'abc', '1' '1'"), "Line 1, Error 00: Parse error at COPYVAR");
    EXPECT_EQ(errorOf("COPYVAR [a] = 'abc', '1' ; '1'"), "Line 1, Error 00: Parse error at COPYVAR");
    EXPECT_EQ(errorOf("COPYVAR [a] = 'abc'"), "Line 2, Error 00: Parse error at COPYVAR");
    EXPECT_EQ(errorOf("COPYVAR [a] = 'abc', '1'"), "Line 2, Error 00: Parse error at COPYVAR");
    EXPECT_EQ(errorOf("GETPOS [p] = 'abc', 'b' junk"), "Line 1, Error 00: Parse error at GETPOS");
    EXPECT_EQ(errorOf("GETPOS [p] = 'abc', 'b', 'c'"), "Line 1, Error 00: Parse error at GETPOS");
    EXPECT_EQ(errorOf("GETPOS [p] = 'abc'"), "Line 2, Error 00: Parse error at GETPOS");
    EXPECT_EQ(errorOf("GETPOS [p] = 'abc' + 'b'"), "Line 1, Error 00: Parse error at GETPOS");
}

TEST(StringScripts, EndOfFileEndsTheParameterList) {
    EXPECT_EQ(runScript("LINKVAR [a] = 'x', 'y'\r\nECHO [a]\r\nCALCVAR [a] = '1' + '2'").exitCode, 0);
    RunResult getpos = runScript("GETPOS [p] = 'abc', 'c'");
    EXPECT_EQ(getpos.exitCode, 0);
    EXPECT_TRUE(getpos.errors.empty()) << getpos.errorText();
    RunResult copyvar = runScript("COPYVAR [p] = 'abc', '1', '2'");
    EXPECT_EQ(copyvar.exitCode, 0);
    EXPECT_TRUE(copyvar.errors.empty()) << copyvar.errorText();
    EXPECT_EQ(runScript("COPYVAR [p] = 'abc', '1'").errorText(), "Line 1, Error 00: Parse error at COPYVAR");
}

}  // namespace
}  // namespace velmish_test
