// Reading the commands whose parameters are fixed by the text alone, by the form the command
// table gives them, and running them: the meanings are in the command library.
#include "command_set/command_table.h"
#include "commands/run_command.h"
#include "interp/command_plan.h"
#include "interp/parameters.h"

namespace interp {

namespace {

using command_set::CommandKind;

// Reads the steps of a form in order (see command_set/command_table.h).
void readForm(Interpreter& in, std::string_view form, Operands& operands) {
    using command_set::StepKind;
    while (auto step = command_set::takeStep(form)) {
        switch (step->kind) {
            case StepKind::target: operands.target = readVariableName(in); break;
            case StepKind::value: operands.values.push_back(readShape(in, ValueForm::strict)); break;
            case StepKind::lenientValue: operands.values.push_back(readShape(in, ValueForm::lenient)); break;
            case StepKind::lineEnd: expectLineEnd(in); break;
            case StepKind::restOfLine: readRestOfLine(in); break;
            case StepKind::separator: expectInnerSeparator(in, step->separators); break;
            case StepKind::list:
            case StepKind::operatorList:
                // Values separated by any of the separators, up to the line end; the operators are
                // kept where the command needs them (CALCVAR).
                operands.values.push_back(readShape(in, ValueForm::strict));
                for (int op; (op = expectSeparator(in, step->separators)) != ScriptReader::kLineEnd;) {
                    if (step->kind == StepKind::operatorList) operands.operators += static_cast<char>(op);
                    operands.values.push_back(readShape(in, ValueForm::strict));
                }
                break;
            case StepKind::condition: break;  // no plain command has one
        }
    }
}

}  // namespace

bool hasPlainOperands(Keyword keyword) {
    const command_set::CommandRow& row = command_set::commandRow(keyword);
    switch (row.kind) {
        case CommandKind::plain: return true;
        case CommandKind::debugger: return !row.form.empty();  // DEBUGMODE
        default: return false;
    }
}

Operands readOperands(Interpreter& in, Keyword keyword) {
    Operands operands;
    const command_set::CommandRow& row = command_set::commandRow(keyword);
    operands.handler = commands::handlerOf(keyword);
    // Only the commands that copy or rename read VL_UseOldFileFunctions, when they run; a lookup by
    // name for every other command would cost more than many commands themselves.
    operands.readsFileFunctions = row.whenCompiled == command_set::WhenCompiled::shellFileOperation;
    readForm(in, row.form, operands);
    return operands;
}

void runOperands(Interpreter& in, const Operands& operands) {
    if (!operands.handler) {
        // DEBUGMODE, the one command with operands that the debugger runs.
        in.debugger.debugMode(evaluateValue(in.vars, operands.values[0]), [&in] { return upcomingLine(in); });
        return;
    }
    commands::Arguments& arguments = operands.bound.arguments;
    if (!operands.bound.made) {
        arguments = commands::Arguments{operands.target, operands.values, operands.operators};
        operands.bound.made = true;
    }
    if (operands.readsFileFunctions) arguments.fileFunctions = commands::fileFunctionsOf(in.vars);
    operands.handler(in.context, arguments);
}

}  // namespace interp
