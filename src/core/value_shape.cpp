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

void prepareComparison(Comparison& comparison) {
    auto formOf = [](const ValueShape& side, double& number) {
        if (side.size() != 1) return SideForm::joined;
        if (side.front().isVariable) return SideForm::variable;
        number = textToDouble(side.front().literal);
        return SideForm::literal;
    };
    comparison.leftForm = formOf(comparison.left, comparison.leftNumber);
    comparison.rightForm = formOf(comparison.right, comparison.rightNumber);
}

namespace {

std::string_view sideText(const VariableTable& vars, const ValueShape& side, SideForm form, std::string& scratch) {
    switch (form) {
        case SideForm::literal: return side.front().literal;
        case SideForm::variable: return vars.view(side.front().variable, scratch);
        default: return viewValue(vars, side, scratch);
    }
}

double sideNumber(const VariableTable& vars, const ValueShape& side, SideForm form, double literalNumber,
                  std::string& scratch) {
    switch (form) {
        case SideForm::literal: return literalNumber;
        case SideForm::variable: return vars.number(side.front().variable);
        default: return textToDouble(viewValue(vars, side, scratch));
    }
}

// The text of a lone literal or a stored variable, without room for a text to build; false for a
// side that must be built (joined or computed).
bool storedText(const VariableTable& vars, const ValueShape& side, SideForm form, std::string_view& text) {
    if (form == SideForm::literal) {
        text = side.front().literal;
        return true;
    }
    return form == SideForm::variable && vars.storedView(side.front().variable, text);
}

bool evaluateComparison(const VariableTable& vars, const Comparison& comparison) {
    const bool numeric = comparison.op == '<' || comparison.op == '>';
    // Lone literals and variables need no room for a text to build.
    if (numeric && comparison.leftForm != SideForm::joined && comparison.rightForm != SideForm::joined) {
        double left = comparison.leftForm == SideForm::literal ? comparison.leftNumber
                                                               : vars.number(comparison.left.front().variable);
        double right = comparison.rightForm == SideForm::literal ? comparison.rightNumber
                                                                 : vars.number(comparison.right.front().variable);
        return comparison.op == '<' ? left < right : left > right;
    }
    if (!numeric) {
        std::string_view left, right;
        if (storedText(vars, comparison.left, comparison.leftForm, left) &&
            storedText(vars, comparison.right, comparison.rightForm, right)) {
            return compareTexts(left, comparison.op, right);
        }
    }
    std::string leftScratch, rightScratch;
    if (comparison.op == '<' || comparison.op == '>') {
        double left = sideNumber(vars, comparison.left, comparison.leftForm, comparison.leftNumber, leftScratch);
        double right = sideNumber(vars, comparison.right, comparison.rightForm, comparison.rightNumber, rightScratch);
        return comparison.op == '<' ? left < right : left > right;
    }
    return compareTexts(sideText(vars, comparison.left, comparison.leftForm, leftScratch), comparison.op,
                        sideText(vars, comparison.right, comparison.rightForm, rightScratch));
}

}  // namespace

bool evaluateCondition(const VariableTable& vars, const ConditionShape& condition) {
    bool result = false;
    bool evaluateNext = true;
    for (const Comparison& comparison : condition) {
        if (evaluateNext) {
            result = evaluateComparison(vars, comparison);
            evaluateNext = false;
        }
        if ((comparison.connective == '|' && !result) || (comparison.connective == '&' && result)) evaluateNext = true;
    }
    return result;
}

}  // namespace interp
