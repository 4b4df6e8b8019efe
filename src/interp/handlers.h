// The interpreter's command handlers. Each is entered with the reader just after the keyword
// and its terminator, reads its own parameters and runs the command.
#pragma once

#include "interp/interpreter.h"
#include "interp/keywords.h"

namespace interp {

// Runs the command of an upper-case keyword; -1 when the keyword is no command.
int dispatch(Interpreter& in, const std::string& upperKeyword);

// Variables (DEC, LET)
void handleDec(Interpreter& in);
void handleLet(Interpreter& in);

// Conditions and control flow
bool evaluateCondition(Interpreter& in);
int handleIf(Interpreter& in);  // returns the status of a one-line IF's command
void handleElse(Interpreter& in);  // ELSE and ELSEIF met while running a branch
void handleRepeat(Interpreter& in);
void handleUntil(Interpreter& in);
void handleGoto(Interpreter& in);
void handleGosub(Interpreter& in);
void handleResume(Interpreter& in);
void handleHalt(Interpreter& in);
void handleEnd(Interpreter& in);

// Variable and string commands
void handleStringCommand(Interpreter& in, Keyword keyword);

// Message boxes
void handleMsgBox(Interpreter& in);
void handleEcho(Interpreter& in);
void handleConfirm(Interpreter& in);

}  // namespace interp
