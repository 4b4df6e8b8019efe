// DEC: declaring variables.
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

void handleDec(Interpreter& in) {
    ParameterSource source(in);
    forms::readNames(source, [&in](std::string_view name) { in.vars.declare(in.vars.handle(name).name()); });
}

}  // namespace interp
