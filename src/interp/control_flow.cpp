// IF blocks, loops, jumps, returns and the end of a script.
//
// The reading position is the only program counter. Forward movement reads on; backward
// movement restarts the script from its first byte and reads forward to the target, which the
// jump cache remembers per target (the outcome of such a search depends only on the script
// text).
#include <iterator>

#include "core/block_skip.h"
#include "core/text.h"
#include "interp/handlers.h"
#include "interp/parameters.h"
#include "platform/desktop.h"

namespace interp {

namespace {

constexpr int kLineEnd = ScriptReader::kLineEnd;

void skipLineAfterKeyword(Interpreter& in) {
    if (in.reader.keywordTerminator() != kLineEnd) skipRestOfLine(in);
}

// Reads a keyword while skipping; label lines are passed over as a whole, so a label name is
// never mistaken for a command.
std::optional<Keyword> readSkippedKeyword(Interpreter& in) {
    for (;;) {
        KeywordRead read = readKeyword(in);
        if (read.word != "%") return read.keyword;
        skipRestOfLine(in);
    }
}

// The script's lines as the block skipper sees them.
class SkippedLines {
  public:
    explicit SkippedLines(Interpreter& in) : in_(in) {}

    BlockMark next() {
        std::optional<Keyword> keyword = readSkippedKeyword(in_);
        if (keyword == Keyword::IF) {
            evaluateCondition(in_);
            return readSeparator(in_) == kLineEnd ? BlockMark::openingIf : BlockMark::oneLineIf;
        }
        if (keyword == Keyword::ELSEIF) return BlockMark::elseIf;
        if (keyword == Keyword::ELSE) return BlockMark::elseBranch;
        if (keyword == Keyword::ENDIF) return BlockMark::endIf;
        return BlockMark::other;
    }
    bool conditionHolds() { return evaluateCondition(in_); }
    void skipLine() { skipLineAfterKeyword(in_); }

  private:
    Interpreter& in_;
};

void skipBlock(Interpreter& in, SkipTo target) {
    SkippedLines lines(in);
    interp::skipBlock(lines, target);
}

// The same lines, with the ELSEIFs that decide a false branch's skip remembered as they are met.
class RememberingLines : public SkippedLines {
  public:
    RememberingLines(Interpreter& in, const ScriptReader::Position& start, RememberedSkip& memory)
        : SkippedLines(in), in_(in), start_(start), memory_(memory) {}

    bool conditionHolds() {
        ConditionShape condition = readConditionOnly(in_).condition;
        // The keyword read last (ELSEIF) set the keyword terminator.
        memory_.elseIfs.push_back({condition, in_.reader.advanceSince(start_, true)});
        stoppedAtElseIf = evaluateCondition(in_.vars, memory_.elseIfs.back().condition);
        return stoppedAtElseIf;
    }

    bool stoppedAtElseIf = false;

