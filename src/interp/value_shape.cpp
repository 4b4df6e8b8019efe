// Evaluating values and conditions.
#include "interp/value_shape.h"

#include "interp/text.h"

namespace interp {

std::string evaluateValue(const VariableTable& vars, const ValueShape& shape) {
    if (shape.size() == 1 && !shape.front().isVariable) return shape.front().literal;
    std::string value;
    for (const ValuePart& part : shape) {
        if (part.isVariable) {
            vars.appendValue(part.variable, value);
        } else {
            value += part.literal;
        }
    }
    return value;
}

bool compareTexts(const std::string& left, char op, const std::string& right) {
    switch (op) {
        case '=': return left == right;
        case '!': return left != right;
        case '<': return textToDouble(left) < textToDouble(right);
        case '>': return textToDouble(left) > textToDouble(right);
        default: return false;
    }
}

bool evaluateCondition(const VariableTable& vars, const ConditionShape& condition) {
    bool result = false;
    bool evaluateNext = true;
    for (const Comparison& comparison : condition) {
        if (evaluateNext) {
            result = compareTexts(evaluateValue(vars, comparison.left), comparison.op,
                                  evaluateValue(vars, comparison.right));
            evaluateNext = false;
        }
        if ((comparison.connective == '|' && !result) || (comparison.connective == '&' && result)) evaluateNext = true;
    }
    return result;
}

}  // namespace interp
