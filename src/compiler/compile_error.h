// Compile errors: their numbers, their messages and the report velcomp prints for them.
#pragma once

#include <string>

namespace compiler {

// Error numbers of the compiler's report ("Line 3, Error 0 Parse error").
enum CompileErrorNumber {
    kParseError = 0,          // "Parse error"
    kUnknownInstruction = 1,  // "Unknown instruction: %s", filled with the current keyword
    kLabelNotFound = 2,       // "Label not found: %s", filled with the label name
    kDoubleLabel = 3,         // "Double label definition: %s", filled with the label name
    kUnbalancedBlock = 10,    // "Unknown error; Errorcode": ENDIF, ELSE or ELSEIF with no open block IF
};

// A compile error ends the compile run; it unwinds inside the translator only and leaves
// compileScript as a value.
struct CompileError {
    int number;
    std::string filling;  // the text the message quotes (keyword or label name)
    int lineCounter;      // the line counter when the error was found; the report shows it minus 1
};

// The message of an error number, filled in ("Label not found: loop").
std::string compileErrorMessage(int number, const std::string& filling);

// "Line %d, Error %d %s\n\nERROR. Compiling process failed." with the line counter minus 1.
std::string compileErrorReport(const CompileError& error);

}  // namespace compiler
