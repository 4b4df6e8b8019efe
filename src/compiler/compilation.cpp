// The translation loop, the end marker and the label check.
#include "compiler/compilation.h"

#include "code/opcodes.h"
#include "compiler/compile_tables.h"
#include "compiler/translator.h"

namespace compiler {

namespace {

void appendCodeLine(std::string& code, std::string_view content) {
    code += content;
    code += code::kLineTerminator;
}

// Translates every command of the script; END is a command like any other (the halt
// instruction), so labels and subroutines after it are translated too.
void translateAll(Translator& translator, std::string& code) {
    std::string line;
    while (!translator.atEnd()) {
        line.clear();
        Translator::Status status = translator.step(line);
        if (status == Translator::Status::unknownKeyword) {
            throw CompileError{kUnknownInstruction, translator.currentKeyword(), translator.lineCounter()};
        }
        if (status == Translator::Status::stop) return;
        appendCodeLine(code, line);
    }
}

}  // namespace

Compilation compileScript(std::unique_ptr<interp::ScriptSource> source) {
    interp::ScriptReader reader(std::move(source));
    VariableNames variables;
    LabelTables labels;
    Translator translator(reader, variables, labels);
    Compilation result;
    appendCodeLine(result.code, code::kHeaderLine);
    try {
        translateAll(translator, result.code);
        appendCodeLine(result.code, code::kEndMarker);
        result.lineCounter = translator.lineCounter();
        if (auto missing = labels.firstUndefined()) {
            throw CompileError{kLabelNotFound, missing->name, missing->lineCounter};
        }
    } catch (const CompileError& error) {
        result.error = error;
    }
    return result;
}

}  // namespace compiler
