// Executing the commands: operands evaluated, then the command library's meaning.
#include "commands/messages.h"
#include "commands/text_commands.h"
#include "runtime/executor.h"
#include "interp/script_error.h"

namespace runtime {

using compiler::Opcode;

namespace {

// A command this runtime has no meaning for yet ends the program with exit code 1 rather than
// pretend it ran.
[[noreturn]] void notAvailable() { throw interp::ScriptExit{1}; }

}  // namespace

int Executor::executeCommand(const Instruction& instruction) {
    commands::Context ctx{vars_, platform_};
    auto value = [&](size_t index) { return interp::evaluateValue(vars_, instruction.values[index]); };
    std::string scratch;
    auto view = [&](size_t index) { return interp::viewValue(vars_, instruction.values[index], scratch); };
    switch (*instruction.opcode) {
        case Opcode::R000:
            for (const auto& target : instruction.targets) vars_.declare(target.name());
            break;
        case Opcode::R001: vars_.set(instruction.targets[0], value(0)); break;
        case Opcode::R007: commands::msgBox(ctx, value(0), value(1), value(2)); break;
        case Opcode::R027: commands::echo(ctx, value(0)); break;
        case Opcode::R028: commands::confirm(ctx, value(0)); break;
        case Opcode::RF00: {
            size_t count = instruction.values.size();
            if (linkScratch_.size() < count) linkScratch_.resize(count);
            linkViews_.clear();
            for (size_t i = 0; i < count; ++i) {
                linkViews_.push_back(interp::viewValue(vars_, instruction.values[i], linkScratch_[i]));
            }
            commands::linkVar(ctx, instruction.targets[0], linkViews_);
            break;
        }
        case Opcode::RF01: {
            commands::Calculation calculation(view(0));
            for (size_t i = 1; i < instruction.values.size(); ++i) {
                calculation.apply(instruction.operators[i - 1], view(i));
            }
            commands::calcVar(ctx, instruction.targets[0], calculation);
            break;
        }
        case Opcode::RF02: commands::getPos(ctx, instruction.targets[0], value(0), value(1)); break;
        case Opcode::RF03: commands::upVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF04: commands::lowVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF05: commands::trimVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF06: commands::getChr(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF07: commands::getLen(ctx, instruction.targets[0], view(0)); break;
        case Opcode::RF08: commands::copyVar(ctx, instruction.targets[0], value(0), value(1), value(2)); break;
        default: notAvailable();
    }
    return kContinue;
}

}  // namespace runtime
