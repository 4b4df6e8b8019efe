// The two ways a script run ends early: a script error and an exit request.
//
// Both unwind inside the interpreter only; the run entry point (interp::runScript) catches
// them, shows the error box and turns them into the process exit code.
#pragma once

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace interp {

// Error numbers of the error box ("Line 3, Error 00: ...").
enum ErrorNumber {
    kParseError = 0,          // "Parse error at %s", filled with the current keyword
    kUnknownInstruction = 1,  // "Unknown instruction: %s", filled with the current keyword
    kUnknownVariable = 2,     // "Unknown variable: [%s]", filled with the parameter text
    kParameterExpected = 3,   // "Parameter expected at %s", filled with the parameter text
};

struct ScriptError {
    int number;
    std::string filling;  // the text the message template quotes
};

// The script ends with this exit code (END, HALT, end of the file, a start-up failure that has
// already been reported).
struct ScriptExit {
    int code;
};

// "Line %d, Error %0.2d: %s" with the message of the error number.
std::string errorBoxText(int line, const ScriptError& error);
// The message of the error number, filled in ("Parse error at LET").
std::string errorMessage(const ScriptError& error);

// The error line editors read, beside the report people read: "FILE:LINE: error: TEXT" and a line
// feed, FILE as the script was named on the command line.
std::string diagnosticLine(std::string_view file, int line, std::string_view text);
// VL_DIAGNOSTICS=1 in the environment asks velint for that line on standard error.
inline constexpr const char* kDiagnosticsVariable = "VL_DIAGNOSTICS";

// The error box: caption "ERROR", the error icon, brought to the front.
inline constexpr const char* kErrorBoxCaption = "ERROR";
inline constexpr unsigned kErrorBoxStyle = platform::style::kIconError | platform::style::kSetForeground;

// Running out of memory ends a run like a script error whose number has no message of its own.
inline constexpr int kOutOfMemory = -1;

}  // namespace interp
