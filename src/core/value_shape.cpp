// Evaluating values and conditions.
#include "core/value_shape.h"

#include "core/text.h"

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

std::string_view viewValue(const VariableTable& vars, const ValueShape& shape, std::string& scratch) {
    if (shape.size() == 1) {
        const ValuePart& part = shape.front();
        return part.isVariable ? vars.view(part.variable, scratch) : std::string_view(part.literal);
    }
    return scratch = evaluateValue(vars, shape);
}

double numberValue(const VariableTable& vars, const ValueShape& shape, std::string& scratch) {
    if (shape.size() == 1) {
        const ValuePart& part = shape.front();
        if (part.isVariable) return vars.number(part.variable);
        if (!part.literalNumberKnown) {
            part.literalNumber = textToDouble(part.literal);
            part.literalNumberKnown = true;
        }
        return part.literalNumber;
    }
    return textToDouble(viewValue(vars, shape, scratch));
}

bool compareTexts(std::string_view left, char op, std::string_view right) {
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
            std::string leftScratch, rightScratch;
            if (comparison.op == '<' || comparison.op == '>') {
                // The numbers the sides read as, kept beside lone literals and stored variables.
                double left = numberValue(vars, comparison.left, leftScratch);
                double right = numberValue(vars, comparison.right, rightScratch);
                result = comparison.op == '<' ? left < right : left > right;
            } else {
                result = compareTexts(viewValue(vars, comparison.left, leftScratch), comparison.op,
                                      viewValue(vars, comparison.right, rightScratch));
            }
            evaluateNext = false;
        }
        if ((comparison.connective == '|' && !result) || (comparison.connective == '&' && result)) evaluateNext = true;
    }
    return result;
}

}  // namespace interp
