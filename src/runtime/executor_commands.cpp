// Executing the commands: DEC here, everything else by the meaning the command table's keyword
// has in the command library.
#include "runtime/executor.h"

namespace runtime {

using code::Opcode;

void Executor::runCommand(const Instruction& instruction) { instruction.handler(context_, instruction.arguments); }

void Executor::executeCommand(const Instruction& instruction) {
    if (instruction.opcode == Opcode::R000) {
        for (const auto& target : instruction.targets) vars_.declare(target.name());
    }
}

}  // namespace runtime
