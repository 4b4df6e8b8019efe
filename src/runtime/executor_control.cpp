// Jumps, returns, loop ends and block skipping. Each restarts at the first code line and reads
// forward counting lines; a label search and a return scan depend only on the code, so where
// they ended is remembered per target.
#include "runtime/executor.h"

#include <iterator>

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
    // Every search reads from the first line with no loop open, so an earlier search has passed
    // the lines up to where it stopped alike, and remembered every label there: this one goes on
    // from that point, and the searches of a program read its code once in all. A label that does
    // not exist runs into the end of the code, which ends the program.
    if (labelFrontier_) {
        lineCounter_ = labelFrontier_->lineCounter;
        repeatStack_.assign(labelFrontier_->repeatLines);
    }
    for (;;) {
        const Instruction& line = readLine();
        if (line.opcode == Opcode::RLBL) {
            labels_.emplace(line.label, JumpTarget{lineCounter_, repeatStack_.contents()});  // first line only
            if (line.label == label) break;
        }
        scanLineForLoops(line);
    }
    labelFrontier_ = JumpTarget{lineCounter_, repeatStack_.contents()};
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
    // A scan reads from the first line with no loop open, so one that ended on an earlier line
    // passed the same lines: this one goes on from there. The R005 line itself is read again but
    // not executed.
    if (auto earlier = returns_.lower_bound(target); earlier != returns_.begin()) {
        lineCounter_ = std::prev(earlier)->second.lineCounter;
        repeatStack_.assign(std::prev(earlier)->second.repeatLines);
    }
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
