// Jumps, returns, loop ends and block skipping. Each restarts at the first code line and reads
// forward counting lines; a label search and a return scan depend only on the code, so where
// they ended is remembered per target.
#include "runtime/executor.h"

#include <iterator>

#include "core/block_skip.h"
#include "core/script_error.h"

namespace runtime {

using code::Opcode;

void Executor::scanLineForLoops(const Instruction& instruction) {
    if (instruction.opcode == Opcode::RRPT) push(repeatStack_, lineCounter_);
    if (instruction.opcode == Opcode::RUNT) repeatStack_.pop();
}

void Executor::jump(const Instruction& instruction) {
    restart();
    repeatStack_.clear();
    // The line that jumps is kept decoded from its restart on, so where its label leads is bound
    // to it once found; targets never change, as the code never does.
    if (!instruction.jumpTarget) instruction.jumpTarget = &searchLabel(instruction.label);
    lineCounter_ = instruction.jumpTarget->lineCounter;
    repeatStack_.assign(instruction.jumpTarget->repeatLines);
}

const JumpTarget& Executor::searchLabel(const std::string& label) {
    if (auto found = labels_.find(label); found != labels_.end()) return found->second;
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
            // The first line of each label only.
            auto added = labels_.emplace(line.label, JumpTarget{lineCounter_, repeatStack_.contents()});
            if (line.label == label) {
                labelFrontier_ = JumpTarget{lineCounter_, repeatStack_.contents()};
                return added.first->second;
            }
        }
        scanLineForLoops(line);
    }
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
    SkippedLines(ReadLine readLine, interp::VariableTable& vars, RememberedSkip* memory = nullptr,
                 const int* lineCounter = nullptr)
        : readLine_(readLine), vars_(vars), memory_(memory), lineCounter_(lineCounter) {}

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
    bool conditionHolds() {
        if (memory_) memory_->elseIfs.push_back({line_->condition, *lineCounter_});
        stoppedAtElseIf = interp::evaluateCondition(vars_, line_->condition);
        return stoppedAtElseIf;
    }
    void skipLine() {}

    bool stoppedAtElseIf = false;

  private:
    ReadLine readLine_;
    interp::VariableTable& vars_;
    RememberedSkip* memory_;  // where the ELSEIFs that decide are remembered, if anywhere
    const int* lineCounter_;
    const Instruction* line_ = nullptr;
};

}  // namespace

void Executor::skipBlock(interp::SkipTo target) {
    auto readOn = [this]() -> const Instruction& { return readLine(); };
    SkippedLines<decltype(readOn)> lines(readOn, vars_);
    interp::skipBlock(lines, target);
}

void Executor::passLinesTo(int line) {
    // Reading a line counts against the command limit, and reading past the last line ends the
    // program: both as the lines were read one by one.
    auto count = static_cast<std::uint64_t>(line - lineCounter_);
    if (line > code_->lineCount() || commandsLeft_ < count) throw interp::ScriptExit{0};
    commandsLeft_ -= count;
    lineCounter_ = line;
}

void Executor::skipBlock(const Instruction& from, interp::SkipTo target) {
    // Only a line kept decoded outlives the lines the skip reads, so only there is the skip
    // remembered: the skips over a block that runs again and again start from such lines.
    if (decoded_[static_cast<size_t>(lineCounter_) - 1].get() != &from) return skipBlock(target);
    RememberedSkip& memory = from.skip;
    // The ELSEIFs met before are decided again from their conditions; the lines between are not
    // read, and neither are the conditions of the IFs nested there evaluated, whose values were
    // never used.
    if (target == interp::SkipTo::branchEnd) {
        for (const RememberedSkip::ElseIf& elseIf : memory.elseIfs) {
            if (interp::evaluateCondition(vars_, elseIf.condition)) return passLinesTo(elseIf.line);
        }
    }
    if (memory.landing) return passLinesTo(memory.landing);
    // Read on beyond the last place a skip reached, remembering what is met.
    if (target == interp::SkipTo::branchEnd && !memory.elseIfs.empty()) passLinesTo(memory.elseIfs.back().line);
    auto readOn = [this]() -> const Instruction& { return readLine(); };
    bool decides = target == interp::SkipTo::branchEnd;
    SkippedLines<decltype(readOn)> lines(readOn, vars_, decides ? &memory : nullptr, &lineCounter_);
    interp::skipBlock(lines, target);
    if (!lines.stoppedAtElseIf) memory.landing = lineCounter_;
}

}  // namespace runtime
