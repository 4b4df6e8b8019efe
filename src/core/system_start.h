// What the system variables start with in each program: one table, in the order velint creates
// them, with a column for velint and one for compiled programs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/system_variables.h"
#include "core/variable_table.h"
#include "platform/system.h"

namespace interp {

// Where a system variable's first value comes from.
enum class StartsWith : unsigned char {
    absent,          // the program does not create it
    empty,           // created without a value
    text,            // the text in the row
    commandLine,     // the command line after the script or program name; velint without one: empty
    ownName,         // the script's path (velint) or the program's own path
    windowsFolder,   // the environment's "windir"
    currentFolder,   // the current folder
    userName,        // the user's name; "unknown" when the system does not tell it
    windowsVersion,  // the name of the system's version
};

struct StartValue {
    StartsWith source;
    std::string_view text = {};  // StartsWith::text
};

struct SystemVariableStart {
    std::optional<SystemVariable> variable;  // the indexed ones
    std::string_view unindexedName;          // the others, by the name scripts write
    StartValue interpreter;
    StartValue compiled;
};

enum class Runner { interpreter, compiled };

// What a program knows about how it was started.
struct StartFacts {
    std::optional<std::string_view> commandLine;
    std::string_view ownName;
};

// Creates the system variables in the table's order, with the values of runner's column (their
// write hooks act in that order too).
void createSystemVariables(VariableTable& vars, platform::System& system, Runner runner, const StartFacts& facts);

}  // namespace interp
