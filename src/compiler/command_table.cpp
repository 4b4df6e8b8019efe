// The compiler's command table.
#include "compiler/command_table.h"

#include <array>

#include "core/keywords.h"

namespace compiler {

namespace {

using interp::Keyword;
using K = CommandKind;
using O = Opcode;

struct Entry {
    Keyword keyword;
    Command command;
};

// One entry per keyword the compiler translates; second spellings (LETFILEATTS) find their
// keyword's entry. Each form reads what the interpreter reads for the command, so that a script
// the interpreter refuses is refused here too, and what the interpreter ignores on a line (after
// REPEAT, after COPYVAR's operands) is ignored here instead of becoming the next command.
constexpr Entry kEntries[] = {
    {Keyword::ENDIF, {K::EndIf, O::RXEI, ""}},
    {Keyword::DEC, {K::Declare, O::R000, ""}},
    {Keyword::LET, {K::Operands, O::R001, "[] = V*"}},
    {Keyword::GOTO, {K::Jump, O::R004, ""}},
    {Keyword::GOSUB, {K::Jump, O::R005, ""}},
    {Keyword::RESUME, {K::Operands, O::R006, ""}},
    {Keyword::ELSE, {K::Else, O::RXEL, ""}},
    {Keyword::ELSEIF, {K::ElseIf, O::RXIE, ""}},
    {Keyword::IF, {K::If, O::RXIF, ""}},
    {Keyword::MSGBOX, {K::Operands, O::R007, "V , V , V $"}},
    {Keyword::ECHOBOX, {K::Operands, O::R007, "V , V , V $"}},
    {Keyword::INPUTBOX, {K::Operands, O::R008, "[] = V , V , V $"}},
    {Keyword::EDITBOX, {K::Operands, O::R032, "[] = V , V , V $"}},
    {Keyword::LISTBOX, {K::Operands, O::R031, "[] = V , V $"}},
    {Keyword::REPEAT, {K::Operands, O::RRPT, "*"}},
    {Keyword::UNTIL, {K::Operands, O::RUNT, "C"}},
    {Keyword::HALT, {K::Operands, O::R009, ""}},
    {Keyword::LINKVAR, {K::Join, O::RF00, ""}},
    {Keyword::CALCVAR, {K::Calculate, O::RF01, ""}},
    {Keyword::SHELL, {K::Operands, O::R010, "V , V $"}},
    {Keyword::CHDIR, {K::Operands, O::R011, "V*"}},
    {Keyword::MKDIR, {K::Operands, O::R012, "V*"}},
    {Keyword::RMDIR, {K::Operands, O::R013, "V*"}},
    {Keyword::SYSTEM, {K::Operands, O::R014, "V*"}},
    {Keyword::CALL, {K::Operands, O::R030, "V :, V"}},
    {Keyword::UPVAR, {K::Operands, O::RF03, "[] = V*"}},
    {Keyword::LOWVAR, {K::Operands, O::RF04, "[] = V*"}},
    {Keyword::TRIMVAR, {K::Operands, O::RF05, "[] = V*"}},
    {Keyword::GETCHR, {K::Operands, O::RF06, "[] = V*"}},
    {Keyword::GETLEN, {K::Operands, O::RF07, "[] = V*"}},
    {Keyword::GETENV, {K::Operands, O::R015, "[] = V*"}},
    {Keyword::LETENV, {K::Operands, O::R016, "V*"}},
    {Keyword::COPYVAR, {K::Operands, O::RF08, "[] = V :, V , V *"}},
    {Keyword::DELFILE, {K::Operands, O::R017, "V*"}},
    {Keyword::RENAMEFILE, {K::Operands, O::R018, "V :, V $"}},
    {Keyword::FILEEXISTS, {K::Operands, O::R019, "V*"}},
    {Keyword::GETPOS, {K::Operands, O::RF02, "[] = V :, V $"}},
    {Keyword::OPEN, {K::Operands, O::R020, "V*"}},
    {Keyword::NEWFILE, {K::Operands, O::R021, "V*"}},
    {Keyword::FILESIZE, {K::Operands, O::R035, "[] = V*"}},
    {Keyword::OPENBOX, {K::Operands, O::R022, "[] = V , V $"}},
    {Keyword::SAVEBOX, {K::Operands, O::R023, "[] = V , V $"}},
    {Keyword::READFILE, {K::Operands, O::R024, "[] = V :, V $"}},
    {Keyword::WRITEFILE, {K::Operands, O::R025, "V :, V $"}},
    {Keyword::COPYFILE, {K::Operands, O::R026, "V :, V $"}},
    {Keyword::END, {K::Operands, O::R009, ""}},
    {Keyword::ECHO, {K::Operands, O::R027, "V*"}},
    {Keyword::ECHOLN, {K::Operands, O::R027, "V*"}},
    {Keyword::CONFIRM, {K::Operands, O::R028, "V*"}},
    {Keyword::MCI, {K::Operands, O::R029, "V*"}},
    {Keyword::WAIT, {K::Operands, O::R036, "V*"}},
    {Keyword::FINDFILES, {K::Operands, O::R034, "[] = V*"}},
    {Keyword::SENDKEYS, {K::Operands, O::R033, "V ,: V"}},
    {Keyword::FOLDERBOX, {K::Operands, O::R037, "[] = V , V $"}},
    {Keyword::INFOBOX, {K::Operands, O::R038, "V , V $"}},
    {Keyword::GETFILEATT, {K::Operands, O::R039, "[] = V ,: V $"}},
    {Keyword::LETFILEATT, {K::Operands, O::R040, "V ,: V"}},
    {Keyword::DEBUGVARS, {K::Ignored, O::R009, ""}},
    {Keyword::DEBUGMODE, {K::Ignored, O::R009, ""}},
    {Keyword::TEXT, {K::Ignored, O::R009, ""}},
    {Keyword::BACK, {K::Ignored, O::R009, ""}},
    {Keyword::SHOWTEXT, {K::Ignored, O::R009, ""}},
    {Keyword::HIDETEXT, {K::Ignored, O::R009, ""}},
    {Keyword::TITLE, {K::Ignored, O::R009, ""}},
    {Keyword::REM, {K::Ignored, O::R009, ""}},
};

#define VELMISH_COUNT_KEYWORD(word) +1
constexpr size_t kKeywordCount = 0 VELMISH_KEYWORDS(VELMISH_COUNT_KEYWORD);
#undef VELMISH_COUNT_KEYWORD

// The commands by keyword enum value; nullptr for keywords the compiler does not translate.
const std::array<const Command*, kKeywordCount>& commandsByKeyword() {
    static const std::array<const Command*, kKeywordCount> commands = [] {
        std::array<const Command*, kKeywordCount> built{};
        for (const Entry& entry : kEntries) built[static_cast<size_t>(entry.keyword)] = &entry.command;
        return built;
    }();
    return commands;
}

}  // namespace

const Command* commandNamed(std::string_view upperCaseKeyword) {
    auto keyword = interp::keywordNamed(upperCaseKeyword);
    if (!keyword) return nullptr;
    return commandsByKeyword()[static_cast<size_t>(*keyword)];
}

}  // namespace compiler
