// Reading a command's parameters: separators, values and variable names.
#pragma once

#include <string>
#include <string_view>

#include "core/script_error.h"
#include "core/script_forms.h"
#include "interp/interpreter.h"

namespace interp {

// Error 0, "Parse error at" the current keyword.
ScriptError parseError(const Interpreter& in);

// The script as the source of the forms of core/script_forms.h, with velint's errors: "Parse
// error at" or "Parameter expected at" the current keyword.
class ParameterSource {
  public:
    explicit ParameterSource(Interpreter& in) : in_(in) {}
    int readSeparator() { return in_.reader.readSeparator(); }
    void unread() { in_.reader.pushBack(); }
    std::string_view readUntil(int closing) { return in_.reader.readUntilView(closing); }
    [[noreturn]] void fail(FormError error);

  private:
    Interpreter& in_;
};

// Builds a value's shape as it is read, its variables looked up in the table.
class ShapeBuilder {
  public:
    ShapeBuilder(VariableTable& vars, ValueShape& shape) : vars_(vars), shape_(shape) {}
    void literal(std::string_view text) { shape_.emplace_back().literal.assign(text); }
    void variable(std::string_view name);
    void unquoted(char first, std::string_view rest);

  private:
    VariableTable& vars_;
    ValueShape& shape_;
};

// Builds a condition's comparisons as they are read, each prepared once complete.
class ConditionBuilder {
  public:
    ConditionBuilder(VariableTable& vars, ConditionShape& condition) : vars_(vars), condition_(condition) {}
    ShapeBuilder left() { return ShapeBuilder(vars_, condition_.emplace_back().left); }
    ShapeBuilder right() { return ShapeBuilder(vars_, condition_.back().right); }
    void compare(char op) { condition_.back().op = op; }
    void endComparison(char connective);

  private:
    VariableTable& vars_;
    ConditionShape& condition_;
};

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
