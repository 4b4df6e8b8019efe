// Commands read once at a script position and replayed whenever execution passes it again.
//
// Reading a command's keyword and parameters depends only on the script bytes from where the
// command starts, so the outcome is kept per position: the keyword, the parameters as written
// (values not yet evaluated) and where the reading ended. Executing the command again then
// evaluates the parameters and runs its meaning without reading the text.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/run_command.h"
#include "core/keywords.h"
#include "core/script_reader.h"
#include "core/value_shape.h"
#include "core/variable_table.h"

namespace interp {

struct Interpreter;
struct JumpTarget;

// The parameters of a command whose reading does not depend on variables: LET, the string
// commands and the message boxes.
struct Operands {
    VariableTable::Handle target;         // the variable the result goes to
    std::vector<ValueShape> values;       // the values in script order
    std::string operators;                // CALCVAR: the operator before each further value
    commands::Handler handler = nullptr;  // the meaning, bound when read; nullptr for DEBUGMODE
    bool readsFileFunctions = false;      // COPYFILE, RENAMEFILE: VL_UseOldFileFunctions counts

    // The handler's arguments, views of the members above: made at the first run, where the plan
    // stays, and made again after a move.
    struct BoundArguments {
        commands::Arguments arguments;
        bool made = false;
        BoundArguments() = default;
        BoundArguments(BoundArguments&&) noexcept {}
        BoundArguments& operator=(BoundArguments&&) noexcept {
            made = false;
            return *this;
        }
    };
    mutable BoundArguments bound;
};

// The condition of an IF and what followed it on its line.
struct IfHead {
    ConditionShape condition;
    int next = 0;  // ScriptReader::kLineEnd (a block IF) or the first character of a one-line IF's command
};

// Where the skip over the lines of a false block IF ended, kept with the IF: the ELSEIFs met at the
// block's own depth with their conditions, each with where the reader stood after the condition,
// and where the skip ended once it met the matching ELSE or ENDIF. Every place is counted from
// where the skip started. A skip that ended at an ELSEIF whose condition held knows nothing yet of
// what follows.
struct RememberedSkip {
    struct ElseIf {
        ConditionShape condition;
        ScriptReader::Advance afterCondition;
    };
    std::vector<ElseIf> elseIfs;
    std::optional<ScriptReader::Advance> landing;
};

struct CommandPlan {
    CommandPlan() = default;
    CommandPlan(CommandPlan&&) = default;
    CommandPlan& operator=(CommandPlan&&) = default;
    // A line of many nested one-line IFs makes a long chain of inline plans: it is taken apart in
    // a loop, so that no depth of nesting needs a deeper stack.
    ~CommandPlan() {
        for (std::unique_ptr<CommandPlan> chain = std::move(inlinePlan); chain;) chain = std::move(chain->inlinePlan);
    }

    // Runs the command from the plan, the reader standing where the plan's reading ended; chosen
    // when the plan is read. Returns 0, or -1 for a keyword that is no command.
    int (*run)(Interpreter& in, const CommandPlan& plan) = nullptr;
    bool isLabel = false;  // a label line ("%"), its name not yet read
    std::optional<Keyword> keyword;
    const std::string* upperKeyword = nullptr;  // kept by the interpreter (Interpreter::internKeyword)
    bool hasOperands = false;                   // a command with Operands, read to its end
    Operands operands;
    bool hasIfHead = false;  // an IF, read up to what follows its condition
    IfHead ifHead;
    ScriptReader::Advance end{};  // where the reading of the plan ended
    // UNTIL: its condition and where reading it ended, filled the first time it is read (an
    // UNTIL without open loop does not read it).
    mutable std::optional<ConditionShape> untilCondition;
    mutable ScriptReader::Advance afterUntilCondition{};
    // A false one-line IF: where reading the rest of its line ended, filled the first time.
    mutable std::optional<ScriptReader::Advance> afterRestOfLine;
    // A false block IF: where its skips ended.
    mutable RememberedSkip falseBranch;
    // ELSE or ELSEIF met in a branch that ran: where the skip to the end of the block ended.
    mutable std::optional<ScriptReader::Advance> afterBlock;
    // GOTO and GOSUB: the label, where reading it ended, and where the label leads once found
    // (an entry of the script memo's labels, which lives as long as the plan).
    mutable std::optional<std::string> jumpLabel;
    mutable ScriptReader::Advance afterJumpLabel{};
    mutable const JumpTarget* jumpTarget = nullptr;
    // A true one-line IF: the plan of the command after its condition, read the first time the
    // condition holds. Its keyword is the character that followed the condition joined to the
    // keyword read after it.
    mutable std::unique_ptr<CommandPlan> inlinePlan;
    // The plan that ran after this one the last time, with the script position it started at:
    // a command that does not jump finds the next one without a lookup.
    mutable const CommandPlan* next = nullptr;
    mutable size_t nextKey = 0;
};

// Commands whose parameters become Operands.
bool hasPlainOperands(Keyword keyword);
Operands readOperands(Interpreter& in, Keyword keyword);
void runOperands(Interpreter& in, const Operands& operands);

IfHead readIfHead(Interpreter& in);
// A condition alone (the head without what follows it).
IfHead readConditionOnly(Interpreter& in);

}  // namespace interp
