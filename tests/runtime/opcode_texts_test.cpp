// The code texts each command writes are part of every compiled program: programs built by earlier
// versions must still run, so a change to the command list must not move a command to another
// opcode or give two commands one by accident.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "command_set/command_table.h"

namespace {

TEST(OpcodeTexts, EachCommandKeepsTheOpcodeCompiledProgramsHold) {
    const std::map<std::string, std::string> expected = {
        {"ENDIF", "RXEI"},      {"DEC", "R000"},       {"LET", "R001"},        {"GOTO", "R004"},
        {"GOSUB", "R005"},      {"RESUME", "R006"},    {"ELSE", "RXEL"},       {"ELSEIF", "RXIE"},
        {"IF", "RXIF"},         {"MSGBOX", "R007"},    {"ECHOBOX", "R007"},    {"INPUTBOX", "R008"},
        {"EDITBOX", "R032"},    {"LISTBOX", "R031"},   {"REPEAT", "RRPT"},     {"UNTIL", "RUNT"},
        {"HALT", "R009"},       {"LINKVAR", "RF00"},   {"CALCVAR", "RF01"},    {"SHELL", "R010"},
        {"CHDIR", "R011"},      {"MKDIR", "R012"},     {"RMDIR", "R013"},      {"SYSTEM", "R014"},
        {"CALL", "R030"},       {"UPVAR", "RF03"},     {"LOWVAR", "RF04"},     {"TRIMVAR", "RF05"},
        {"GETCHR", "RF06"},     {"GETLEN", "RF07"},    {"GETENV", "R015"},     {"LETENV", "R016"},
        {"COPYVAR", "RF08"},    {"DELFILE", "R017"},   {"RENAMEFILE", "R018"}, {"FILEEXISTS", "R019"},
        {"GETPOS", "RF02"},     {"OPEN", "R020"},      {"NEWFILE", "R021"},    {"FILESIZE", "R035"},
        {"OPENBOX", "R022"},    {"SAVEBOX", "R023"},   {"READFILE", "R024"},   {"WRITEFILE", "R025"},
        {"COPYFILE", "R026"},   {"END", "R009"},       {"ECHO", "R027"},       {"ECHOLN", "R027"},
        {"CONFIRM", "R028"},    {"MCI", "R029"},       {"WAIT", "R036"},       {"FINDFILES", "R034"},
        {"SENDKEYS", "R033"},   {"FOLDERBOX", "R037"}, {"INFOBOX", "R038"},    {"GETFILEATT", "R039"},
        {"LETFILEATT", "R040"},
    };
    size_t writing = 0;
    for (const command_set::CommandRow& row : command_set::kCommandRows) {
        std::string keyword(interp::keywordText(row.keyword));
        if (row.whenCompiled == command_set::WhenCompiled::noCode) {
            EXPECT_EQ(expected.count(keyword), 0u) << keyword << " writes no code";
            continue;
        }
        ++writing;
        ASSERT_EQ(expected.count(keyword), 1u) << keyword;
        EXPECT_EQ(code::opcodeText(row.opcode), expected.at(keyword)) << keyword;
        // The runtime finds the row back from the text it reads.
        std::optional<code::Opcode> read = code::opcodeOf(expected.at(keyword));
        ASSERT_TRUE(read) << keyword;
        const command_set::CommandRow* decoded = command_set::commandRowOf(*read);
        ASSERT_NE(decoded, nullptr) << keyword;
        EXPECT_EQ(decoded->kind, row.kind) << keyword;
        EXPECT_EQ(code::opcodeText(decoded->opcode), expected.at(keyword)) << keyword;
    }
    EXPECT_EQ(writing, expected.size());
    // The code's own lines, which no keyword writes.
    for (const char* own : {"RRLR", "RLBL", "R0IF"}) {
        std::optional<code::Opcode> read = code::opcodeOf(own);
        ASSERT_TRUE(read) << own;
        EXPECT_EQ(command_set::commandRowOf(*read), nullptr) << own;
    }
}

}  // namespace
