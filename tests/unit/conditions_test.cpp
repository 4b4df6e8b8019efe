// Conditions: the four comparisons and "&"/"|" read strictly from left to right.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace velmish_test {
namespace {

// Whether the condition holds after the setup lines, seen through a one-line IF and through a
// block IF (both must agree).
bool holds(const std::string& condition, const std::vector<std::string>& setup = {}) {
    std::vector<std::string> oneLine = setup;
    oneLine.push_back("IF " + condition + " ECHO 'T'");
    oneLine.push_back("ECHO 'end'");
    RunResult inline_ = runScript(crlf(oneLine));
    EXPECT_EQ(inline_.exitCode, 0) << inline_.errorText();

    std::vector<std::string> block = setup;
    block.insert(block.end(), {"IF " + condition, "ECHO 'T'", "ELSE", "ECHO 'F'", "ENDIF"});
    RunResult blockResult = runScript(crlf(block));
    EXPECT_EQ(blockResult.exitCode, 0) << blockResult.errorText();

    bool inlineHolds = inline_.shown == std::vector<std::string>{"T", "end"};
    bool blockHolds = blockResult.shown == std::vector<std::string>{"T"};
    EXPECT_EQ(inlineHolds, blockHolds) << condition;
    return blockHolds;
}

std::string conditionError(const std::string& condition) {
    return runScript(crlf({"IF " + condition, "ENDIF"})).errorText();
}

TEST(Comparisons, EqualAndDifferAreExactText) {
    EXPECT_TRUE(holds("'abc' = 'abc'"));
    EXPECT_FALSE(holds("'abc' = 'ABC'"));
    EXPECT_TRUE(holds("[a] ! [b]", {"LET [a] = 'Text'", "LET [b] = 'text'"}));
    EXPECT_FALSE(holds("'x' ! 'x'"));
    EXPECT_FALSE(holds("[n] = '9.0'", {"LET [n] = '9'"}));
    EXPECT_TRUE(holds("[missing] = ''"));
    EXPECT_FALSE(holds("'a ' = 'a'"));
}

TEST(Comparisons, LessAndGreaterAreNumeric) {
    EXPECT_FALSE(holds("[n] > '10'", {"LET [n] = '9'"}));
    EXPECT_FALSE(holds("[n] > [m]", {"LET [n] = '9'", "LET [m] = '10'"}));
    EXPECT_TRUE(holds("[n] < [m]", {"LET [n] = '9'", "LET [m] = '10'"}));
    EXPECT_TRUE(holds("'2.5' > '2.49'"));
    EXPECT_TRUE(holds("'-3' < '-2'"));
    EXPECT_FALSE(holds("'5' < '5'"));
    EXPECT_FALSE(holds("'5' > '5.0'"));
    EXPECT_TRUE(holds("'1e2' > '99'"));
}

TEST(Comparisons, NumbersAreReadWithAtofRules) {
    EXPECT_FALSE(holds("'abc' < '0'"));
    EXPECT_FALSE(holds("'abc' > '0'"));
    EXPECT_TRUE(holds("'abc' < '0.1'"));
    EXPECT_TRUE(holds("'  7' > '6.9'"));
    EXPECT_TRUE(holds("'3apples' > '2.99'"));
    EXPECT_TRUE(holds("'.5' > '0.4'"));
    EXPECT_FALSE(holds("'inf' > '1'"));
    EXPECT_FALSE(holds("'0x10' > '1'"));
}

TEST(Connectives, EvaluatedLeftToRightWithoutPrecedence) {
    const std::vector<std::string> a5 = {"LET [a] = '5'"};
    EXPECT_FALSE(holds("[a] = '5' | [a] = '6' & [b] = 'x'", a5));
    std::vector<std::string> bx = a5;
    bx.push_back("LET [b] = 'x'");
    EXPECT_TRUE(holds("[a] = '5' | [a] = '6' & [b] = 'x'", bx));
    // (false & false) | true
    EXPECT_TRUE(holds("'1' = '2' & '1' = '2' | '1' = '1'"));
    // (true | anything) & false
    EXPECT_FALSE(holds("'1' = '1' | '1' = '2' & '1' = '2'"));
    EXPECT_FALSE(holds("'1' = '2' & '1' = '1'"));
    EXPECT_TRUE(holds("'1' = '1' | '1' = '2'"));
    EXPECT_TRUE(holds("'1' = '1' & '2' = '2' & '3' = '3'"));
    EXPECT_FALSE(holds("'1' = '1' & '2' = '2' & '3' = '4'"));
    EXPECT_TRUE(holds("'1' = '2' | '2' = '3' | '3' = '3'"));
}

TEST(Connectives, BlanksAreOptional) {
    EXPECT_TRUE(holds("'1'='1'&'2'<'3'"));
    EXPECT_TRUE(holds("[a]='x'|[a]='y'", {"LET [a] = 'y'"}));
}

TEST(Connectives, OperandsMayBeJoinedValues) {
    EXPECT_TRUE(holds("[a]#'b' = 'a'#[b]", {"LET [a] = 'a'", "LET [b] = 'b'"}));
}

TEST(Malformed, OperandsMustBeQuotedOrVariables) {
    EXPECT_EQ(conditionError("[a] = 1"), "Line 1, Error 00: Parse error at IF");
    EXPECT_EQ(conditionError("a = 'x'"), "Line 1, Error 00: Parse error at IF");
}

TEST(Malformed, EveryOperatorIsOneCharacter) {
    for (const char* condition : {"[a] != 'x'", "[a] <= '5'", "[a] >= '5'", "[a] == 'x'", "[a] ? 'x'", "[a] 'x'"}) {
        EXPECT_EQ(conditionError(condition), "Line 1, Error 00: Parse error at IF") << condition;
    }
}

TEST(Malformed, LineEndWhereOperatorOrOperandBelongs) {
    // A line end after the left operand: the operator is a separator that promises more.
    EXPECT_EQ(runScript(crlf({"IF [a]", "ENDIF"})).errorText(), "Line 2, Error 00: Parse error at IF");
    // A line end after the operator: a value position.
    EXPECT_EQ(runScript(crlf({"IF [a] =", "ENDIF"})).errorText(), "Line 2, Error 03: Parameter expected at IF");
}

TEST(Malformed, ComparisonThatCannotChangeTheResultIsStillRead) {
    EXPECT_EQ(conditionError("'1' = '1' | [a] = 1"), "Line 1, Error 00: Parse error at IF");
    EXPECT_EQ(conditionError("'1' = '2' & [a] ? 'x'"), "Line 1, Error 00: Parse error at IF");
}

TEST(Malformed, ConditionInsideASkippedBlockIsStillChecked) {
    RunResult result = runScript(crlf({"IF '1' = '2'", "IF [a] = b", "ENDIF", "ENDIF", "ECHO 'after'"}));
    EXPECT_EQ(result.errorText(), "Line 2, Error 00: Parse error at IF");
    EXPECT_TRUE(result.shown.empty());
}

TEST(Malformed, ConditionOfUntil) {
    EXPECT_EQ(runScript(crlf({"REPEAT", "UNTIL [a] = x"})).errorText(), "Line 2, Error 00: Parse error at UNTIL");
}

}  // namespace
}  // namespace velmish_test
