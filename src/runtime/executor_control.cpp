// Jumps, returns, loop ends and block skipping. Each restarts at the first code line and reads
// forward counting lines; a label search and a return scan depend only on the code, so where
// they ended is remembered per target.
#include "runtime/executor.h"

#include "core/block_skip.h"
#include "core/script_error.h"

namespace runtime {

using compiler::Opcode;

void Executor::scanLineForLoops(const Instruction& instruction) {
    if (instruction.opcode == Opcode::RRPT) push(repeatStack_, lineCounter_);
    if (instruction.opcode == Opcode::RUNT) repeatStack_.pop();
}

void Executor::jump(const std::string& label) {
    restart();
    repeatStack_.clear();
    if (auto found = labels_.find(label); found != labels_.end()) {
        lineCounter_ = found->second.lineCounter;
        repeatStack_.assign(found->second.repeatLines);
        return;
    }
    // A label that does not exist runs into the end of the code, which ends the program.
    for (;;) {
        const Instruction& line = readLine();
        if (line.opcode == Opcode::RLBL && line.label == label) break;
        scanLineForLoops(line);
    }
    labels_.emplace(label, JumpTarget{lineCounter_, repeatStack_.contents()});
}

void Executor::returnFromSubroutine() {
    if (gosubStack_.empty()) return;
    restart();
    int target = gosubStack_.top();
    gosubStack_.pop();
    repeatStack_.clear();
    if (auto found = returns_.find(target); found != returns_.end()) {
        lineCounter_ = found->second.lineCounter;
        repeatStack_.assign(found->second.repeatLines);
        return;
    }
    // The R005 line itself is read again but not executed.
    while (lineCounter_ < target) scanLineForLoops(readLine());
    returns_.emplace(target, JumpTarget{lineCounter_, repeatStack_.contents()});
}

void Executor::loopEnd(const Instruction& instruction) {
    if (repeatStack_.empty()) return;
    if (interp::evaluateCondition(vars_, instruction.condition)) {
        repeatStack_.pop();
        return;
    }
    // Back to the line after the RRPT line; reading up to it checks that the code reaches it.
    int loopStart = repeatStack_.top();
    restart();
    if (loopStart > code_->lineCount()) throw interp::ScriptExit{0};
    lineCounter_ = loopStart;
}

namespace {

// The code lines as the block skipper sees them: a condition is part of its line, so nothing is
// left to pass over.
template <typename ReadLine>
class SkippedLines {
  public:
    SkippedLines(ReadLine readLine, interp::VariableTable& vars) : readLine_(readLine), vars_(vars) {}

    interp::BlockMark next() {
        line_ = &readLine_();
        switch (line_->opcode.value_or(Opcode::RRLR)) {
            case Opcode::RXIF: return interp::BlockMark::openingIf;
            case Opcode::RXIE: return interp::BlockMark::elseIf;
            case Opcode::RXEL: return interp::BlockMark::elseBranch;
            case Opcode::RXEI: return interp::BlockMark::endIf;
            default: return interp::BlockMark::other;
        }
    }
    bool conditionHolds() { return interp::evaluateCondition(vars_, line_->condition); }
    void skipLine() {}

  private:
    ReadLine readLine_;
    interp::VariableTable& vars_;
    const Instruction* line_ = nullptr;
};

}  // namespace

void Executor::skipBlock(interp::SkipTo target) {
    auto readOn = [this]() -> const Instruction& { return readLine(); };
    SkippedLines<decltype(readOn)> lines(readOn, vars_);
    interp::skipBlock(lines, target);
}

}  // namespace runtime
