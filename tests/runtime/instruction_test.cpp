// Decoding code lines into their operands: the self-delimiting operand forms, values joined by
// "#", conditions, calculations, variable lists, the command part of R0IF and lines that are cut
// short.
#include <gtest/gtest.h>

#include "code_runner.h"
#include "runtime/instruction.h"

namespace velrun_test {
namespace {

using code::Opcode;
using runtime::Instruction;

// A value written back in the code's own notation: 'text' for a literal, [index] for a variable
// reference, joined by "#".
std::string notation(const interp::ValueShape& value) {
    std::string text;
    for (const interp::ValuePart& part : value) {
        if (!text.empty()) text += '#';
        text += part.isVariable ? "[" + part.variable.name() + "]" : "'" + part.literal + "'";
    }
    return text;
}

// A condition in the same notation; a connective follows the comparison it belongs to.
std::string notation(const interp::ConditionShape& condition) {
    std::string text;
    for (const interp::Comparison& comparison : condition) {
        text += notation(comparison.left) + comparison.op + notation(comparison.right);
        if (comparison.connective) text += comparison.connective;
    }
    return text;
}

std::vector<std::string> valueNotations(const Instruction& instruction) {
    std::vector<std::string> texts;
    for (const auto& value : instruction.values) texts.push_back(notation(value));
    return texts;
}

std::vector<std::string> targetNames(const Instruction& instruction) {
    std::vector<std::string> names;
    for (const auto& target : instruction.targets) names.push_back(target.name());
    return names;
}

class DecodeInstruction : public ::testing::Test {
  protected:
    Instruction decode(std::string_view line) { return runtime::decodeInstruction(line, vars); }

