// What every command meaning works with: the variables, the platform and the state commands
// keep between uses.
//
// The interpreter reads a command's parameters from the script, a compiled program from its
// code operands; both then call the same meaning with a Context.
#pragma once

#include <memory>
#include <string>

#include "interp/variable_table.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace commands {

// The variable a command stores its result in.
using Target = interp::VariableTable::Handle;

// State that lives for the whole run, one per interpreter or compiled program.
struct Session {
    // FINDFILES: the pattern of the running search and the search itself (none when exhausted).
    std::string lastPattern;
    std::unique_ptr<platform::FileSearch> search;
};

struct Context {
    interp::VariableTable& vars;
    platform::Platform& platform;
    Session& session;
};

}  // namespace commands
