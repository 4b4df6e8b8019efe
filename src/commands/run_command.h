// The one step from a command's keyword to its meaning, shared by the interpreter and compiled
// programs: both read a command's parameters in their own way (from the script, from code
// operands) into Arguments, then call the keyword's handler.
#pragma once

#include <span>
#include <string_view>

#include "commands/context.h"
#include "commands/file_system_commands.h"
#include "core/keywords.h"
#include "core/value_shape.h"

namespace commands {

struct Arguments {
    Target target;                                       // the variable a result goes to, where the command has one
    std::span<const interp::ValueShape> values;          // the values in script order, not yet evaluated
    std::string_view operators;                          // CALCVAR: the operator before each further value
    FileFunctions fileFunctions = FileFunctions::shell;  // COPYFILE and RENAMEFILE
};

// A command's meaning, called with its arguments.
using Handler = void (*)(Context& ctx, const Arguments& arguments);

// The meaning of a keyword whose meaning is in the command library (the plain rows of the
// command table, each of which has one); nullptr for any other keyword (control flow, the
// debugger's commands, remarks), which the caller runs itself. The programs look it up where they
// first read a command and keep it with what they read.
Handler handlerOf(interp::Keyword keyword);

}  // namespace commands
