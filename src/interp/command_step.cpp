// The command step: read one keyword and run its handler.
#include "command_set/command_table.h"
#include "core/text.h"
#include "interp/command_plan.h"
#include "interp/handlers.h"
#include "interp/parameters.h"

namespace interp {

namespace {

void handleLabelLine(Interpreter& in) {
    // A label line only marks a jump target; its name must not be blank.
    if (trimBlanks(readRestOfLine(in)).empty()) throw ScriptError{kParameterExpected, "% Label descriptor"};
}

// DEBUGVARS AUTO, DEBUGVARS NONE, or DEBUGVARS [name], [name] ...
void handleDebugVars(Interpreter& in) {
    ScriptReader::Position start = in.reader.position();
    std::string word = upperCase(evaluateValue(in.vars, readShape(in, ValueForm::lenient)));
    if (word == "AUTO" || word == "NONE") {
        in.debugger.setAutoWatch(word == "AUTO");
        return;
    }
    in.reader.setPosition(start);
    ParameterSource source(in);
    forms::readNames(source, [&in](std::string_view name) { in.debugger.watch(in.vars.handle(name).name()); });
}

}  // namespace

int dispatch(Interpreter& in, std::optional<Keyword> keyword) {
    if (!keyword) return -1;
    if (command_set::commandRow(*keyword).kind == command_set::CommandKind::remark) {
        skipRestOfLine(in);
        return 0;
    }
    switch (*keyword) {
        case Keyword::ENDIF: break;
        case Keyword::DEC: handleDec(in); break;
        case Keyword::GOTO: handleGoto(in); break;
        case Keyword::GOSUB: handleGosub(in); break;
        case Keyword::RESUME: handleResume(in); break;
        case Keyword::ELSE:
        case Keyword::ELSEIF: handleElse(in); break;
        case Keyword::REPEAT: handleRepeat(in); break;
        case Keyword::UNTIL: handleUntil(in); break;
        case Keyword::HALT: handleHalt(in); break;
        case Keyword::END: handleEnd(in); break;
        case Keyword::DEBUGVARS: handleDebugVars(in); break;
        default:
            // Recognised in its place, but this build has no meaning for it yet: refuse it
            // rather than pretend it ran.
            throw ScriptError{kUnknownInstruction, in.currentKeyword()};
    }
    return 0;
}

namespace {

// How each kind of plan runs.
int runLabelLine(Interpreter& in, const CommandPlan&) {
    handleLabelLine(in);
    return 0;
}

int runWithOperands(Interpreter& in, const CommandPlan& plan) {
    runOperands(in, plan.operands);
    return 0;
}

int runUntil(Interpreter& in, const CommandPlan& plan) {
    handleUntil(in, &plan);
    return 0;
}

int runElse(Interpreter& in, const CommandPlan& plan) {
    handleElse(in, plan);
    return 0;
}

int runGoto(Interpreter& in, const CommandPlan& plan) {
    handleGoto(in, &plan);
    return 0;
}

int runGosub(Interpreter& in, const CommandPlan& plan) {
    handleGosub(in, &plan);
    return 0;
}

int runByKeyword(Interpreter& in, const CommandPlan& plan) { return dispatch(in, plan.keyword); }

int runIf(Interpreter& in, const CommandPlan& plan);

// Reads a command's keyword and, where they depend on the text alone, its parameters. first: the
// character a one-line IF read after its condition, which starts the keyword.
CommandPlan readPlan(Interpreter& in, std::optional<char> first = std::nullopt) {
    CommandPlan plan;
    ScriptReader::Position start = in.reader.position();
    KeywordRead read = readKeyword(in);
    if (first) {
        std::string word(1, *first);
        word += read.word;
        plan.upperKeyword = keywordNamedBy(in, word, plan.keyword);
    } else {
        plan.isLabel = read.word == "%";
        plan.keyword = read.keyword;
        plan.upperKeyword = read.upper;
    }
    in.setCurrentKeyword(plan.upperKeyword);
    if (plan.isLabel) {
        plan.run = runLabelLine;
    } else if (plan.keyword && hasPlainOperands(*plan.keyword)) {
        plan.operands = readOperands(in, *plan.keyword);
        plan.hasOperands = true;
        plan.run = runWithOperands;
    } else if (plan.keyword == Keyword::IF) {
        plan.ifHead = readIfHead(in);
        plan.hasIfHead = true;
        plan.run = runIf;
    } else if (plan.keyword == Keyword::UNTIL) {
        plan.run = runUntil;
    } else if (plan.keyword == Keyword::ELSE || plan.keyword == Keyword::ELSEIF) {
        plan.run = runElse;
    } else if (plan.keyword == Keyword::GOTO) {
        plan.run = runGoto;
    } else if (plan.keyword == Keyword::GOSUB) {
        plan.run = runGosub;
    } else {
        plan.run = runByKeyword;
    }
    // A label line's "%" leaves the keyword terminator as it was.
    plan.end = in.reader.advanceSince(start, read.word != "%");
    return plan;
}

// The command after a true one-line IF: read the first time, replayed afterwards.
const CommandPlan& inlinePlanOf(Interpreter& in, const CommandPlan& ifPlan) {
    if (ifPlan.inlinePlan) {
        in.reader.replay(ifPlan.inlinePlan->end);
        in.setCurrentKeyword(ifPlan.inlinePlan->upperKeyword);
    } else {
        ifPlan.inlinePlan = std::make_unique<CommandPlan>(readPlan(in, static_cast<char>(ifPlan.ifHead.next)));
    }
    return *ifPlan.inlinePlan;
}

// An IF, and the command after it while it is a true one-line IF. One-line IFs run their command
// here rather than by recursion, so a line of many nested IFs needs no deeper stack.
int runIf(Interpreter& in, const CommandPlan& first) {
    const CommandPlan* plan = &first;
    while (plan->hasIfHead) {
        if (!continueIf(in, *plan)) return 0;
        plan = &inlinePlanOf(in, *plan);
    }
    return plan->run(in, *plan);
}

// The plan of the command at the reader's place, read there the first time and replayed
// afterwards. A command that did not jump leads to the same next command every time, so the plan
// that ran before remembers it and no lookup is needed.
const CommandPlan& planAt(Interpreter& in, size_t key) {
    ScriptMemo& memo = in.memo;
    const CommandPlan* previous = memo.previous;
    const CommandPlan* plan;
    if (previous && previous->next && previous->nextKey == key) {
        plan = previous->next;
        in.reader.replay(plan->end);
        in.setCurrentKeyword(plan->upperKeyword);
    } else {
        auto found = memo.plans.find(key);
        if (found == memo.plans.end()) {
            found = memo.plans.emplace(key, readPlan(in)).first;
        } else {
            in.reader.replay(found->second.end);
            in.setCurrentKeyword(found->second.upperKeyword);
        }
        plan = &found->second;
        if (previous) {
            previous->next = plan;
            previous->nextKey = key;
        }
    }
    // Dropped with the rest of the memo when a restart reloads the script.
    memo.previous = plan;
    return *plan;
}

}  // namespace

int commandStep(Interpreter& in) {
    auto key = in.reader.memoKey();
    if (!key) {
        in.memo.previous = nullptr;
        CommandPlan plan = readPlan(in);
        return plan.run(in, plan);
    }
    const CommandPlan& plan = planAt(in, *key);
    return plan.run(in, plan);
}

}  // namespace interp
