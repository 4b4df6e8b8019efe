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

// What one side of a comparison is, as far as comparing it goes: a lone literal, whose number is
// read once, a lone variable, which keeps its own number, or anything else, joined when compared.
enum class SideForm : unsigned char { joined, literal, variable };

// One comparison of a condition and the connective ("|", "&" or 0 for none) that follows it.
struct Comparison {
    ValueShape left;
    char op = 0;  // "=", "!", "<" or ">"; any other character compares false
    ValueShape right;
    char connective = 0;
    // Filled by prepareComparison when the line is read; a comparison never prepared compares
    // its sides as joined values, with the same outcome.
    SideForm leftForm = SideForm::joined;
    SideForm rightForm = SideForm::joined;
    double leftNumber = 0;  // the number a lone literal side reads as
    double rightNumber = 0;
};
using ConditionShape = std::vector<Comparison>;

// Works out the forms of the comparison's sides, and the numbers of its literal sides.
void prepareComparison(Comparison& comparison);

// One comparison's outcome: "=" and "!" compare texts exactly, "<" and ">" compare numbers.
bool compareTexts(std::string_view left, char op, std::string_view right);

// Left to right without precedence; a comparison that cannot change the result is skipped.
bool evaluateCondition(const VariableTable& vars, const ConditionShape& condition);

}  // namespace interp
