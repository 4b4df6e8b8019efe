// The forms that command parameters are written in: values, conditions and lists of values.
//
// Both programs read them with these functions: velint keeps what it reads as shapes to evaluate,
// velcomp writes it as code. The functions know the grammar; where the characters come from (the
// source) and what becomes of what was read (the builders) is the caller's, so a script that one
// program refuses the other refuses too.
//
// A source has:
//   int readSeparator();                    the next character after blanks; kLineEnd at the line end
//   void unread();                          the character readSeparator returned last is read again
//   std::string_view readUntil(int close);  the text up to close (consumed) or to the line end
//   [[noreturn]] void fail(FormError);      ends the reading with the program's own error
// A value builder has literal(text), variable(name) and unquoted(first, rest), which replaces
// whatever the value gathered before. A condition builder has left() and right(), which give a
// value builder for the sides of the next comparison, compare(op) and endComparison(connective),
// with connective "|", "&" or 0 after the last comparison.
#pragma once

#include <string_view>

#include "core/script_reader.h"

namespace interp {

enum class FormError {
    parseError,    // a character where the form has no place for it
    valueMissing,  // the line ends where a value belongs
};

enum class ValueForm {
    strict,   // literals and [variables] joined by "#"
    lenient,  // the same, or unquoted text up to the line end
};

namespace forms {

inline constexpr int kLineEnd = ScriptReader::kLineEnd;

inline bool isOneOf(int c, std::string_view characters) {
    return c != kLineEnd && characters.find(static_cast<char>(c)) != std::string_view::npos;
}

// One of the expected characters, with more to read after it: a line end there is an error too,
// so that the next line is never read as this command's parameters.
template <typename Source>
int expectInnerSeparator(Source& source, std::string_view expected) {
    int c = source.readSeparator();
    if (!isOneOf(c, expected)) source.fail(FormError::parseError);
    return c;
}

// The line must end here (blanks allowed).
template <typename Source>
void expectLineEnd(Source& source) {
    if (source.readSeparator() != kLineEnd) source.fail(FormError::parseError);
}

// "[" name "]": the name of a variable to store into.
template <typename Source>
std::string_view readTargetName(Source& source) {
    if (source.readSeparator() != '[') source.fail(FormError::parseError);
    return source.readUntil(']');
}

// Names of variables, each in "[" "]", separated by "," up to the line end; each(name) for each.
template <typename Source, typename Each>
void readNames(Source& source, Each&& each) {
    for (;;) {
        each(readTargetName(source));
        int c = source.readSeparator();
        if (c == kLineEnd) return;
        if (c != ',') source.fail(FormError::parseError);
    }
}

// A value: 'literals' and [variables] joined by "#"; in the lenient form also unquoted text, which
// runs to the line end.
template <typename Source, typename ValueBuilder>
void readValue(Source& source, ValueBuilder&& value, ValueForm form) {
    for (;;) {
        int c = source.readSeparator();
        if (c == '\'') {
            value.literal(source.readUntil('\''));
        } else if (c == '[') {
            value.variable(source.readUntil(']'));
        } else if (c == kLineEnd) {
            source.fail(FormError::valueMissing);
        } else if (form == ValueForm::strict) {
            source.fail(FormError::parseError);
        } else {
            value.unquoted(static_cast<char>(c), source.readUntil(kLineEnd));
            return;
        }
        if (source.readSeparator() != '#') {
            source.unread();
            return;
        }
    }
}

// Comparisons of two strict values ("=", "!", "<" or ">" between them) joined by "|" or "&", read
// left to right.
template <typename Source, typename ConditionBuilder>
void readCondition(Source& source, ConditionBuilder&& condition) {
    for (;;) {
        readValue(source, condition.left(), ValueForm::strict);
        condition.compare(static_cast<char>(expectInnerSeparator(source, "=!<>")));
        readValue(source, condition.right(), ValueForm::strict);
        int connective = source.readSeparator();
        if (connective != '|' && connective != '&') {
            source.unread();
            condition.endComparison(0);
            return;
        }
        condition.endComparison(static_cast<char>(connective));
    }
}

// Strict values up to the line end, each further one after one of the separators, which
// separator(c) hears of; value() gives the builder of each value.
template <typename Source, typename ListBuilder>
void readList(Source& source, ListBuilder&& list, std::string_view separators) {
    readValue(source, list.value(), ValueForm::strict);
    for (int c; (c = source.readSeparator()) != kLineEnd;) {
        if (!isOneOf(c, separators)) source.fail(FormError::parseError);
        list.separator(static_cast<char>(c));
        readValue(source, list.value(), ValueForm::strict);
    }
}

}  // namespace forms

}  // namespace interp
