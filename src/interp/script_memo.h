// What the interpreter remembers about the script text: how reads at a place ended, and where
// jumps landed.
//
// A read of the script (a keyword, a value, a variable name, a label search) depends only on
// the bytes and on where it starts, so its outcome can be replayed the next time execution
// passes the same place: loops then cost no re-reading, while every script sees exactly what
// reading byte by byte would give. Everything here belongs to one generation of the script
// text and is dropped when the text is reloaded.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/keywords.h"
#include "core/script_reader.h"
#include "core/value_shape.h"
#include "core/variable_table.h"
#include "interp/command_plan.h"

namespace interp {

struct KeywordRead {
    std::string_view word;               // as written ("%" for a label line), in the script's bytes
    const std::string* upper = nullptr;  // upper case, kept by the interpreter (Interpreter::internKeyword)
    std::optional<Keyword> keyword;      // the command it names, if any
};

template <class T>
struct Remembered {
    T result;
    ScriptReader::Advance advance;
};

// Where a label search or a RESUME scan ended.
struct JumpTarget {
    ScriptReader::Position position;
    std::vector<int> repeatLines;
};

struct ScriptMemo {
    unsigned generation = 0;                                       // the script text generation all of this belongs to
    std::unordered_map<size_t, Remembered<KeywordRead>> keywords;  // by ScriptReader::memoKey
    std::unordered_map<size_t, Remembered<ValueShape>> strictValues;
    std::unordered_map<size_t, Remembered<ValueShape>> lenientValues;
    std::unordered_map<size_t, Remembered<VariableTable::Handle>> names;
    std::unordered_map<size_t, Remembered<ConditionShape>> conditions;
    std::unordered_map<size_t, Remembered<bool>> skippedLines;  // rest of a line read and dropped
    std::unordered_map<size_t, CommandPlan> plans;              // by the memoKey where the command starts
    std::map<std::string, JumpTarget> labels;                   // label name -> after its first label line
    std::optional<JumpTarget> labelFrontier;                    // where the furthest label search stopped
    std::map<int, JumpTarget> returns;                          // RESUME target line -> after the scan
    const CommandPlan* previous = nullptr;                      // the plan of the command run last
};

// Replays the remembered read at the reader's place, or reads with read() and remembers it.
// setsTerminator tells from a result whether its read set the keyword terminator (nullptr: never).
// Where nothing can be remembered (text read for the first time, with no jump back yet) the result
// is handed on as read, without a copy.
template <class T, class Read>
T rememberedRead(ScriptReader& reader, std::unordered_map<size_t, Remembered<T>>& memo,
                 bool (*setsTerminator)(const T&), Read read) {
    auto key = reader.memoKey();
    if (!key) return read();
    auto found = memo.find(*key);
    if (found != memo.end()) {
        reader.replay(found->second.advance);
        return found->second.result;
    }
    ScriptReader::Position start = reader.position();
    T result = read();
    ScriptReader::Advance advance = reader.advanceSince(start, setsTerminator && setsTerminator(result));
    memo.emplace(*key, Remembered<T>{result, advance});
    return result;
}

}  // namespace interp
