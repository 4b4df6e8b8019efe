// Evaluating remembered values.
#include "interp/script_memo.h"

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

}  // namespace interp
