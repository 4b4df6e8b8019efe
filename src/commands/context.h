// What every command meaning works with: the variables and the platform.
//
// The interpreter reads a command's parameters from the script, a compiled program from its
// code operands; both then call the same meaning with a Context.
#pragma once

#include "interp/variable_table.h"
#include "platform/platform.h"

namespace commands {

// The variable a command stores its result in.
using Target = interp::VariableTable::Handle;

struct Context {
    interp::VariableTable& vars;
    platform::Platform& platform;
};

}  // namespace commands
