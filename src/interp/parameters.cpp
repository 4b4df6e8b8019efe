// Separators and the value reader.
#include "interp/parameters.h"

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

ValueShape readValueShape(Interpreter& in, ValueForm form) {
    ValueShape shape;
    for (;;) {
        int c = in.reader.readSeparator();
        ValuePart part;
        if (c == '\'') {
            part.literal = in.reader.readUntil('\'');
        } else if (c == '[') {
            part.isVariable = true;
            part.variable = in.vars.handle(in.reader.readUntil(']'));
        } else if (c == ScriptReader::kLineEnd) {
            // A value position left empty at the end of the line.
            throw ScriptError{kParameterExpected, in.currentKeyword()};
        } else if (form == ValueForm::strict) {
            throw parseError(in);
        } else {
            // Unquoted text runs to the line end and replaces anything gathered before it.
            part.literal = static_cast<char>(c) + in.reader.readUntil(ScriptReader::kLineEnd);
            return ValueShape{std::move(part)};
        }
        shape.push_back(std::move(part));
        if (in.reader.readSeparator() != '#') {
            in.reader.pushBack();
            return shape;
        }
    }
}

ValueShape readShape(Interpreter& in, ValueForm form) {
    auto& memo = form == ValueForm::strict ? in.memo.strictValues : in.memo.lenientValues;
    std::optional<ValueShape> scratch;
    return rememberedRead<ValueShape>(in.reader, memo, nullptr, scratch, [&] { return readValueShape(in, form); });
}

VariableTable::Handle readVariableName(Interpreter& in) {
    std::optional<VariableTable::Handle> scratch;
    return rememberedRead<VariableTable::Handle>(in.reader, in.memo.names, nullptr, scratch, [&] {
        // A line end where the "[" belongs is refused too, so the next line is never taken as a
        // name.
        if (in.reader.readSeparator() != '[') throw parseError(in);
        return in.vars.handle(in.reader.readUntil(']'));
    });
}

void skipRestOfLine(Interpreter& in) {
    std::optional<bool> scratch;
    rememberedRead<bool>(in.reader, in.memo.skippedLines, nullptr, scratch, [&] {
        readRestOfLine(in);
        return true;
    });
}

KeywordRead readKeyword(Interpreter& in) {
    std::optional<KeywordRead> scratch;
    // A label line's "%" leaves the keyword terminator as it was.
    auto setsTerminator = [](const KeywordRead& read) { return read.word != "%"; };
    return rememberedRead<KeywordRead>(in.reader, in.memo.keywords, +setsTerminator, scratch, [&] {
        KeywordRead read;
        read.word = in.reader.readKeyword();
        read.upper = read.word == "%" ? read.word : upperCase(read.word);
        read.keyword = keywordNamed(read.upper);
        return read;
    });
}

}  // namespace interp