  private:
    Interpreter& in_;
    const ScriptReader::Position& start_;
    RememberedSkip& memory_;
};

// A false block IF's skip to the branch that runs: the ELSEIFs met before are decided again from
// their remembered conditions, and the text is read only beyond the last place a skip reached.
// Only the first skip over a line reads it, so a script sees the same errors; later skips do not
// evaluate the conditions of the IFs nested in the branch, whose values were never used.
void skipFalseBranch(Interpreter& in, RememberedSkip& memory) {
    ScriptReader::Position start = in.reader.position();
    for (const RememberedSkip::ElseIf& elseIf : memory.elseIfs) {
        if (evaluateCondition(in.vars, elseIf.condition)) {
            in.reader.replay(elseIf.afterCondition);
            return;
        }
    }
    if (memory.landing) {
        in.reader.replay(*memory.landing);
        return;
    }
    if (!memory.elseIfs.empty()) in.reader.replay(memory.elseIfs.back().afterCondition);
    RememberingLines lines(in, start, memory);
    interp::skipBlock(lines, SkipTo::branchEnd);
    // The ELSE or ENDIF read last set the keyword terminator.
    if (!lines.stoppedAtElseIf) memory.landing = in.reader.advanceSince(start, true);
}

void pushLine(Interpreter& in, LineStack& stack, int line) {
    if (!stack.push(line)) throw parseError(in);
}

// Restarts the script from its first byte; a script that can no longer be opened ends the run.
// After a command of the script's own that may have written files or started programs, the
// file is looked at now, so a script that rewrites or deletes itself sees that at its next jump.
// False when the text was reloaded: everything remembered, the plans included, is gone.
bool restart(Interpreter& in) {
    bool filesChanged = in.session.fileChanges != in.fileChangesSeen;
    in.fileChangesSeen = in.session.fileChanges;
    if (!in.reader.restart(filesChanged)) {
        in.desktop.errorBox("File does not exists.", "ERROR", platform::style::kIconError);
        throw ScriptExit{1};
    }
    if (in.memo.generation != in.reader.sourceGeneration()) {
        in.memo = ScriptMemo{};
        in.memo.generation = in.reader.sourceGeneration();
        return false;
    }
    return true;
}

// Reads one line during a search, keeping the REPEAT stack in step with the loops passed.
void scanLine(Interpreter& in, std::optional<Keyword> keyword) {
    skipRestOfLine(in);
    if (keyword == Keyword::REPEAT) pushLine(in, in.repeatStack, in.reader.line());
    if (keyword == Keyword::UNTIL) in.repeatStack.pop();
}

bool jumpToRemembered(Interpreter& in, const JumpTarget* target) {
    if (!target) return false;
    in.reader.setPosition(target->position);
    in.repeatStack.assign(target->repeatLines);
    return true;
}

JumpTarget here(const Interpreter& in) { return JumpTarget{in.reader.position(), in.repeatStack.contents()}; }

// From the first byte: on to the line after the label line; the end of the script (no such
// label) ends the run quietly. Returns where the label was remembered.
const JumpTarget& searchLabel(Interpreter& in, const std::string& label) {
    auto remembered = in.memo.labels.find(label);
    if (remembered != in.memo.labels.end()) {
        jumpToRemembered(in, &remembered->second);
        return remembered->second;
    }
    // Every search reads from the first byte with no loop open, so an earlier search has passed
    // the lines up to where it stopped alike, and remembered every label there: this one goes on
    // from that point, and the searches of a script read it once in all.
    if (in.memo.labelFrontier) jumpToRemembered(in, &*in.memo.labelFrontier);
    for (;;) {
        KeywordRead read = readKeyword(in);
        if (read.word == "%") {
            std::string name = readRestOfLine(in);
            auto added = in.memo.labels.emplace(name, here(in));  // the first line of each name only
            if (name == label) {
                in.memo.labelFrontier = here(in);
                return added.first->second;
            }
            continue;
        }
        scanLine(in, read.keyword);
    }
}

std::string readLabelOperand(Interpreter& in) {
    std::string label = readRestOfLine(in);
    if (label.empty()) throw parseError(in);
    return label;
}

}  // namespace

bool continueIf(Interpreter& in, const IfHead& head, std::optional<ScriptReader::Advance>* restOfLine) {
    if (evaluateCondition(in.vars, head.condition)) return head.next != kLineEnd;
    if (head.next != kLineEnd && restOfLine && *restOfLine) {
        in.reader.replay(**restOfLine);
    } else if (head.next != kLineEnd && restOfLine) {
        ScriptReader::Position start = in.reader.position();
        readRestOfLine(in);
        *restOfLine = in.reader.advanceSince(start, false);
    } else if (head.next != kLineEnd) {
        skipRestOfLine(in);
    } else {
        skipBlock(in, SkipTo::branchEnd);
    }
    return false;
}

bool continueIf(Interpreter& in, const CommandPlan& plan) {
    const IfHead& head = plan.ifHead;
    if (head.next != kLineEnd) return continueIf(in, head, &plan.afterRestOfLine);
    if (!evaluateCondition(in.vars, head.condition)) skipFalseBranch(in, plan.falseBranch);
    return false;
}

void handleElse(Interpreter& in) { skipBlock(in, SkipTo::blockEnd); }

void handleElse(Interpreter& in, const CommandPlan& plan) {
    // The skip to the end of the block depends on the text alone.
    if (plan.afterBlock) {
        in.reader.replay(*plan.afterBlock);
        return;
    }
    ScriptReader::Position start = in.reader.position();
    handleElse(in);
    // The ENDIF read last set the keyword terminator.
    plan.afterBlock = in.reader.advanceSince(start, true);
}

void handleRepeat(Interpreter& in) {
    // Text after REPEAT is ignored; the loop always starts on the next line.
    skipLineAfterKeyword(in);
    pushLine(in, in.repeatStack, in.reader.line());
}

// The UNTIL condition's value, read from the plan where it is remembered.
bool untilHolds(Interpreter& in, const CommandPlan* plan) {
    if (!plan) return evaluateCondition(in);
    if (!plan->untilCondition) {
        ScriptReader::Position start = in.reader.position();
        IfHead read = readConditionOnly(in);
        plan->untilCondition = std::move(read.condition);
        plan->afterUntilCondition = in.reader.advanceSince(start, false);
    } else {
        in.reader.replay(plan->afterUntilCondition);
    }
    return evaluateCondition(in.vars, *plan->untilCondition);
}

void handleUntil(Interpreter& in, const CommandPlan* plan) {
    if (in.repeatStack.empty()) {
        skipRestOfLine(in);
        return;
    }
    if (untilHolds(in, plan)) {
        in.repeatStack.pop();
        return;
    }
    int loopStart = in.repeatStack.top();
    restart(in);
    in.reader.skipToLine(loopStart);
}

namespace {

// The label after GOTO or GOSUB, read from the text the first time and then from the plan.
std::string labelOperand(Interpreter& in, const CommandPlan* plan) {
    if (!plan) return readLabelOperand(in);
    if (plan->jumpLabel) {
        in.reader.replay(plan->afterJumpLabel);
        return *plan->jumpLabel;
    }
    ScriptReader::Position start = in.reader.position();
    std::string label = readLabelOperand(in);
    plan->jumpLabel = label;
    plan->afterJumpLabel = in.reader.advanceSince(start, false);
    return label;
}

// Restarts and goes on after the label. Where the label led is bound to the plan once found: the
// plan survives the restart unless the text was reloaded, and the target with it.
void jumpTo(Interpreter& in, const std::string& label, const CommandPlan* plan) {
    const JumpTarget* bound = plan ? plan->jumpTarget : nullptr;
    bool kept = restart(in);
    in.repeatStack.clear();
    if (kept && bound) {
        jumpToRemembered(in, bound);
        return;
    }
    const JumpTarget& target = searchLabel(in, label);
    if (kept && plan) plan->jumpTarget = &target;
}

}  // namespace

void handleGoto(Interpreter& in, const CommandPlan* plan) { jumpTo(in, labelOperand(in, plan), plan); }

void handleGosub(Interpreter& in, const CommandPlan* plan) {
    std::string label = labelOperand(in, plan);
    // The line counter now stands on the line after the GOSUB: that is where RESUME returns. A
    // GOSUB ended by the end of the file counts as ended by a line end, so the return goes past
    // it (to the end) instead of calling again.
    pushLine(in, in.gosubStack, in.reader.line() + (in.reader.atEnd() ? 1 : 0));
    jumpTo(in, label, plan);
}

void handleResume(Interpreter& in) {
    if (in.gosubStack.empty()) return;
    restart(in);
    int returnLine = in.gosubStack.top();
    in.gosubStack.pop();
    in.repeatStack.clear();
    auto remembered = in.memo.returns.find(returnLine);
    if (jumpToRemembered(in, remembered == in.memo.returns.end() ? nullptr : &remembered->second)) return;
    // A scan reads from the first byte with no loop open, so one that ended before this line
    // passed the same lines: this one goes on from there.
    if (auto earlier = in.memo.returns.lower_bound(returnLine); earlier != in.memo.returns.begin()) {
        jumpToRemembered(in, &std::prev(earlier)->second);
        while (in.reader.line() < returnLine) scanLine(in, readKeyword(in).keyword);
    } else {
        do {
            scanLine(in, readKeyword(in).keyword);
        } while (in.reader.line() < returnLine);
    }
    in.memo.returns.emplace(returnLine, here(in));
}

void handleHalt(Interpreter& in) {
    int next = readSeparator(in);
    if (next == kLineEnd) throw ScriptExit{0};
    std::string code;
    if (next == '[') {
        code = in.vars.get(in.reader.readUntil(']'));
    } else if (next == '\'') {
        code = in.reader.readUntil('\'');
    } else {
        code = static_cast<char>(next) + readRestOfLine(in);
    }
    throw ScriptExit{textToInt(code)};
}

void handleEnd(Interpreter&) { throw ScriptExit{0}; }

}  // namespace interp
