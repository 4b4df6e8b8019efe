// Translation of commands, values and conditions into code lines.
#include "compiler/translator.h"

#include "command_set/read_form.h"
#include "compiler/compile_error.h"
#include "core/script_forms.h"
#include "core/text.h"

namespace compiler {

using command_set::CommandKind;

namespace forms = interp::forms;

constexpr int kLineEnd = SourceCursor::kLineEnd;

// The script as the source of the forms of core/script_forms.h; every error is a parse error.
class Translator::Source {
  public:
    explicit Source(Translator& translator) : translator_(translator) {}
    int readSeparator() { return translator_.cursor_.readSeparator(); }
    void unread() { translator_.cursor_.unread(); }
    std::string_view readUntil(int closing) { return translator_.cursor_.readUntil(closing); }
    [[noreturn]] void fail(interp::FormError) { translator_.fail(kParseError); }

  private:
    Translator& translator_;
};

// Writes a value as code: literals and variable references joined by "#".
class Translator::ValueWriter {
  public:
    ValueWriter(Translator& translator, std::string& code)
        : translator_(translator), code_(code), start_(code.size()) {}
    void literal(std::string_view text) {
        join();
        translator_.writeLiteral(text, code_);
    }
    void variable(std::string_view name) {
        join();
        translator_.writeVariableReference(name, code_);
    }
    // Unquoted text replaces what the value gathered before it.
    void unquoted(char first, std::string_view rest) {
        code_.resize(start_);
        std::string text(1, first);
        text += rest;
        translator_.writeLiteral(text, code_);
    }

  private:
    void join() {
        if (code_.size() > start_) code_ += '#';
    }

    Translator& translator_;
    std::string& code_;
    size_t start_;
};

// Writes a condition as code: each comparison's sides with the operator between them, and the
// connective after it.
class Translator::ConditionWriter {
  public:
    ConditionWriter(Translator& translator, std::string& code) : translator_(translator), code_(code) {}
    ValueWriter left() { return ValueWriter(translator_, code_); }
    ValueWriter right() { return ValueWriter(translator_, code_); }
    void compare(char op) { code_ += op; }
    void endComparison(char connective) {
        if (connective) code_ += connective;
    }

  private:
    Translator& translator_;
    std::string& code_;
};

// Writes a command's operands as code, in the order of its form: separators and line ends are
// not kept, the operators of an operator list are.
class Translator::FormWriter {
  public:
    FormWriter(Translator& translator, std::string& code) : translator_(translator), code_(code) {}
    void target(std::string_view name) { translator_.writeVariableReference(name, code_); }
    ValueWriter value() { return ValueWriter(translator_, code_); }
    ConditionWriter condition() { return ConditionWriter(translator_, code_); }

    class ListWriter {
      public:
        ListWriter(FormWriter& form, bool keepsOperators) : form_(form), keepsOperators_(keepsOperators) {}
        ValueWriter value() { return form_.value(); }
        void separator(char c) {
            if (keepsOperators_) form_.code_ += c;
        }

      private:
        FormWriter& form_;
        bool keepsOperators_;
    };
    ListWriter list(bool keepsOperators) { return ListWriter(*this, keepsOperators); }

