// Reading code-line operands.
//
// The cursor convention of the code format: when an operand is read, the cursor stands one past
// its opening character; between two operands the cursor steps over the next one's opening
// character. A closing character that is missing takes the rest of the line.
#include "runtime/instruction.h"

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

// The operand forms after the opcode, as letters: t a target [v], v a value, c a condition.
const char* operandForm(Opcode opcode) {
    switch (opcode) {
        case Opcode::RRLR: return "v";
        case Opcode::R001: return "tv";
        case Opcode::RXIF:
        case Opcode::RXIE:
        case Opcode::RUNT: return "c";
        case Opcode::R007: return "vvv";
        case Opcode::R008:
        case Opcode::R032:
        case Opcode::RF08: return "tvvv";
        case Opcode::R010:
        case Opcode::R018:
        case Opcode::R025:
        case Opcode::R026:
        case Opcode::R030:
        case Opcode::R033:
        case Opcode::R038:
        case Opcode::R040: return "vv";
        case Opcode::R011:
        case Opcode::R012:
        case Opcode::R013:
        case Opcode::R014:
        case Opcode::R016:
        case Opcode::R017:
        case Opcode::R019:
        case Opcode::R020:
        case Opcode::R021:
        case Opcode::R027:
        case Opcode::R028:
        case Opcode::R029:
        case Opcode::R036: return "v";
        case Opcode::R015:
        case Opcode::R034:
        case Opcode::R035:
        case Opcode::RF03:
        case Opcode::RF04:
        case Opcode::RF05:
        case Opcode::RF06:
        case Opcode::RF07: return "tv";
        case Opcode::R022:
        case Opcode::R023:
        case Opcode::R024:
        case Opcode::R031:
        case Opcode::R037:
        case Opcode::R039:
        case Opcode::RF02: return "tvv";
        default: return "";
    }
}

void readForm(Instruction& instruction, OperandCursor& cursor, const char* form) {
    for (const char* kind = form; *kind; ++kind) {
        if (kind != form) cursor.step();
        switch (*kind) {
            case 't': instruction.targets.push_back(cursor.readTarget()); break;
            case 'v': instruction.values.push_back(cursor.readValue()); break;
            case 'c': instruction.condition = cursor.readCondition(); break;
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
        default: readForm(instruction, cursor, operandForm(opcode)); break;
    }
    return instruction;
}

}  // namespace runtime
