// Conditions: comparisons joined by "&" and "|", read and evaluated strictly left to right.
#include "interp/handlers.h"
#include "interp/parameters.h"
#include "interp/text.h"

namespace interp {

namespace {

bool compare(const std::string& left, int op, const std::string& right) {
    switch (op) {
        case '=': return left == right;
        case '!': return left != right;
        case '<': return textToDouble(left) < textToDouble(right);
        case '>': return textToDouble(left) > textToDouble(right);
        default: return false;
    }
}

}  // namespace

bool evaluateCondition(Interpreter& in) {
    bool result = false;
    bool evaluateNext = true;
    for (;;) {
        std::string left = readStrictValue(in);
        int op = expectInnerSeparator(in, "=!<>");
        std::string right = readStrictValue(in);
        // A comparison that cannot change the result is read but not computed.
        if (evaluateNext) {
            result = compare(left, op, right);
            evaluateNext = false;
        }
        int connective = readSeparator(in);
        if ((connective == '|' && !result) || (connective == '&' && result)) evaluateNext = true;
        if (connective != '|' && connective != '&') {
            in.reader.pushBack();
            return result;
        }
    }
}

}  // namespace interp
