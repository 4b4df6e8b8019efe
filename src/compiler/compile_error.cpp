// Messages of the compile errors.
#include "compiler/compile_error.h"

namespace compiler {

std::string compileErrorMessage(int number, const std::string& filling) {
    switch (number) {
        case kParseError: return "Parse error";
        case kUnknownInstruction: return "Unknown instruction: " + filling;
        case kLabelNotFound: return "Label not found: " + filling;
        case kDoubleLabel: return "Double label definition: " + filling;
        default: return "Unknown error; Errorcode";
    }
}

std::string compileErrorReport(const CompileError& error) {
    std::string report = "Line ";
    report += std::to_string(error.lineCounter - 1);
    report += ", Error ";
    report += std::to_string(error.number);
    report += ' ';
    report += compileErrorMessage(error.number, error.filling);
    report += "\n\nERROR. Compiling process failed.";
    return report;
}

}  // namespace compiler
