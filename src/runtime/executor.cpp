// Executing code lines: control flow here, every command's meaning in the command library.
#include "runtime/executor.h"

#include <algorithm>
#include <new>

#include "commands/messages.h"
#include "commands/text_commands.h"
#include "core/product.h"
#include "core/script_error.h"
#include "core/text.h"
#include "platform/desktop.h"

namespace runtime {

using code::Opcode;
using interp::ScriptExit;

Executor::Executor(platform::System& system, platform::Desktop& desktop, interp::VariableTable& vars,
                   std::unique_ptr<code::CodeImage> code, std::uint64_t commandLimit)
    : system_(system), desktop_(desktop), vars_(vars), code_(std::move(code)), commandsLeft_(commandLimit) {
    lineCount_ = code_->lineCount();
    decoded_.resize(static_cast<size_t>(lineCount_));
}

const Instruction& Executor::instructionAt(int lineNumber) {
    auto& slot = decoded_[static_cast<size_t>(lineNumber) - 1];
    if (slot) return *slot;
    if (lineNumber == freshLine_ && fresh_) return *fresh_;
    if (lineNumber <= readBeforeRestart_) {
        slot = std::make_unique<Instruction>();
        decodeInstruction(code_->line(lineNumber), vars_, *slot);
        return *slot;
    }
    // A line read once is decoded into the room of the one read once before it.
    if (!fresh_) fresh_ = std::make_unique<Instruction>();
    decodeInstruction(code_->line(lineNumber), vars_, *fresh_);
    freshLine_ = lineNumber;
    return *fresh_;
}

void Executor::restart() {
    readBeforeRestart_ = std::max(readBeforeRestart_, lineCounter_);
    // The line that restarts is still running; it moves into the table, at the same address.
    if (fresh_ && freshLine_ <= readBeforeRestart_) decoded_[static_cast<size_t>(freshLine_) - 1] = std::move(fresh_);
    lineCounter_ = 0;
}

void Executor::endOfCode() { throw ScriptExit{0}; }

void Executor::push(interp::LineStack& stack, int line) {
    // A 201st open loop or nested call has no place: the program ends rather than return to a
    // wrong line later.
    if (!stack.push(line)) throw ScriptExit{1};
}

int Executor::run() {
    try {
        while (execute(readLine()) != StepResult::halt) {
        }
        return 0;
    } catch (const ScriptExit& exit) {
        return exit.code;
    } catch (const std::bad_alloc&) {
        // As in velint: the error box, then exit code 1. The number is that of the code line,
        // which counts the header line, so it is the script line's number plus one, as velint
        // reports a line whose line end it has read.
        desktop_.errorBox(interp::errorBoxText(lineCounter_, interp::ScriptError{interp::kOutOfMemory, {}}),
                          interp::kErrorBoxCaption, interp::kErrorBoxStyle);
        return 1;
    }
}

void Executor::checkVersion(const Instruction& header) {
    std::string version = header.values.empty() ? std::string() : interp::evaluateValue(vars_, header.values[0]);
    // Compared as the float the first runtimes used, so "4.30" is no newer than "4.3".
    if (static_cast<float>(interp::textToDouble(version)) >
        static_cast<float>(interp::textToDouble(interp::kLanguageVersion))) {
        desktop_.messageBox("WARNING: RTL uses newer VLRL-specification!\nThis may result unpredictable results.",
                            "Velmish Runtime Language Conflict", platform::style::kIconExclamation);
    }
}

StepResult Executor::execute(const Instruction& instruction) {
    if (instruction.handler) {
        runCommand(instruction);
        return StepResult::next;
    }
    // A line that matches no opcode is passed over.
    if (!instruction.opcode) return StepResult::next;
    switch (*instruction.opcode) {
        case Opcode::RLBL: return StepResult::next;
        case Opcode::RRLR: checkVersion(instruction); return StepResult::next;
        case Opcode::R004: jump(instruction); return StepResult::next;
        case Opcode::R005:
            push(gosubStack_, lineCounter_);
            jump(instruction);
            return StepResult::next;
        case Opcode::R006: returnFromSubroutine(); return StepResult::next;
        case Opcode::R0IF:
            if (!interp::evaluateCondition(vars_, instruction.condition)) return StepResult::next;
            for (const auto& nested : instruction.nestedConditions) {
                if (!interp::evaluateCondition(vars_, nested)) return StepResult::next;
            }
            return execute(*instruction.inlineCommand);
        case Opcode::RXIF:
            if (!interp::evaluateCondition(vars_, instruction.condition)) {
                skipBlock(instruction, interp::SkipTo::branchEnd);
            }
            return StepResult::next;
        case Opcode::RXIE:
        case Opcode::RXEL: skipBlock(instruction, interp::SkipTo::blockEnd); return StepResult::next;
        case Opcode::RXEI: return StepResult::next;
        case Opcode::RRPT: push(repeatStack_, lineCounter_); return StepResult::next;
        case Opcode::RUNT: loopEnd(instruction); return StepResult::next;
        case Opcode::R009: return StepResult::halt;
        default: executeCommand(instruction); return StepResult::next;
    }
}

}  // namespace runtime
