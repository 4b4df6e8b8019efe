// Reading conditions: comparisons joined by "&" and "|".
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

namespace {

ConditionShape readConditionShape(Interpreter& in) {
    ConditionShape condition;
    for (;;) {
        Comparison comparison;
        comparison.left = readValueShape(in, ValueForm::strict);
        comparison.op = static_cast<char>(expectInnerSeparator(in, "=!<>"));
        comparison.right = readValueShape(in, ValueForm::strict);
        prepareComparison(comparison);
        int connective = readSeparator(in);
        if (connective != '|' && connective != '&') {
            in.reader.pushBack();
            condition.push_back(std::move(comparison));
            return condition;
        }
        comparison.connective = static_cast<char>(connective);
        condition.push_back(std::move(comparison));
    }
}

ConditionShape readCondition(Interpreter& in) {
    return rememberedRead<ConditionShape>(in.reader, in.memo.conditions, nullptr,
                                          [&] { return readConditionShape(in); });
}

}  // namespace

bool evaluateCondition(Interpreter& in) { return evaluateCondition(in.vars, readCondition(in)); }

IfHead readConditionOnly(Interpreter& in) {
    IfHead head;
    head.condition = readCondition(in);
    return head;
}

IfHead readIfHead(Interpreter& in) {
    IfHead head;
    head.condition = readCondition(in);
    head.next = readSeparator(in);
    return head;
}

}  // namespace interp
