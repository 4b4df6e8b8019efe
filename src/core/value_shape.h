// Values and conditions as written, ready to be evaluated again and again: the interpreter
// remembers them per script position, compiled programs read them from code operands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/variable_table.h"

namespace interp {

// One element of a value: a literal text or a variable reference.
struct ValuePart {
    bool isVariable = false;
    std::string literal;             // the text of a literal
    VariableTable::Handle variable;  // the variable of a reference
    // The number the literal reads as, once asked for.
    mutable double literalNumber = 0;
    mutable bool literalNumberKnown = false;
};
// The elements of a value, joined by "#" in the script.
using ValueShape = std::vector<ValuePart>;

// The text of a value now: the literals and the current values of the variables, joined.
std::string evaluateValue(const VariableTable& vars, const ValueShape& shape);

// The same as a view where the value is one element (a literal or a stored variable), built in
// scratch otherwise; the view lasts until the variables or scratch change.
std::string_view viewValue(const VariableTable& vars, const ValueShape& shape, std::string& scratch);

// The number the value reads as (textToDouble), without reading a lone literal or a stored
// variable again: both keep it.
double numberValue(const VariableTable& vars, const ValueShape& shape, std::string& scratch);

// One comparison of a condition and the connective ("|", "&" or 0 for none) that follows it.
struct Comparison {
    ValueShape left;
    char op = 0;  // "=", "!", "<" or ">"; any other character compares false
    ValueShape right;
    char connective = 0;
};
using ConditionShape = std::vector<Comparison>;

// One comparison's outcome: "=" and "!" compare texts exactly, "<" and ">" compare numbers.
bool compareTexts(std::string_view left, char op, std::string_view right);

// Left to right without precedence; a comparison that cannot change the result is skipped.
bool evaluateCondition(const VariableTable& vars, const ConditionShape& condition);

}  // namespace interp
