// Executing the commands: DEC here, everything else by the meaning the command table's keyword
// has in the command library.
#include "runtime/executor.h"

namespace runtime {

using compiler::Opcode;

void Executor::runCommand(const Instruction& instruction) {
    commands::Arguments arguments;
    if (!instruction.targets.empty()) arguments.target = instruction.targets[0];
    arguments.values = instruction.values;
    arguments.operators = instruction.operators;
    // A compiled program always copies and renames with the shell's file operation.
    arguments.fileFunctions = commands::FileFunctions::shell;
    instruction.handler(context_, arguments);
}

void Executor::executeCommand(const Instruction& instruction) {
    if (instruction.opcode == Opcode::R000) {
        for (const auto& target : instruction.targets) vars_.declare(target.name());
    }
}

}  // namespace runtime
