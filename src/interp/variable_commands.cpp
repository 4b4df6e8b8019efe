// DEC: declaring variables.
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

void handleDec(Interpreter& in) {
    for (;;) {
        in.vars.declare(readVariableName(in).name());
        if (expectSeparator(in, ",") == ScriptReader::kLineEnd) return;
    }
}

}  // namespace interp
