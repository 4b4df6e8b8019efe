// A code line read into its operands once, to be executed as often as execution passes it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code/opcodes.h"
#include "commands/run_command.h"
#include "core/value_shape.h"
#include "core/variable_table.h"

namespace runtime {

// Where the skips over a block's lines that started at one code line ended: the ELSEIF lines met at
// the block's own depth with their conditions, and the matching ELSE or ENDIF line once a skip met
// it. Line numbers count code lines from the first, as the executor's line counter does.
struct RememberedSkip {
    struct ElseIf {
        interp::ConditionShape condition;
        int line;
    };
    std::vector<ElseIf> elseIfs;
    int landing = 0;  // 0 while no skip has got that far
};

// Where a label search or a return scan ended: the next line and the loops open there.
struct JumpTarget {
    int lineCounter;
    std::vector<int> repeatLines;
};

struct Instruction {
    std::optional<code::Opcode> opcode;                  // nullopt: matches nothing, ignored
    std::string label;                                   // RLBL, R004, R005
    std::vector<interp::VariableTable::Handle> targets;  // the [v] operands (R000: all of them)
    std::vector<interp::ValueShape> values;              // the V operands in order
    std::string operators;                               // RF01: the operator before each further value
    interp::ConditionShape condition;                    // R0IF, RXIF, RXIE, RUNT
    // R0IF: the conditions of further one-line IFs nested on the same line, in order, and the
    // command they all guard (never itself an R0IF, so nesting needs no recursion).
    std::vector<interp::ConditionShape> nestedConditions;
    std::unique_ptr<Instruction> inlineCommand;
    // The meaning of a command of the command library, bound when the line is decoded; nullptr
    // for the lines the executor runs itself.
    commands::Handler handler = nullptr;
    // What the handler is called with: views of this instruction's own operands, so they hold
    // only where the line was decoded (decodeInstruction with into), not in a copy.
    commands::Arguments arguments;
    // RXIF: the skips over its false branch; RXIE, RXEL: the skip to the end of the block.
    mutable RememberedSkip skip;
    // R004, R005: where the label leads, once found (kept by the executor for the whole run).
    mutable const JumpTarget* jumpTarget = nullptr;
};

// Reads a code line's operands by the form its opcode has.
Instruction decodeInstruction(std::string_view codeLine, interp::VariableTable& vars);
// The same into an instruction that held another line before: what that line left is replaced,
// and the room its operands took is used again, so that decoding line after line allocates little.
// The executor decodes only so, in place, where the instruction's arguments stay valid.
void decodeInstruction(std::string_view codeLine, interp::VariableTable& vars, Instruction& into);

}  // namespace runtime
