// Reading the commands whose parameters are fixed by the text alone, by the form the command
// table gives them, and running them: the meanings are in the command library.
#include "command_set/command_table.h"
#include "command_set/read_form.h"
#include "commands/run_command.h"
#include "interp/command_plan.h"
#include "interp/parameters.h"

namespace interp {

namespace {

using command_set::CommandKind;

// Builds the operands as the form is read.
class OperandsBuilder {
  public:
    OperandsBuilder(Interpreter& in, Operands& operands) : in_(in), operands_(operands) {}
    void target(std::string_view name) { operands_.target = in_.vars.handle(name); }
    ShapeBuilder value() { return ShapeBuilder(in_.vars, operands_.values.emplace_back()); }
    // No command of the command library has a condition among its operands.
    ConditionBuilder condition() { throw parseError(in_); }

    class ListBuilder {
      public:
        ListBuilder(OperandsBuilder& operands, bool keepsOperators)
            : operands_(operands), keepsOperators_(keepsOperators) {}
        ShapeBuilder value() { return operands_.value(); }
        void separator(char c) {
            if (keepsOperators_) operands_.operands_.operators += c;
        }

      private:
        OperandsBuilder& operands_;
        bool keepsOperators_;
    };
    ListBuilder list(bool keepsOperators) { return ListBuilder(*this, keepsOperators); }

  private:
    Interpreter& in_;
    Operands& operands_;
};

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
    ParameterSource source(in);
    OperandsBuilder builder(in, operands);
    command_set::readForm(source, row.form, builder);
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
