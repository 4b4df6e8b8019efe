// Texts of the script error box.
#include "core/script_error.h"

#include <cstdio>

namespace interp {

std::string errorMessage(const ScriptError& error) {
    switch (error.number) {
        case kParseError: return "Parse error at " + error.filling;
        case kUnknownInstruction: return "Unknown instruction: " + error.filling;
        case kUnknownVariable: return "Unknown variable: [" + error.filling + "]";
        case kParameterExpected: return "Parameter expected at " + error.filling;
        default: return "Unknown error";
    }
}

std::string errorBoxText(int line, const ScriptError& error) {
    char head[64];
    std::snprintf(head, sizeof head, "Line %d, Error %.2d: ", line, error.number);
    return head + errorMessage(error);
}

std::string diagnosticLine(std::string_view file, int line, std::string_view text) {
    std::string result(file);
    result.append(":").append(std::to_string(line)).append(": error: ").append(text).append("\n");
    return result;
}

}  // namespace interp
