// Reading code-line operands.
//
// The cursor convention of the code format: when an operand is read, the cursor stands one past
// its opening character; between two operands the cursor steps over the next one's opening
// character. A closing character that is missing takes the rest of the line.
#include "runtime/instruction.h"

#include "command_set/command_table.h"

namespace runtime {

using compiler::Opcode;
using interp::ValueShape;
using interp::VariableTable;

namespace {

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
    ValueShape readValue() {
        ValueShape shape;
        for (;;) {
            interp::ValuePart part;
            if (at(position_ - 1) == '[') {
                part.isVariable = true;
                part.variable = vars_.handle(textUpTo(']'));
            } else {
                part.literal = std::string(textUpTo('\''));
            }
            shape.push_back(std::move(part));
            if (current() != '#') return shape;
            step(2);
        }
    }

    // "[" index "]" of a target variable.
    VariableTable::Handle readTarget() { return vars_.handle(textUpTo(']')); }

    interp::ConditionShape readCondition() {
        interp::ConditionShape condition;
        for (;;) {
            interp::Comparison comparison;
            comparison.left = readValue();
            comparison.op = current();
            step(2);
            comparison.right = readValue();
            interp::prepareComparison(comparison);
            char connective = current();
            if (connective != '|' && connective != '&') {
                condition.push_back(std::move(comparison));
                return condition;
            }
            comparison.connective = connective;
            condition.push_back(std::move(comparison));
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

    std::string_view line_;
    size_t position_;
    VariableTable& vars_;
};

// A command's operands in code, in the order of its form: a target, values and a condition; the
// separators and line ends of the script are not kept.
void readForm(Instruction& instruction, OperandCursor& cursor, std::string_view form) {
    using command_set::StepKind;
    bool first = true;
    while (auto step = command_set::takeStep(form)) {
        if (step->kind != StepKind::target && step->kind != StepKind::value && step->kind != StepKind::lenientValue &&
            step->kind != StepKind::condition) {
            continue;
        }
        if (!first) cursor.step();
        first = false;
        switch (step->kind) {
            case StepKind::target: instruction.targets.push_back(cursor.readTarget()); break;
            case StepKind::condition: instruction.condition = cursor.readCondition(); break;
            default: instruction.values.push_back(cursor.readValue()); break;
        }
    }
}

}  // namespace

Instruction decodeInstruction(std::string_view codeLine, VariableTable& vars) {
    Instruction instruction;
    instruction.opcode = compiler::opcodeOf(codeLine);
    if (!instruction.opcode) return instruction;
    const Opcode opcode = *instruction.opcode;
    if (opcode == Opcode::RLBL || opcode == Opcode::R004 || opcode == Opcode::R005) {
        instruction.label = std::string(codeLine.substr(4));
        return instruction;
    }
    OperandCursor cursor(codeLine, 5, vars);
    switch (opcode) {
        case Opcode::R000:
            // [v] followed by further [v] while the next opening character is "[".
            for (;;) {
                instruction.targets.push_back(cursor.readTarget());
                if (cursor.current() != '[') break;
                cursor.step();
            }
            break;
        case Opcode::R0IF: {
            instruction.condition = cursor.readCondition();
            std::string_view rest = cursor.rest();
            while (compiler::opcodeOf(rest) == Opcode::R0IF) {
                OperandCursor nested(rest, 5, vars);
                instruction.nestedConditions.push_back(nested.readCondition());
                rest = nested.rest();
            }
            instruction.inlineCommand = std::make_unique<Instruction>(decodeInstruction(rest, vars));
            break;
        }
        case Opcode::RF00:
            instruction.targets.push_back(cursor.readTarget());
            cursor.step();
            instruction.values.push_back(cursor.readValue());
            while (cursor.insideLine()) {
                cursor.step();
                instruction.values.push_back(cursor.readValue());
            }
            break;
        case Opcode::RF01:
            instruction.targets.push_back(cursor.readTarget());
            cursor.step();
            instruction.values.push_back(cursor.readValue());
            while (cursor.insideLine()) {
                char op = cursor.current();
                cursor.step(2);
                instruction.operators += op;
                instruction.values.push_back(cursor.readValue());
            }
            break;
        case Opcode::RRLR:
            // The header: the language version the code was written for.
            readForm(instruction, cursor, "V");
            break;
        default:
            if (const command_set::CommandRow* row = command_set::commandRowOf(opcode)) {
                readForm(instruction, cursor, row->form);
            }
            break;
    }
    if (const command_set::CommandRow* row = command_set::commandRowOf(opcode)) {
        instruction.handler = commands::handlerOf(row->keyword);
    }
    return instruction;
}

}  // namespace runtime
