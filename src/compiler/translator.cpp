// Translation of commands, values and conditions into code lines.
#include "compiler/translator.h"

#include "compiler/compile_error.h"
#include "core/text.h"

namespace compiler {

using command_set::CommandKind;

namespace {

constexpr int kLineEnd = SourceCursor::kLineEnd;

bool isOneOf(int c, std::string_view characters) {
    return c != kLineEnd && characters.find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

Translator::Translator(interp::ScriptReader& reader, VariableNames& variables, LabelTables& labels)
    : cursor_(reader), variables_(variables), labels_(labels) {}

Translator::Status Translator::step(std::string& line) {
    std::string word = cursor_.readKeyword();
    if (word.empty()) return Status::stop;
    if (word == "%") return translateLabelLine(line);
    return translateKeyword(word, line);
}

Translator::Status Translator::translateLabelLine(std::string& line) {
    std::string name = cursor_.readRestOfLine();
    // The terminator byte would split the code line. A label line without a name stops the
    // interpreter with an error, so it must not compile into a program that runs on.
    if (name.find(kLineTerminator) != std::string::npos || interp::trimBlanks(name).empty()) fail(kParseError);
    line += opcodeText(Opcode::RLBL);
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
            line += opcodeText(row.opcode);
            translateOperands(row.form, line);
            break;
        case CommandKind::declare: translateDeclare(line); break;
        case CommandKind::jump: translateJump(row.opcode, line); break;
        case CommandKind::blockIf:  // handled by translateKeyword
        case CommandKind::elseIf: translateElseIf(line); break;
        case CommandKind::elseBranch:
            requireOpenBlock();
            line += opcodeText(Opcode::RXEL);
            break;
        case CommandKind::endIf:
            requireOpenBlock();
            --ifDepth_;
            line += opcodeText(Opcode::RXEI);
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
        line += opcodeText(Opcode::RXIF);
        line += test;
        ++ifDepth_;
        return std::nullopt;
    }
    line += opcodeText(Opcode::R0IF);
    line += test;
    return cursor_.readKeywordAfter(static_cast<char>(c));
}

void Translator::translateOperands(std::string_view form, std::string& line) {
    using command_set::StepKind;
    while (auto step = command_set::takeStep(form)) {
        switch (step->kind) {
            case StepKind::target: line += targetVariable(); break;
            case StepKind::value: line += value(false); break;
            case StepKind::lenientValue: line += value(true); break;
            case StepKind::condition: line += condition(); break;
            case StepKind::lineEnd: expectLineEnd(); break;
            case StepKind::restOfLine: skipRestOfLine(); break;
            case StepKind::separator: expectSeparator(step->separators); break;
            case StepKind::list: translateList(step->separators, false, line); break;
            case StepKind::operatorList: translateList(step->separators, true, line); break;
        }
    }
}

// DEC [a], [b], ...: one variable reference per name.
void Translator::translateDeclare(std::string& line) {
    line += opcodeText(Opcode::R000);
    for (;;) {
        line += targetVariable();
        int c = cursor_.readSeparator();
        if (c == kLineEnd) return;
        if (c != ',') fail(kParseError);
    }
}

void Translator::translateJump(Opcode opcode, std::string& line) {
    std::string label = cursor_.readRestOfLine();
    if (label.empty() || label.find(kLineTerminator) != std::string::npos) fail(kParseError);
    labels_.reference(label, cursor_.lineCounter());
    line += opcodeText(opcode);
    line += label;
}

void Translator::translateElseIf(std::string& line) {
    requireOpenBlock();
    line += opcodeText(Opcode::RXIE);
    line += condition();
}

// Values up to the line end, each further one after one of the separators.
void Translator::translateList(std::string_view separators, bool writeSeparator, std::string& line) {
    line += value(false);
    for (int c = cursor_.readSeparator(); c != kLineEnd; c = cursor_.readSeparator()) {
        if (!isOneOf(c, separators)) fail(kParseError);
        if (writeSeparator) line += static_cast<char>(c);
        line += value(false);
    }
}

void Translator::skipRestOfLine() { cursor_.readRestOfLine(); }

void Translator::requireOpenBlock() {
    if (ifDepth_ <= 0) fail(kUnbalancedBlock);
}

// A value: literals and variable references joined by "#"; in the lenient form also unquoted
// text, which takes the rest of the line and replaces whatever was gathered before it.
std::string Translator::value(bool lenient) {
    std::string result;
    for (;;) {
        int c = cursor_.readSeparator();
        if (c == kLineEnd || (!lenient && c != '\'' && c != '[')) fail(kParseError);
        if (c != '\'' && c != '[') return literal(static_cast<char>(c) + cursor_.readRestOfLine());
        if (!result.empty()) result += '#';
        result += c == '\'' ? literal(cursor_.readUntil('\'')) : variableReference(cursor_.readUntil(']'));
        int next = cursor_.readSeparator();
        if (next == '#') continue;
        if (next != kLineEnd) cursor_.unread();
        return result;
    }
}

// Comparisons joined by "|" or "&".
std::string Translator::condition() {
    std::string result = comparison();
    for (;;) {
        int c = cursor_.readSeparator();
        if (c != '|' && c != '&') {
            if (c != kLineEnd) cursor_.unread();
            return result;
        }
        result += static_cast<char>(c);
        result += comparison();
    }
}

std::string Translator::comparison() {
    std::string result = value(false);
    result += static_cast<char>(expectSeparator("=!<>"));
    result += value(false);
    return result;
}

std::string Translator::targetVariable() {
    expectSeparator("[");
    return variableReference(cursor_.readUntil(']'));
}

std::string Translator::variableReference(const std::string& name) {
    std::string reference(1, '[');
    reference += std::to_string(variables_.indexOf(name));
    reference += ']';
    return reference;
}

std::string Translator::literal(const std::string& text) {
    // The code format has no escapes: the terminator byte would split the code line, and a
    // single quote would end the literal early (only unquoted text can hold one).
    if (text.find(kLineTerminator) != std::string::npos || text.find('\'') != std::string::npos) {
        fail(kParseError);
    }
    return "'" + text + "'";
}

int Translator::expectSeparator(std::string_view separators) {
    int c = cursor_.readSeparator();
    if (!isOneOf(c, separators)) fail(kParseError);
    return c;
}

void Translator::expectLineEnd() {
    if (cursor_.readSeparator() != kLineEnd) fail(kParseError);
}

void Translator::fail(int number, const std::string& filling) const {
    throw CompileError{number, filling, cursor_.lineCounter()};
}

}  // namespace compiler
