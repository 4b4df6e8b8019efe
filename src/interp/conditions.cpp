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

const ConditionShape& readCondition(Interpreter& in, std::optional<ConditionShape>& scratch) {
    return rememberedRead<ConditionShape>(in.reader, in.memo.conditions, nullptr, scratch,
                                          [&] { return readConditionShape(in); });
}

}  // namespace

bool evaluateCondition(Interpreter& in) {
    std::optional<ConditionShape> scratch;
    return evaluateCondition(in.vars, readCondition(in, scratch));
}

IfHead readConditionOnly(Interpreter& in) {
    std::optional<ConditionShape> scratch;
    IfHead head;
    head.condition = readCondition(in, scratch);
    return head;
}

IfHead readIfHead(Interpreter& in) {
    std::optional<ConditionShape> scratch;
    IfHead head;
    head.condition = readCondition(in, scratch);
    head.next = readSeparator(in);
    return head;
}

}  // namespace interp
