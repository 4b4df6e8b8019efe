// Reading code-line operands.
//
// The cursor convention of the code format: when an operand is read, the cursor stands one past
// its opening character; between two operands the cursor steps over the next one's opening
// character. A closing character that is missing takes the rest of the line.
#include "runtime/instruction.h"

#include "command_set/command_table.h"

namespace runtime {

using code::Opcode;
using command_set::CommandKind;
using interp::ValueShape;
using interp::VariableTable;

namespace {

// Appends an element to items, reusing one that an earlier line left there, with its room.
template <typename T>
T& nextOf(std::vector<T>& items, size_t& used) {
    if (used == items.size()) items.emplace_back();
    return items[used++];
}

class OperandCursor {
  public:
    OperandCursor(std::string_view line, size_t position, VariableTable& vars)
        : line_(line), position_(position), vars_(vars) {}

    char at(size_t index) const { return index < line_.size() ? line_[index] : '\0'; }
    char current() const { return at(position_); }
    bool insideLine() const { return position_ < line_.size(); }
    void step(size_t count = 1) { position_ += count; }
    std::string_view rest() const { return position_ < line_.size() ? line_.substr(position_) : std::string_view(); }

    // A value: literals and variable references joined by "#".
    void readValue(ValueShape& shape) {
        shape.clear();
        for (;;) {
            interp::ValuePart& part = shape.emplace_back();
            if (at(position_ - 1) == '[') {
                part.isVariable = true;
                part.variable = variable(textUpTo(']'));
            } else {
                part.literal.assign(textUpTo('\''));
            }
            if (current() != '#') return;
            step(2);
        }
    }

    // "[" index "]" of a target variable.
    VariableTable::Handle readTarget() { return variable(textUpTo(']')); }

    void readCondition(interp::ConditionShape& condition) {
        size_t used = 0;
        for (;;) {
            interp::Comparison& comparison = nextOf(condition, used);
            readValue(comparison.left);
            comparison.op = current();
            step(2);
            readValue(comparison.right);
            interp::prepareComparison(comparison);
            char connective = current();
            if (connective != '|' && connective != '&') {
                comparison.connective = 0;
                condition.resize(used);
                return;
            }
            comparison.connective = connective;
            step(2);
        }
    }

  private:
    // The text from the cursor to the closing character; the cursor moves past it.
    std::string_view textUpTo(char closing) {
        size_t start = position_ < line_.size() ? position_ : line_.size();
        size_t end = line_.find(closing, start);
        if (end == std::string_view::npos) end = line_.size();
        position_ = end + 1;
        return line_.substr(start, end - start);
    }

    VariableTable::Handle variable(std::string_view index) { return vars_.handleOfIndex(index); }

    std::string_view line_;
    size_t position_;
    VariableTable& vars_;
};

// A command's operands in code, in the order of its form: a target, values and a condition; the
// separators and line ends of the script are not kept, the operators of an operator list are.
void readForm(Instruction& instruction, OperandCursor& cursor, const command_set::Form& form, size_t& values,
              bool& conditionRead) {
    using command_set::StepKind;
    bool first = true;
    for (const command_set::FormStep& step : form) {
        if (step.kind == StepKind::lineEnd || step.kind == StepKind::restOfLine || step.kind == StepKind::separator) {
            continue;
        }
        if (!first) cursor.step();
        first = false;
        switch (step.kind) {
            case StepKind::target: instruction.targets.push_back(cursor.readTarget()); break;
            case StepKind::condition:
                cursor.readCondition(instruction.condition);
                conditionRead = true;
                break;
            case StepKind::list:
            case StepKind::operatorList:
                // Values up to the line end, each further one after its opening character, or
                // after its operator and its opening character.
                cursor.readValue(nextOf(instruction.values, values));
                while (cursor.insideLine()) {
                    if (step.kind == StepKind::operatorList) {
                        instruction.operators += cursor.current();
                        cursor.step();
                    }
                    cursor.step();
                    cursor.readValue(nextOf(instruction.values, values));
                }
                break;
            default: cursor.readValue(nextOf(instruction.values, values)); break;
        }
    }
}

// The header's operand: the language version the code was written for.
constexpr command_set::Form kHeaderForm("V");

// Empties what the line before left in the instruction; its vectors keep their room.
void clearForReuse(Instruction& instruction) {
    instruction.opcode.reset();
    instruction.label.clear();
    instruction.targets.clear();
    instruction.operators.clear();
    instruction.nestedConditions.clear();
    instruction.inlineCommand.reset();
    instruction.handler = nullptr;
    instruction.arguments = commands::Arguments{};
    instruction.skip = RememberedSkip{};
    instruction.jumpTarget = nullptr;
}

}  // namespace

Instruction decodeInstruction(std::string_view codeLine, VariableTable& vars) {
    Instruction instruction;
    decodeInstruction(codeLine, vars, instruction);
    return instruction;
}

void decodeInstruction(std::string_view codeLine, VariableTable& vars, Instruction& instruction) {
    clearForReuse(instruction);
    // The values and the condition are read into what the line before left, and what is left
    // over is dropped at the end.
    size_t values = 0;
    bool conditionRead = false;
    instruction.opcode = code::opcodeOf(codeLine);
    const command_set::CommandRow* row = instruction.opcode ? command_set::commandRowOf(*instruction.opcode) : nullptr;
    if (!instruction.opcode || *instruction.opcode == Opcode::RLBL || (row && row->kind == CommandKind::jump)) {
        // A label line or a jump: the rest of the line is the label.
        if (instruction.opcode) instruction.label.assign(codeLine.substr(4));
        instruction.values.clear();
        instruction.condition.clear();
        return;
    }
    OperandCursor cursor(codeLine, 5, vars);
    if (!row) {
        // The code's own lines.
        if (*instruction.opcode == Opcode::RRLR) readForm(instruction, cursor, kHeaderForm, values, conditionRead);
        if (*instruction.opcode == Opcode::R0IF) {
            cursor.readCondition(instruction.condition);
            conditionRead = true;
            std::string_view rest = cursor.rest();
            while (code::opcodeOf(rest) == Opcode::R0IF) {
                OperandCursor nested(rest, 5, vars);
                nested.readCondition(instruction.nestedConditions.emplace_back());
                rest = nested.rest();
            }
            instruction.inlineCommand = std::make_unique<Instruction>();
            decodeInstruction(rest, vars, *instruction.inlineCommand);
        }
    } else if (row->kind == CommandKind::declare) {
        // [v] followed by further [v] while the next opening character is "[".
        for (;;) {
            instruction.targets.push_back(cursor.readTarget());
            if (cursor.current() != '[') break;
            cursor.step();
        }
    } else {
        readForm(instruction, cursor, row->form, values, conditionRead);
    }
    instruction.values.resize(values);
    if (!conditionRead) instruction.condition.clear();
    if (row) instruction.handler = commands::handlerOf(row->keyword);
    // The arguments refer to the operands where they lie, in this very instruction. A compiled
    // program always copies and renames with the shell's file operation.
    commands::Arguments& arguments = instruction.arguments;
    arguments.target = instruction.targets.empty() ? commands::Target{} : instruction.targets[0];
    arguments.values = instruction.values;
    arguments.operators = instruction.operators;
    arguments.fileFunctions = commands::FileFunctions::shell;
}

}  // namespace runtime