    FakePlatform fake;
    interp::VariableTable vars{fake, fake, interp::NameScheme::indexNames};
};

using Strings = std::vector<std::string>;

// ---- values ----

TEST_F(DecodeInstruction, LiteralHoldingHashAndBracketIsOneLiteral) {
    Instruction let = decode("R001[31]'a#b[c]#'");
    ASSERT_EQ(let.opcode, Opcode::R001);
    EXPECT_EQ(targetNames(let), Strings{"31"});
    ASSERT_EQ(let.values.size(), 1u);
    ASSERT_EQ(let.values[0].size(), 1u);
    EXPECT_FALSE(let.values[0][0].isVariable);
    EXPECT_EQ(let.values[0][0].literal, "a#b[c]#");
}

TEST_F(DecodeInstruction, ValuesJoinedByHash) {
    Instruction echo = decode("R027'Name: '#[31]#'!'#[0]");
    ASSERT_EQ(echo.opcode, Opcode::R027);
    EXPECT_EQ(valueNotations(echo), Strings{"'Name: '#[31]#'!'#[0]"});
    ASSERT_EQ(echo.values[0].size(), 4u);
    EXPECT_TRUE(echo.values[0][1].isVariable);
    EXPECT_EQ(echo.values[0][1].variable.name(), "31");
    EXPECT_EQ(echo.values[0][2].literal, "!");
}

TEST_F(DecodeInstruction, ValueFollowedDirectlyByAReferenceIsTwoValues) {
    EXPECT_EQ(valueNotations(decode("RF00[31]'a'[32]")), (Strings{"'a'", "[32]"}));
    Instruction link = decode("RF00[40]'a'#[32][33]'b''c'#'d'");
    EXPECT_EQ(targetNames(link), Strings{"40"});
    EXPECT_EQ(valueNotations(link), (Strings{"'a'#[32]", "[33]", "'b'", "'c'#'d'"}));
    EXPECT_EQ(valueNotations(decode("RF00[31]'only'")), Strings{"'only'"});
}

TEST_F(DecodeInstruction, OperandsOfTheFixedForms) {
    Instruction box = decode("R007'Caption''Text'#[31]'YESNO'");
    EXPECT_EQ(valueNotations(box), (Strings{"'Caption'", "'Text'#[31]", "'YESNO'"}));
    EXPECT_TRUE(box.targets.empty());

    Instruction copy = decode("RF08[31][32]'2'#'0''3'");
    EXPECT_EQ(targetNames(copy), Strings{"31"});
    EXPECT_EQ(valueNotations(copy), (Strings{"[32]", "'2'#'0'", "'3'"}));

    Instruction pos = decode("RF02[35]'abcabc''ca'");
    EXPECT_EQ(targetNames(pos), Strings{"35"});
    EXPECT_EQ(valueNotations(pos), (Strings{"'abcabc'", "'ca'"}));

    Instruction header = decode("RRLR'4.3'");
    ASSERT_EQ(header.opcode, Opcode::RRLR);
    EXPECT_EQ(valueNotations(header), Strings{"'4.3'"});

    // The dialog commands have their operands read by form like every other command.
    Instruction input = decode("R008[31]'Title''Prompt''Default'");
    EXPECT_EQ(targetNames(input), Strings{"31"});
    EXPECT_EQ(valueNotations(input), (Strings{"'Title'", "'Prompt'", "'Default'"}));
}

TEST_F(DecodeInstruction, EmptyLiteralsAndEmptyValues) {
    EXPECT_EQ(valueNotations(decode("R027''")), Strings{"''"});
    EXPECT_EQ(valueNotations(decode("R007'''''OK'")), (Strings{"''", "''", "'OK'"}));
    // Any opening character other than "[" starts a literal.
    EXPECT_EQ(valueNotations(decode("R027(abc'rest")), Strings{"'abc'"});
    EXPECT_EQ(valueNotations(decode("RF00[31]''#''[32]")), (Strings{"''#''", "[32]"}));
}

// ---- conditions ----

TEST_F(DecodeInstruction, ConditionWithConnectivesKeepsTheirOrder) {
    Instruction block = decode("RXIF[31]='x'|[31]='y'&'1'<[32]#'0'");
    ASSERT_EQ(block.opcode, Opcode::RXIF);
    EXPECT_EQ(notation(block.condition), "[31]='x'|[31]='y'&'1'<[32]#'0'");
    ASSERT_EQ(block.condition.size(), 3u);
    EXPECT_EQ(block.condition[0].connective, '|');
    EXPECT_EQ(block.condition[1].connective, '&');
    EXPECT_EQ(block.condition[2].connective, 0);
    EXPECT_EQ(block.condition[2].op, '<');
}

TEST_F(DecodeInstruction, EveryOperatorCharacterIsTaken) {
    EXPECT_EQ(notation(decode("RUNT[31]>'3'").condition), "[31]>'3'");
    EXPECT_EQ(notation(decode("RXIE'a'!'b'").condition), "'a'!'b'");
    // An operator outside the four is kept; it compares false when evaluated.
    EXPECT_EQ(notation(decode("RUNT'a'?'a'").condition), "'a'?'a'");
}

TEST_F(DecodeInstruction, IfWithCommandPart) {
    Instruction jump = decode("R0IF[31]='Hello'R004loop");
    ASSERT_EQ(jump.opcode, Opcode::R0IF);
    EXPECT_EQ(notation(jump.condition), "[31]='Hello'");
    ASSERT_TRUE(jump.inlineCommand);
    EXPECT_EQ(jump.inlineCommand->opcode, Opcode::R004);
    EXPECT_EQ(jump.inlineCommand->label, "loop");

    Instruction let = decode("R0IF'a'='a'#[31]|[32]!''R001[33]'v'#[31]");
    EXPECT_EQ(notation(let.condition), "'a'='a'#[31]|[32]!''");
    ASSERT_TRUE(let.inlineCommand);
    EXPECT_EQ(let.inlineCommand->opcode, Opcode::R001);
    EXPECT_EQ(targetNames(*let.inlineCommand), Strings{"33"});
    EXPECT_EQ(valueNotations(*let.inlineCommand), Strings{"'v'#[31]"});

    // Nested one-line IFs on one line: their conditions in order, then the command they guard.
    Instruction nested = decode("R0IF'a'='a'R0IF[31]='b'R0IF'c'!'d'R027'x'");
    EXPECT_EQ(notation(nested.condition), "'a'='a'");
    ASSERT_EQ(nested.nestedConditions.size(), 2u);
    EXPECT_EQ(notation(nested.nestedConditions[0]), "[31]='b'");
    EXPECT_EQ(notation(nested.nestedConditions[1]), "'c'!'d'");
    ASSERT_TRUE(nested.inlineCommand);
    ASSERT_EQ(nested.inlineCommand->opcode, Opcode::R027);
    EXPECT_EQ(valueNotations(*nested.inlineCommand), Strings{"'x'"});
}

TEST_F(DecodeInstruction, IfWithEmptyCommandPart) {
    Instruction empty = decode("R0IF[31]='a'");
    ASSERT_EQ(empty.opcode, Opcode::R0IF);
    EXPECT_EQ(notation(empty.condition), "[31]='a'");
    ASSERT_TRUE(empty.inlineCommand);
    EXPECT_FALSE(empty.inlineCommand->opcode.has_value());
}

// ---- calculations and variable lists ----

TEST_F(DecodeInstruction, CalculationKeepsTheOperatorBeforeEachFurtherValue) {
    Instruction calc = decode("RF01[31]'2'+[32]*'4'-'1'#'0'/'2'~[33]");
    ASSERT_EQ(calc.opcode, Opcode::RF01);
    EXPECT_EQ(targetNames(calc), Strings{"31"});
    EXPECT_EQ(valueNotations(calc), (Strings{"'2'", "[32]", "'4'", "'1'#'0'", "'2'", "[33]"}));
    EXPECT_EQ(calc.operators, "+*-/~");

    Instruction single = decode("RF01[31][32]");
    EXPECT_EQ(valueNotations(single), Strings{"[32]"});
    EXPECT_EQ(single.operators, "");
}

TEST_F(DecodeInstruction, VariableListOfDeclare) {
    EXPECT_EQ(targetNames(decode("R000[32][33]")), (Strings{"32", "33"}));
    EXPECT_EQ(targetNames(decode("R000[31]")), Strings{"31"});
    EXPECT_EQ(targetNames(decode("R000[31][100][0][7]")), (Strings{"31", "100", "0", "7"}));
}

// ---- labels ----

TEST_F(DecodeInstruction, LabelIsTheRestOfTheLineAsWritten) {
    EXPECT_EQ(decode("RLBLloop").label, "loop");
    EXPECT_EQ(decode("RLBL My Loop ").label, " My Loop ");
    EXPECT_EQ(decode("R004end").label, "end");
    EXPECT_EQ(decode("R005Sub'1'[2]#").label, "Sub'1'[2]#");
    EXPECT_EQ(decode("RLBL").label, "");
    EXPECT_EQ(decode("R005sub").opcode, Opcode::R005);
}

// ---- lines cut short and lines that match nothing ----

TEST_F(DecodeInstruction, MissingClosingCharacterTakesTheRestOfTheLine) {
    EXPECT_EQ(valueNotations(decode("R027'abc")), Strings{"'abc'"});
    EXPECT_EQ(valueNotations(decode("R027'a'#[31")), Strings{"'a'#[31]"});
    EXPECT_EQ(valueNotations(decode("R027'a'#'b c")), Strings{"'a'#'b c'"});
    EXPECT_EQ(targetNames(decode("R001[31")), Strings{"31"});
    EXPECT_EQ(notation(decode("RXIF[31]='ab").condition), "[31]='ab'");
    EXPECT_EQ(targetNames(decode("R000[31][32")), (Strings{"31", "32"}));
    // The first literal of a value never closes, so the second value is never reached.
    EXPECT_EQ(valueNotations(decode("RF00[31]'a[32]")), Strings{"'a[32]'"});
}

TEST_F(DecodeInstruction, LinesThatMatchNothing) {
    for (std::string_view line : {"", "R", "R02", "R099", "R099'x'", "R002", "R003", "R041'x'", "RF09[31]'x'",
                                  "r027'x'", " R027'x'", "RLB", "rlblx"}) {
        EXPECT_FALSE(decode(line).opcode.has_value()) << "line: " << line;
    }
}

TEST_F(DecodeInstruction, OpcodeIsTheFirstFourBytesOnly) {
    EXPECT_EQ(decode("R009").opcode, Opcode::R009);
    EXPECT_EQ(decode("R009junk").opcode, Opcode::R009);
    EXPECT_EQ(decode("RXEL").opcode, Opcode::RXEL);
    EXPECT_EQ(decode("RF08[31]'a''1''1'").opcode, Opcode::RF08);
}

// ---- the worked example of the code format ----

TEST_F(DecodeInstruction, WorkedExampleLines) {
    Instruction let = decode("R001[31]'Hello'");
    EXPECT_EQ(let.opcode, Opcode::R001);
    EXPECT_EQ(targetNames(let), Strings{"31"});
    EXPECT_EQ(valueNotations(let), Strings{"'Hello'"});

    EXPECT_EQ(decode("RLBLloop").opcode, Opcode::RLBL);

    Instruction ifGoto = decode("R0IF[31]='Hello'R004loop");
    EXPECT_EQ(notation(ifGoto.condition), "[31]='Hello'");
    EXPECT_EQ(ifGoto.inlineCommand->label, "loop");

    EXPECT_EQ(valueNotations(decode("R027'Value: '#[31]")), Strings{"'Value: '#[31]"});
    EXPECT_EQ(notation(decode("RXIF[31]!'x'").condition), "[31]!'x'");
    EXPECT_EQ(notation(decode("RXIE[31]='y'").condition), "[31]='y'");
    EXPECT_EQ(decode("RXEL").opcode, Opcode::RXEL);
    EXPECT_EQ(decode("RXEI").opcode, Opcode::RXEI);
    EXPECT_EQ(targetNames(decode("R000[32][33]")), (Strings{"32", "33"}));
}

// ---- decoding line after line into one instruction ----

TEST_F(DecodeInstruction, ALineDecodedWhereAnotherWasKeepsNothingOfIt) {
    const std::vector<std::string_view> lines = {
        "RF01[31]'1'+[32]*'3'",
        "R0IF[31]='1'R0IF[32]<'2'RF00[33]'a'[34]",
        "R027'x'",
        "RXIF[31]='a'|[32]!'b'",
        "RF00[40]'a'#[32][33]'b'",
        "R004loop",
        "RUNT[31]>'9'",
        "R001[7]'seven'",
        "R001[007]'other'",
        "RXEI",
        "RRLR'4.3'",
        "XXXX",
        "R000[32][33]",
    };
    Instruction reused;
    for (int round = 0; round < 2; ++round) {
        for (std::string_view line : lines) {
            runtime::decodeInstruction(line, vars, reused);
            Instruction fresh = decode(line);
            SCOPED_TRACE(std::string(line));
            EXPECT_EQ(reused.opcode, fresh.opcode);
            EXPECT_EQ(reused.label, fresh.label);
            EXPECT_EQ(targetNames(reused), targetNames(fresh));
            EXPECT_EQ(valueNotations(reused), valueNotations(fresh));
            EXPECT_EQ(reused.operators, fresh.operators);
            EXPECT_EQ(notation(reused.condition), notation(fresh.condition));
            EXPECT_EQ(reused.nestedConditions.size(), fresh.nestedConditions.size());
            EXPECT_EQ(reused.inlineCommand != nullptr, fresh.inlineCommand != nullptr);
            EXPECT_EQ(reused.handler, fresh.handler);
        }
    }
    // Index texts name variables as written: "007" is not "7".
    EXPECT_NE(&vars.handle("7").name(), &vars.handle("007").name());
    EXPECT_EQ(&vars.handleOfIndex("7").name(), &vars.handle("7").name());
    EXPECT_EQ(&vars.handleOfIndex("007").name(), &vars.handle("007").name());
}

}  // namespace
}  // namespace velrun_test
