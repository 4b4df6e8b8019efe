// Executing the commands: operands evaluated, then the command library's meaning.
#include "commands/dialog_commands.h"
#include "commands/file_commands.h"
#include "commands/file_system_commands.h"
#include "commands/messages.h"
#include "commands/process_commands.h"
#include "commands/text_commands.h"
#include "core/script_error.h"
#include "runtime/executor.h"

namespace runtime {

using compiler::Opcode;

int Executor::executeCommand(const Instruction& instruction) {
    commands::Context ctx{vars_, platform_, session_};
    auto target = [&] { return instruction.targets[0]; };
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
        case Opcode::RF00: commands::linkVar(ctx, instruction.targets[0], instruction.values); break;
        case Opcode::RF01:
            commands::calcVar(ctx, instruction.targets[0], instruction.values, instruction.operators);
            break;
        case Opcode::RF02: commands::getPos(ctx, instruction.targets[0], value(0), value(1)); break;
        case Opcode::RF03: commands::upVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF04: commands::lowVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF05: commands::trimVar(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF06: commands::getChr(ctx, instruction.targets[0], value(0)); break;
        case Opcode::RF07: commands::getLen(ctx, instruction.targets[0], view(0)); break;
        case Opcode::RF08: commands::copyVar(ctx, instruction.targets[0], value(0), value(1), value(2)); break;
        // The dialogs run here, between two code lines, as the interpreter runs them between two
        // commands.
        case Opcode::R008: commands::inputBox(ctx, target(), value(0), value(1), value(2)); break;
        case Opcode::R032: {
            std::string title = value(0), text = value(1);
            commands::editBox(ctx, target(), title, text, commands::editBoxReadOnly(value(2)));
            break;
        }
        case Opcode::R031: commands::listBox(ctx, target(), value(0), value(1)); break;
        case Opcode::R022: commands::fileBox(ctx, target(), value(0), value(1), false); break;
        case Opcode::R023: commands::fileBox(ctx, target(), value(0), value(1), true); break;
        case Opcode::R037: commands::folderBox(ctx, target(), value(0), value(1)); break;
        case Opcode::R038: commands::infoBox(ctx, value(0), value(1)); break;
        case Opcode::R010: commands::shell(ctx, value(0), value(1)); break;
        case Opcode::R030: commands::call(ctx, value(0), value(1)); break;
        case Opcode::R014: commands::system(ctx, value(0)); break;
        case Opcode::R015: commands::getEnv(ctx, target(), value(0)); break;
        case Opcode::R016: commands::letEnv(ctx, value(0)); break;
        case Opcode::R036: commands::wait(ctx, value(0)); break;
        case Opcode::R033: commands::sendKeys(ctx, value(0), value(1)); break;
        case Opcode::R029: commands::mci(ctx, value(0)); break;
        case Opcode::R021: commands::newFile(ctx, value(0)); break;
        case Opcode::R025: commands::writeFile(ctx, value(0), value(1)); break;
        case Opcode::R024: commands::readFile(ctx, target(), value(0), value(1)); break;
        case Opcode::R035: commands::fileSize(ctx, target(), value(0)); break;
        case Opcode::R019: commands::fileExists(ctx, value(0)); break;
        case Opcode::R020: commands::openDocument(ctx, value(0)); break;
        // Compiled programs always copy and rename with the shell's file operation.
        case Opcode::R026: commands::copyFile(ctx, value(0), value(1), commands::FileFunctions::shell); break;
        case Opcode::R018: commands::renameFile(ctx, value(0), value(1), commands::FileFunctions::shell); break;
        case Opcode::R017: commands::delFile(ctx, value(0)); break;
        case Opcode::R034: commands::findFiles(ctx, target(), value(0)); break;
        case Opcode::R039: commands::getFileAtt(ctx, target(), value(0), value(1)); break;
        case Opcode::R040: commands::letFileAtt(ctx, value(0), value(1)); break;
        case Opcode::R011: commands::chDir(ctx, value(0)); break;
        case Opcode::R012: commands::mkDir(ctx, value(0)); break;
        case Opcode::R013: commands::rmDir(ctx, value(0)); break;
        default: break;
    }
    return kContinue;
}

}  // namespace runtime
