// Reading a command's parameters: separators, values and variable names.
#pragma once

#include <string>
#include <string_view>

#include "core/script_error.h"
#include "interp/interpreter.h"

namespace interp {

enum class ValueForm {
    strict,   // literals and [variables] joined by "#"
    lenient,  // the same, or unquoted text up to the line end
};

// Error 0, "Parse error at" the current keyword.
ScriptError parseError(const Interpreter& in);

// The next separator, which must be one of expected or the line end; anything else is a parse
// error.
int expectSeparator(Interpreter& in, std::string_view expected);
// A separator with more parameters after it: a line end there is a parse error too, so the
// next line is never read as this command's parameters.
int expectInnerSeparator(Interpreter& in, std::string_view expected);
// The next separator; anything else is returned, consumed.
int readSeparator(Interpreter& in);
// The line must end here (blanks allowed).
void expectLineEnd(Interpreter& in);

// A value as written (literals and variable references, not yet evaluated), remembered per
// script position.
ValueShape readShape(Interpreter& in, ValueForm form);
// The same read afresh, not remembered.
ValueShape readValueShape(Interpreter& in, ValueForm form);

// "[" name "]": the variable to store into.
VariableTable::Handle readVariableName(Interpreter& in);

// The next keyword (see ScriptReader::readKeyword), with its upper-case form and command.
KeywordRead readKeyword(Interpreter& in);
// The upper-case form of a keyword as written, kept by the interpreter, and the command it names.
const std::string* keywordNamedBy(Interpreter& in, std::string_view word, std::optional<Keyword>& keyword);

// The rest of the current line, line end consumed.
inline std::string readRestOfLine(Interpreter& in) { return in.reader.readUntil(ScriptReader::kLineEnd); }
// The same where the text is not needed: remembered per position, so skipping a line again
// costs no reading.
void skipRestOfLine(Interpreter& in);

}  // namespace interp
