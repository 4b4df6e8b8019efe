// Reading conditions: comparisons joined by "&" and "|".
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

namespace {

ConditionShape readConditionShape(Interpreter& in) {
    ConditionShape condition;
    ParameterSource source(in);
    forms::readCondition(source, ConditionBuilder(in.vars, condition));
    return condition;
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
