// DEC and LET.
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

void handleDec(Interpreter& in) {
    for (;;) {
        in.vars.declare(readVariableName(in));
        if (expectSeparator(in, ",") == ScriptReader::kLineEnd) return;
    }
}

void handleLet(Interpreter& in) {
    std::string name = readVariableName(in);
    expectInnerSeparator(in, "=");
    in.vars.set(name, readLenientValue(in));
}

}  // namespace interp
