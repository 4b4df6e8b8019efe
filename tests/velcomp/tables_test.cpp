// Variable indices, label definitions and references, and the label check.
#include <gtest/gtest.h>

#include "compile_helpers.h"
#include "compiler/compile_tables.h"
#include "core/system_variables.h"

namespace velcomp_test {
namespace {

using compiler::LabelTables;
using compiler::VariableNames;

TEST(VariableNames, SystemVariablesHoldTheFirst31Indices) {
    VariableNames names;
    EXPECT_EQ(names.count(), 31);
    EXPECT_EQ(names.indexOf("errorcode"), 0);
    EXPECT_EQ(names.indexOf("command"), 1);
    EXPECT_EQ(names.indexOf("time"), 7);
    EXPECT_EQ(names.indexOf("clipboard"), 25);
    EXPECT_EQ(names.indexOf("VL_Pro"), 30);
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(names.nameAt(i), interp::scriptName(static_cast<interp::SystemVariable>(i))) << i;
    }
    EXPECT_EQ(names.count(), 31);
}

TEST(VariableNames, UserNamesFollowInOrderOfFirstUseWithExactCase) {
    VariableNames names;
    EXPECT_EQ(names.indexOf("b"), 31);
    EXPECT_EQ(names.indexOf("a"), 32);
    EXPECT_EQ(names.indexOf("b"), 31);
    EXPECT_EQ(names.indexOf("A"), 33);
    EXPECT_EQ(names.indexOf(" a "), 34);
    EXPECT_EQ(names.indexOf("ERRORCODE"), 35);
    EXPECT_EQ(names.indexOf("VL_UseOldFileFunctions"), 36);
    EXPECT_EQ(names.indexOf(""), 37);
    EXPECT_EQ(names.indexOf("next"), 38);
    EXPECT_EQ(names.indexOf(""), 37);
}

TEST(VariableNames, ManyNamesKeepTheirIndices) {
    VariableNames names;
    // Built with append: GCC 12 warns wrongly (-Wrestrict) about "v" + std::to_string(i) at -O2.
    for (int i = 0; i < 5000; ++i) EXPECT_EQ(names.indexOf(std::string("v").append(std::to_string(i))), 31 + i);
    EXPECT_EQ(names.indexOf("v4321"), 31 + 4321);
}

TEST(VariableNames, CompiledCodeUsesTheIndices) {
    EXPECT_EQ(codeLineOf("LET [errorcode] = [command]#[VL_Pro]#[x]#[Errorcode]\r\n"), "R001[0][1]#[30]#[31]#[32]");
    EXPECT_EQ(bodyOf("LET [zeta] = '1'\r\nLET [alpha] = [zeta]\r\n"),
              (std::vector<std::string>{"R001[31]'1'", "R001[32][31]"}));
}

TEST(LabelTables, DefinitionsRepeatNot) {
    LabelTables labels;
    EXPECT_TRUE(labels.define("a"));
    EXPECT_TRUE(labels.define("A"));
    EXPECT_TRUE(labels.define("a "));
    EXPECT_FALSE(labels.define("a"));
    EXPECT_TRUE(labels.define(""));
    EXPECT_TRUE(labels.define(""));
    EXPECT_EQ(labels.definitionCount(), 3u);
}

TEST(LabelTables, ReferenceKeepsTheLineOfItsFirstUse) {
    LabelTables labels;
    labels.reference("x", 4);
    labels.reference("y", 6);
    labels.reference("x", 9);
    ASSERT_EQ(labels.references().size(), 2u);
    EXPECT_EQ(labels.references()[0].lineCounter, 4);
    auto missing = labels.firstUndefined();
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->name, "x");
    EXPECT_EQ(missing->lineCounter, 4);
    labels.define("x");
    EXPECT_EQ(labels.firstUndefined()->name, "y");
    labels.define("y");
    EXPECT_FALSE(labels.firstUndefined());
}

TEST(Labels, LabelLineKeepsCaseAndBlanks) {
    EXPECT_EQ(codeLineOf("%Loop Start \r\n"), "RLBLLoop Start ");
    EXPECT_EQ(bodyOf("%a b \r\nGOTO a b \r\n"), (std::vector<std::string>{"RLBLa b ", "R004a b "}));
    EXPECT_EQ(errorOf("%Loop\r\nGOTO loop\r\n").number, 2);
}

TEST(Labels, LabelMarkerInsideAWordMakesALabelLine) {
    EXPECT_EQ(bodyOf("ECHO%x\r\nGOTO x\r\n"), (std::vector<std::string>{"RLBLx", "R004x"}));
    EXPECT_EQ(codeLineOf("  \t%indented\r\n"), "RLBLindented");
}

// The interpreter stops at a label line without a name; a program must not run past it.
TEST(Labels, LabelLineWithoutANameIsAParseError) {
    EXPECT_EQ(errorOf("REM\r\n%\r\n").number, 0);
    EXPECT_EQ(errorOf("%   \r\n").number, 0);
}

TEST(Labels, JumpBeforeAndAfterTheLabel) {
    EXPECT_EQ(bodyOf("GOSUB sub\r\nEND\r\n%sub\r\nRESUME\r\n"),
              (std::vector<std::string>{"R005sub", "R009", "RLBLsub", "R006"}));
    EXPECT_EQ(bodyOf("GOSUB sub\r\nHALT\r\n%sub\r\nRESUME\r\nGOTO sub\r\n"),
              (std::vector<std::string>{"R005sub", "R009", "RLBLsub", "R006", "R004sub"}));
}

// A script with n label lines "%l0" ... and the given extra lines.
std::string manyLabels(int n, const std::string& extra) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "%l" + std::to_string(i) + "\r\n";
    return text + extra;
}

TEST(Labels, The1001stDefinitionIsRecorded) {
    EXPECT_FALSE(compileText(manyLabels(1001, "GOTO l1000\r\n")).error);
    compiler::CompileError error = errorOf(manyLabels(1001, "%l1000\r\n"));
    EXPECT_EQ(error.number, 3);
    EXPECT_EQ(error.filling, "l1000");
    EXPECT_EQ(error.lineCounter - 1, 1002);
}

TEST(Labels, The1001stReferenceIsChecked) {
    std::string jumps;
    for (int i = 0; i < 1000; ++i) jumps += "GOTO l" + std::to_string(i) + "\r\n";
    EXPECT_FALSE(compileText(manyLabels(1000, jumps)).error);
    compiler::CompileError error = errorOf(manyLabels(1000, jumps + "GOSUB missing\r\n"));
    EXPECT_EQ(error.number, 2);
    EXPECT_EQ(error.filling, "missing");
    EXPECT_EQ(error.lineCounter - 1, 2001);
}

}  // namespace
}  // namespace velcomp_test
