// Separators and the value reader.
#include "interp/parameters.h"

#include <vector>

#include "core/text.h"

namespace interp {

ScriptError parseError(const Interpreter& in) { return ScriptError{kParseError, in.currentKeyword()}; }

int expectSeparator(Interpreter& in, std::string_view expected) {
    int c = in.reader.readSeparator();
    if (c == ScriptReader::kLineEnd || expected.find(static_cast<char>(c)) != std::string_view::npos) return c;
    throw parseError(in);
}

int expectInnerSeparator(Interpreter& in, std::string_view expected) {
    int c = expectSeparator(in, expected);
    if (c == ScriptReader::kLineEnd) throw parseError(in);
    return c;
}

int readSeparator(Interpreter& in) { return in.reader.readSeparator(); }

void expectLineEnd(Interpreter& in) { expectSeparator(in, {}); }

void ParameterSource::fail(FormError error) {
    if (error == FormError::valueMissing) throw ScriptError{kParameterExpected, in_.currentKeyword()};
    throw parseError(in_);
}

void ShapeBuilder::variable(std::string_view name) {
    ValuePart& part = shape_.emplace_back();
    part.isVariable = true;
    part.variable = vars_.handle(name);
}

void ShapeBuilder::unquoted(char first, std::string_view rest) {
    shape_.clear();
    std::string& text = shape_.emplace_back().literal;
    text.reserve(rest.size() + 1);
    text += first;
    text += rest;
}

void ConditionBuilder::endComparison(char connective) {
    Comparison& comparison = condition_.back();
    comparison.connective = connective;
    prepareComparison(comparison);
}

ValueShape readValueShape(Interpreter& in, ValueForm form) {
    ValueShape shape;
    ParameterSource source(in);
    forms::readValue(source, ShapeBuilder(in.vars, shape), form);
    return shape;
}

ValueShape readShape(Interpreter& in, ValueForm form) {
    auto& memo = form == ValueForm::strict ? in.memo.strictValues : in.memo.lenientValues;
    return rememberedRead<ValueShape>(in.reader, memo, nullptr, [&] { return readValueShape(in, form); });
}

VariableTable::Handle readVariableName(Interpreter& in) {
    return rememberedRead<VariableTable::Handle>(in.reader, in.memo.names, nullptr, [&] {
        // A line end where the "[" belongs is refused too, so the next line is never taken as a
        // name.
        if (in.reader.readSeparator() != '[') throw parseError(in);
        return in.vars.handle(in.reader.readUntilView(']'));
    });
}

void skipRestOfLine(Interpreter& in) {
    rememberedRead<bool>(in.reader, in.memo.skippedLines, nullptr, [&] {
        readRestOfLine(in);
        return true;
    });
}

const std::string* keywordNamedBy(Interpreter& in, std::string_view word, std::optional<Keyword>& keyword) {
    // Upper-cased in place on the stack; only a keyword longer than any command's needs the heap.
    char room[32];
    std::string longer;
    char* upper = room;
    if (word.size() > sizeof room) {
        longer.resize(word.size());
        upper = longer.data();
    }
    for (size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::string_view text(upper, word.size());
    keyword = keywordNamed(text);
    // The commands' own spellings are kept once for all; any other text is kept as met.
    static const std::vector<std::string> kKeywordTexts = [] {
        std::vector<std::string> texts;
        for (size_t i = 0; i < kKeywordCount; ++i) texts.emplace_back(keywordText(static_cast<Keyword>(i)));
        return texts;
    }();
    if (keyword && keywordText(*keyword) == text) return &kKeywordTexts[static_cast<size_t>(*keyword)];
    return in.internKeyword(std::string(text));
}

KeywordRead readKeyword(Interpreter& in) {
    // A label line's "%" leaves the keyword terminator as it was.
    auto setsTerminator = [](const KeywordRead& read) { return read.word != "%"; };
    return rememberedRead<KeywordRead>(in.reader, in.memo.keywords, +setsTerminator, [&] {
        KeywordRead read;
        read.word = in.reader.readKeywordView();
        read.upper = keywordNamedBy(in, read.word, read.keyword);
        return read;
    });
}

}  // namespace interp
