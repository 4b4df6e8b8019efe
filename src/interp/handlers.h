// The interpreter's command handlers. Each is entered with the reader just after the keyword
// and its terminator, reads its own parameters and runs the command.
#pragma once

#include <optional>
#include <string>

#include "core/keywords.h"
#include "interp/command_plan.h"
#include "interp/interpreter.h"

namespace interp {

// Runs the command of a keyword that is neither an IF nor a command with Operands (those run from
// their plan); -1 when the keyword is no command.
int dispatch(Interpreter& in, std::optional<Keyword> keyword);

// DEC
void handleDec(Interpreter& in);

// Conditions and control flow
bool evaluateCondition(Interpreter& in);
// The rest of an IF once its head (condition and what follows it) has been read: true when the
// condition holds and a command follows on the line, which is to run next. A false IF passes over
// the rest of its line or its branch; restOfLine, where given, remembers how skipping the rest of
// a false one-line IF's line ended.
bool continueIf(Interpreter& in, const IfHead& head, std::optional<ScriptReader::Advance>* restOfLine = nullptr);
// The same for an IF read into its plan: the skips over the rest of a false IF are remembered there
// and replayed, the text read only where they went further than before.
bool continueIf(Interpreter& in, const CommandPlan& plan);
void handleElse(Interpreter& in);  // ELSE and ELSEIF met while running a branch
// The same from the plan of the ELSE or ELSEIF, which remembers where the skip ended.
void handleElse(Interpreter& in, const CommandPlan& plan);
void handleRepeat(Interpreter& in);
// plan, where given, remembers the condition of the UNTIL it belongs to.
void handleUntil(Interpreter& in, const CommandPlan* plan = nullptr);
// plan, where given, keeps the label and, once found, where it leads.
void handleGoto(Interpreter& in, const CommandPlan* plan = nullptr);
void handleGosub(Interpreter& in, const CommandPlan* plan = nullptr);
void handleResume(Interpreter& in);
void handleHalt(Interpreter& in);
void handleEnd(Interpreter& in);

}  // namespace interp
