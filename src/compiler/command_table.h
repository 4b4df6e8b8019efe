// What the compiler makes of each command keyword: the kind of translation, the opcode and,
// for most commands, the operand form read from the script.
#pragma once

#include <string_view>

#include "code/opcodes.h"

namespace compiler {

enum class CommandKind {
    Operands,   // the operand form below, read in order
    Declare,    // DEC: names separated by ","
    Jump,       // GOTO, GOSUB: the rest of the line is the label
    If,         // IF: a condition, then a line end (block IF) or a command (inline IF)
    ElseIf,     // ELSEIF: one comparison, inside a block IF
    Else,       // ELSE: inside a block IF
    EndIf,      // ENDIF: closes a block IF
    Join,       // LINKVAR: values separated by "+" or ","
    Calculate,  // CALCVAR: values separated by arithmetic operators, which are written
    Ignored,    // the rest of the line is read and nothing is written
};

// Operand forms, one token per blank-separated word:
//   []  "[" then a name up to "]", written as the variable reference of the target variable
//   V   a strict value;  V*  a lenient value (unquoted text allowed);  C  a condition
//   $   the line end: anything else there is a parse error
//   *   the rest of the line, read and ignored
//   anything else: a separator, any one of its characters; it is not written
struct Command {
    CommandKind kind;
    Opcode opcode;          // the code line's opcode; not used by Ignored
    std::string_view form;  // the operand form (Operands)
};

// The command of an upper-case keyword; nullptr when the compiler knows no such command.
const Command* commandNamed(std::string_view upperCaseKeyword);

}  // namespace compiler