  private:
    Translator& translator_;
    std::string& code_;
};

Translator::Translator(interp::ScriptReader& reader, VariableNames& variables, LabelTables& labels)
    : cursor_(reader), variables_(variables), labels_(labels) {}

Translator::Status Translator::step(std::string& line) {
    std::string word = cursor_.readKeyword();
    if (word.empty()) return Status::stop;
    if (word == "%") return translateLabelLine(line);
    return translateKeyword(word, line);
}

Translator::Status Translator::translateLabelLine(std::string& line) {
    std::string name(cursor_.readRestOfLine());
    // The terminator byte would split the code line. A label line without a name stops the
    // interpreter with an error, so it must not compile into a program that runs on.
    if (name.find(code::kLineTerminator) != std::string::npos || interp::trimBlanks(name).empty()) fail(kParseError);
    line += code::opcodeText(code::Opcode::RLBL);
    line += name;
    if (!labels_.define(name)) fail(kDoubleLabel, name);
    return Status::written;
}

Translator::Status Translator::translateKeyword(std::string word, std::string& line) {
    // One-line IFs continue with the command after their condition in this loop rather than by
    // recursion, so a line of many nested IFs needs no deeper stack.
    for (;;) {
        keyword_ = interp::upperCase(word);
        std::optional<interp::Keyword> keyword = interp::keywordNamed(keyword_);
        if (!keyword) return Status::unknownKeyword;
        const command_set::CommandRow& row = command_set::commandRow(*keyword);
        if (row.kind == CommandKind::blockIf) {
            std::optional<std::string> inlineKeyword = translateIf(line);
            if (!inlineKeyword) return Status::written;
            if (inlineKeyword->empty()) return Status::stop;
            word = std::move(*inlineKeyword);
            continue;
        }
        translateCommand(row, line);
        return Status::written;
    }
}

void Translator::translateCommand(const command_set::CommandRow& row, std::string& line) {
    // The debugger's commands and the remarks: the rest of the line is read, no code written.
    if (row.whenCompiled == command_set::WhenCompiled::noCode) {
        skipRestOfLine();
        return;
    }
    switch (row.kind) {
        case CommandKind::plain:
        case CommandKind::flow:
        case CommandKind::debugger:
            line += code::opcodeText(row.opcode);
            translateOperands(row.form, line);
            break;
        case CommandKind::declare: translateDeclare(line); break;
        case CommandKind::jump: translateJump(row.opcode, line); break;
        case CommandKind::blockIf:  // handled by translateKeyword
        case CommandKind::elseIf: translateElseIf(line); break;
        case CommandKind::elseBranch:
            requireOpenBlock();
            line += code::opcodeText(code::Opcode::RXEL);
            break;
        case CommandKind::endIf:
            requireOpenBlock();
            --ifDepth_;
            line += code::opcodeText(code::Opcode::RXEI);
            break;
        case CommandKind::remark: break;  // written no code, above
    }
}

// IF condition, then either the line end (a block IF) or a command on the same line, whose code
// follows the condition in the same code line: returns that command's keyword.
std::optional<std::string> Translator::translateIf(std::string& line) {
    std::string test = condition();
    int c = cursor_.readSeparator();
    if (c == kLineEnd) {
        line += code::opcodeText(code::Opcode::RXIF);
        line += test;
        ++ifDepth_;
        return std::nullopt;
    }
    line += code::opcodeText(code::Opcode::R0IF);
    line += test;
    return cursor_.readKeywordAfter(static_cast<char>(c));
}

void Translator::translateOperands(const command_set::Form& form, std::string& line) {
    Source source(*this);
    FormWriter writer(*this, line);
    command_set::readForm(source, form, writer);
}

// DEC [a], [b], ...: one variable reference per name.
void Translator::translateDeclare(std::string& line) {
    line += code::opcodeText(code::Opcode::R000);
    Source source(*this);
    forms::readNames(source, [&](std::string_view name) { writeVariableReference(name, line); });
}

void Translator::translateJump(code::Opcode opcode, std::string& line) {
    std::string label(cursor_.readRestOfLine());
    if (label.empty() || label.find(code::kLineTerminator) != std::string::npos) fail(kParseError);
    labels_.reference(label, cursor_.lineCounter());
    line += code::opcodeText(opcode);
    line += label;
}

void Translator::translateElseIf(std::string& line) {
    requireOpenBlock();
    line += code::opcodeText(code::Opcode::RXIE);
    line += condition();
}

void Translator::skipRestOfLine() { cursor_.readRestOfLine(); }

void Translator::requireOpenBlock() {
    if (ifDepth_ <= 0) fail(kUnbalancedBlock);
}

std::string Translator::condition() {
    std::string code;
    Source source(*this);
    forms::readCondition(source, ConditionWriter(*this, code));
    return code;
}

void Translator::writeVariableReference(std::string_view name, std::string& code) {
    code += '[';
    code += std::to_string(variables_.indexOf(std::string(name)));
    code += ']';
}

void Translator::writeLiteral(std::string_view text, std::string& code) {
    // The code format has no escapes: the terminator byte would split the code line, and a
    // single quote would end the literal early (only unquoted text can hold one).
    if (text.find(code::kLineTerminator) != std::string_view::npos || text.find('\'') != std::string_view::npos) {
        fail(kParseError);
    }
    code += '\'';
    code += text;
    code += '\'';
}

void Translator::fail(int number, const std::string& filling) const {
    throw CompileError{number, filling, cursor_.lineCounter()};
}

}  // namespace compiler
