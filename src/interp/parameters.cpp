// Separators and the value reader.
#include "interp/parameters.h"

namespace interp {

ScriptError parseError(const Interpreter& in) { return ScriptError{kParseError, in.currentKeyword}; }

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

std::string readValue(Interpreter& in, ValueForm form) {
    std::string result;
    for (;;) {
        int c = in.reader.readSeparator();
        if (c == '\'') {
            result += in.reader.readUntil('\'');
        } else if (c == '[') {
            in.vars.appendValue(in.reader.readUntil(']'), result);
        } else if (c == ScriptReader::kLineEnd) {
            // A value position left empty at the end of the line.
            throw ScriptError{kParameterExpected, in.currentKeyword};
        } else if (form == ValueForm::strict) {
            throw parseError(in);
        } else {
            // Unquoted text runs to the line end and replaces anything gathered before it.
            return static_cast<char>(c) + in.reader.readUntil(ScriptReader::kLineEnd);
        }
        if (in.reader.readSeparator() != '#') {
            in.reader.pushBack();
            return result;
        }
    }
}

std::string readVariableName(Interpreter& in) {
    // A line end where the "[" belongs is refused too, so the next line is never taken as a name.
    if (in.reader.readSeparator() != '[') throw parseError(in);
    return in.reader.readUntil(']');
}

}  // namespace interp
