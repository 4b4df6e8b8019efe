// The command table: one row per command keyword, made from the command list
// (core/command_list.h): how both programs read the command from a script, the opcode velcomp
// writes for it and how a compiled program reads the operands back. Adding a command means a row
// in the list and its meaning in commands/run_command.cpp.
#pragma once

#include <cstddef>
#include <string_view>

#include "code/opcodes.h"
#include "core/command_list.h"
#include "core/keywords.h"

namespace command_set {

enum class CommandKind {
    plain,       // the form, read in order; the meaning is in the command library (commands::handlerOf)
    flow,        // the form, read in order; each program runs it in its own control flow
    declare,     // DEC: names separated by ","
    jump,        // GOTO, GOSUB: the rest of the line is the label
    blockIf,     // IF: a condition, then a line end (block IF) or a command (one-line IF)
    elseIf,      // ELSEIF: a condition, inside a block IF
    elseBranch,  // ELSE: inside a block IF
    endIf,       // ENDIF: closes a block IF
    debugger,    // velint's debugger reads and runs it
    remark,      // the rest of the line is read and ignored
};

// Where a compiled program does not do what velint does, on purpose.
enum class WhenCompiled {
    same,
    noCode,              // velcomp reads the rest of the line and writes nothing: a compiled program has no debugger
    shellFileOperation,  // always the shell's file operation; velint honours VL_UseOldFileFunctions
};

// The form: blank-separated steps, read in order by the interpreter, by velcomp and (the
// operands only) by the runtime's decoder:
//   []  "[" then a name up to "]": the target variable (in code, its variable reference)
//   V   a strict value: literals and [variables] joined by "#"
//   V*  a lenient value: the same, or unquoted text up to the line end
//   C   a condition
//   L   then separators ("L+,"): values separated by any one of them, up to the line end
//   O   then operators ("O+-*/~"): the same, and the code keeps the operator before each further value
//   $   the line end: anything else there is a parse error
//   *   the rest of the line, read and ignored
//   anything else: a separator, any one of its characters; the code does not keep it

// One step of a form.
enum class StepKind { target, value, lenientValue, condition, lineEnd, restOfLine, separator, list, operatorList };
struct FormStep {
    StepKind kind = StepKind::lineEnd;
    std::string_view separators;  // separator, list, operatorList: the characters allowed there
};

// A form's steps, taken apart once, when the program is built.
class Form {
  public:
    static constexpr size_t kMaxSteps = 8;

    constexpr explicit Form(std::string_view text) {
        while (!text.empty()) {
            size_t blank = text.find(' ');
            steps_[count_++] = stepOf(text.substr(0, blank));
            text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        }
    }
    constexpr const FormStep* begin() const { return steps_; }
    constexpr const FormStep* end() const { return steps_ + count_; }
    constexpr bool empty() const { return count_ == 0; }

  private:
    static constexpr FormStep stepOf(std::string_view step) {
        if (step == "[]") return {StepKind::target, {}};
        if (step == "V") return {StepKind::value, {}};
        if (step == "V*") return {StepKind::lenientValue, {}};
        if (step == "C") return {StepKind::condition, {}};
        if (step == "$") return {StepKind::lineEnd, {}};
        if (step == "*") return {StepKind::restOfLine, {}};
        if (step[0] == 'L') return {StepKind::list, step.substr(1)};
        if (step[0] == 'O') return {StepKind::operatorList, step.substr(1)};
        return {StepKind::separator, step};
    }

    FormStep steps_[kMaxSteps] = {};
    size_t count_ = 0;
};

struct CommandRow {
    interp::Keyword keyword;
    CommandKind kind;
    code::Opcode opcode;  // the code line's opcode; not used by rows without code
    Form form;            // plain, flow and debugger rows, and the conditions of IF, ELSEIF and UNTIL
    WhenCompiled whenCompiled = WhenCompiled::same;
};

// The rows, in keyword order.
inline constexpr CommandRow kCommandRows[] = {
#define VELMISH_ROW(keyword, kind, opcode, form, compiled) \
    {interp::Keyword::keyword, CommandKind::kind, code::Opcode::opcode, Form(form), WhenCompiled::compiled},
#define VELMISH_ROW_WITHOUT_CODE(keyword, kind, form) \
    {interp::Keyword::keyword, CommandKind::kind, code::Opcode::R009, Form(form), WhenCompiled::noCode},
    VELMISH_COMMANDS(VELMISH_ROW, VELMISH_ROW, VELMISH_ROW_WITHOUT_CODE)
#undef VELMISH_ROW_WITHOUT_CODE
#undef VELMISH_ROW
};

// The row of a keyword; every keyword has one, as the rows and the keywords come from one list.
constexpr const CommandRow& commandRow(interp::Keyword keyword) { return kCommandRows[static_cast<size_t>(keyword)]; }

// The first row whose code has this opcode (ECHO for ECHO and ECHOLN); nullptr for the opcodes
// no keyword writes (the header, labels, one-line IFs).
const CommandRow* commandRowOf(code::Opcode opcode);

}  // namespace command_set
