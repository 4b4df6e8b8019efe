// Reading the parameters of MSGBOX, ECHO and CONFIRM; the boxes are in the command library.
#include "commands/messages.h"
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

void handleMsgBox(Interpreter& in) {
    std::string caption = readStrictValue(in);
    expectInnerSeparator(in, ",");
    std::string text = readStrictValue(in);
    expectInnerSeparator(in, ",");
    std::string buttons = readStrictValue(in);
    expectLineEnd(in);
    commands::Context ctx{in.vars, in.platform};
    commands::msgBox(ctx, caption, text, buttons);
}

void handleEcho(Interpreter& in) {
    commands::Context ctx{in.vars, in.platform};
    commands::echo(ctx, readLenientValue(in));
}

void handleConfirm(Interpreter& in) {
    commands::Context ctx{in.vars, in.platform};
    commands::confirm(ctx, readLenientValue(in));
}

}  // namespace interp
