// The command table.
#include "command_set/command_table.h"

#include <array>

namespace command_set {

namespace {

using interp::Keyword;
using K = CommandKind;
using O = compiler::Opcode;
using W = WhenCompiled;

// In keyword order. Each form reads what the interpreter reads, so that a script velint refuses
// is refused by velcomp too, and what velint ignores on a line (after REPEAT, after COPYVAR's
// operands) is ignored in a compiled program instead of becoming the next command.
constexpr CommandRow kRows[] = {
    {Keyword::ENDIF, K::endIf, O::RXEI, ""},
    {Keyword::DEC, K::declare, O::R000, ""},
    {Keyword::LET, K::plain, O::R001, "[] = V*"},
    {Keyword::GOTO, K::jump, O::R004, ""},
    {Keyword::GOSUB, K::jump, O::R005, ""},
    {Keyword::RESUME, K::flow, O::R006, ""},
    {Keyword::ELSE, K::elseBranch, O::RXEL, ""},
    {Keyword::ELSEIF, K::elseIf, O::RXIE, "C"},
    {Keyword::IF, K::blockIf, O::RXIF, "C"},
    {Keyword::MSGBOX, K::plain, O::R007, "V , V , V $"},
    {Keyword::ECHOBOX, K::plain, O::R007, "V , V , V $"},
    {Keyword::INPUTBOX, K::plain, O::R008, "[] = V , V , V $"},
    {Keyword::EDITBOX, K::plain, O::R032, "[] = V , V , V $"},
    {Keyword::LISTBOX, K::plain, O::R031, "[] = V , V $"},
    {Keyword::REPEAT, K::flow, O::RRPT, "*"},
    {Keyword::UNTIL, K::flow, O::RUNT, "C"},
    {Keyword::HALT, K::flow, O::R009, ""},
    {Keyword::LINKVAR, K::joined, O::RF00, ""},
    {Keyword::CALCVAR, K::calculated, O::RF01, ""},
    {Keyword::SHELL, K::plain, O::R010, "V , V $"},
    {Keyword::CHDIR, K::plain, O::R011, "V*"},
    {Keyword::MKDIR, K::plain, O::R012, "V*"},
    {Keyword::RMDIR, K::plain, O::R013, "V*"},
    {Keyword::SYSTEM, K::plain, O::R014, "V*"},
    {Keyword::CALL, K::plain, O::R030, "V :, V"},
    {Keyword::UPVAR, K::plain, O::RF03, "[] = V*"},
    {Keyword::LOWVAR, K::plain, O::RF04, "[] = V*"},
    {Keyword::TRIMVAR, K::plain, O::RF05, "[] = V*"},
    {Keyword::GETCHR, K::plain, O::RF06, "[] = V*"},
    {Keyword::GETLEN, K::plain, O::RF07, "[] = V*"},
    {Keyword::GETENV, K::plain, O::R015, "[] = V*"},
    {Keyword::LETENV, K::plain, O::R016, "V*"},
    {Keyword::COPYVAR, K::plain, O::RF08, "[] = V :, V , V *"},
    {Keyword::DELFILE, K::plain, O::R017, "V*"},
    {Keyword::RENAMEFILE, K::plain, O::R018, "V :, V $", W::shellFileOperation},
    {Keyword::FILEEXISTS, K::plain, O::R019, "V*"},
    {Keyword::GETPOS, K::plain, O::RF02, "[] = V :, V $"},
    {Keyword::OPEN, K::plain, O::R020, "V*"},
    {Keyword::NEWFILE, K::plain, O::R021, "V*"},
    {Keyword::FILESIZE, K::plain, O::R035, "[] = V*"},
    {Keyword::OPENBOX, K::plain, O::R022, "[] = V , V $"},
    {Keyword::SAVEBOX, K::plain, O::R023, "[] = V , V $"},
    {Keyword::READFILE, K::plain, O::R024, "[] = V :, V $"},
    {Keyword::WRITEFILE, K::plain, O::R025, "V :, V $"},
    {Keyword::COPYFILE, K::plain, O::R026, "V :, V $", W::shellFileOperation},
    {Keyword::END, K::flow, O::R009, ""},
    {Keyword::ECHO, K::plain, O::R027, "V*"},
    {Keyword::ECHOLN, K::plain, O::R027, "V*"},
    {Keyword::CONFIRM, K::plain, O::R028, "V*"},
    {Keyword::MCI, K::plain, O::R029, "V*"},
    {Keyword::WAIT, K::plain, O::R036, "V*"},
    {Keyword::FINDFILES, K::plain, O::R034, "[] = V*"},
    {Keyword::SENDKEYS, K::plain, O::R033, "V :, V"},
    {Keyword::FOLDERBOX, K::plain, O::R037, "[] = V , V $"},
    {Keyword::INFOBOX, K::plain, O::R038, "V , V $"},
    {Keyword::GETFILEATT, K::plain, O::R039, "[] = V :, V $"},
    {Keyword::LETFILEATT, K::plain, O::R040, "V :, V"},
    // DEBUGVARS reads "AUTO", "NONE" or a list of names: the debugger reads it itself.
    {Keyword::DEBUGVARS, K::debugger, O::R009, "", W::noCode},
    {Keyword::DEBUGMODE, K::debugger, O::R009, "V*", W::noCode},
    {Keyword::TEXT, K::remark, O::R009, ""},
    {Keyword::BACK, K::remark, O::R009, ""},
    {Keyword::SHOWTEXT, K::remark, O::R009, ""},
    {Keyword::HIDETEXT, K::remark, O::R009, ""},
    {Keyword::TITLE, K::remark, O::R009, ""},
    {Keyword::REM, K::remark, O::R009, ""},
};

#define VELMISH_COUNT(name) +1
constexpr size_t kOpcodeCount = 0 VELMISH_OPCODES(VELMISH_COUNT);
#undef VELMISH_COUNT

// The table is complete and in keyword order, so a keyword's row is found by its number.
constexpr bool rowsFollowKeywords() {
    if (std::size(kRows) != interp::kKeywordCount) return false;
    for (size_t i = 0; i < interp::kKeywordCount; ++i) {
        if (static_cast<size_t>(kRows[i].keyword) != i) return false;
    }
    return true;
}
static_assert(rowsFollowKeywords(), "one row per keyword, in keyword order");

bool writesCode(const CommandRow& row) { return row.kind != K::remark && row.whenCompiled != W::noCode; }

}  // namespace

std::optional<FormStep> takeStep(std::string_view& form) {
    if (form.empty()) return std::nullopt;
    size_t blank = form.find(' ');
    std::string_view step = form.substr(0, blank);
    form = blank == std::string_view::npos ? std::string_view() : form.substr(blank + 1);
    if (step == "[]") return FormStep{StepKind::target, {}};
    if (step == "V") return FormStep{StepKind::value, {}};
    if (step == "V*") return FormStep{StepKind::lenientValue, {}};
    if (step == "C") return FormStep{StepKind::condition, {}};
    if (step == "$") return FormStep{StepKind::lineEnd, {}};
    if (step == "*") return FormStep{StepKind::restOfLine, {}};
    return FormStep{StepKind::separator, step};
}

const CommandRow& commandRow(Keyword keyword) { return kRows[static_cast<size_t>(keyword)]; }

const CommandRow* commandRowOf(compiler::Opcode opcode) {
    static const std::array<const CommandRow*, kOpcodeCount> byOpcode = [] {
        std::array<const CommandRow*, kOpcodeCount> built{};
        for (const CommandRow& row : kRows) {
            const CommandRow*& slot = built[static_cast<size_t>(row.opcode)];
            if (!slot && writesCode(row)) slot = &row;
        }
        return built;
    }();
    return byOpcode[static_cast<size_t>(opcode)];
}

}  // namespace command_set
