// DEC and LET.
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

void handleDec(Interpreter& in) {
    for (;;) {
        in.vars.declare(readVariableName(in).name());
        if (expectSeparator(in, ",") == ScriptReader::kLineEnd) return;
    }
}

void handleLet(Interpreter& in) {
    VariableTable::Handle name = readVariableName(in);
    expectInnerSeparator(in, "=");
    in.vars.set(name, readLenientValue(in));
}

}  // namespace interp
