// Reading the keyword, command and system-variable tables into the generator's view of the language.
#include <algorithm>

#include "command_set/command_table.h"
#include "core/keywords.h"
#include "core/system_variables.h"
#include "editor_files.h"

namespace editor_files {

namespace {

using command_set::CommandKind;

// Characters the value and condition readers give a meaning of their own, beyond the separators
// the command forms name: "#" joins values; "=", "!", "<" and ">" compare; "&" and "|" join
// comparisons (interp/conditions.cpp); "+ - * / ~" calculate in CALCVAR and "+" joins in LINKVAR.
constexpr std::string_view kOperators = "#=!<>&|+-*/~";

WordKind kindOf(interp::Keyword keyword) {
    if (keyword == interp::Keyword::REM) return WordKind::comment;
    const command_set::CommandRow& row = command_set::commandRow(keyword);
    for (const command_set::FormStep& step : row.form) {
        if (step.kind == command_set::StepKind::condition) return WordKind::condition;
    }
    switch (row.kind) {
        case CommandKind::flow:
        case CommandKind::elseBranch:
        case CommandKind::endIf: return WordKind::control;
        case CommandKind::jump: return WordKind::jump;
        case CommandKind::declare: return WordKind::declaration;
        case CommandKind::debugger: return WordKind::debugger;
        case CommandKind::remark: return WordKind::ignored;
        default: return WordKind::command;
    }
}

// The separator characters of every command form that are not operators already.
std::string formSeparators() {
    std::string found;
    for (int i = 0; i <= static_cast<int>(interp::Keyword::REM); ++i) {
        for (const command_set::FormStep& step : command_set::commandRow(static_cast<interp::Keyword>(i)).form) {
            if (step.kind != command_set::StepKind::separator) continue;
            for (char mark : step.separators) {
                if (kOperators.find(mark) == std::string_view::npos && found.find(mark) == std::string::npos) {
                    found += mark;
                }
            }
        }
    }
    return found;
}

}  // namespace

Language readTables() {
    Language language;
#define VELMISH_ADD_WORD(word, ...) language.words.push_back({#word, kindOf(interp::Keyword::word)});
    VELMISH_KEYWORDS(VELMISH_ADD_WORD)
#undef VELMISH_ADD_WORD
#define VELMISH_ADD_SPELLING(spelling, word) language.words.push_back({#spelling, kindOf(interp::Keyword::word)});
    VELMISH_KEYWORD_SPELLINGS(VELMISH_ADD_SPELLING)
#undef VELMISH_ADD_SPELLING
#define VELMISH_ADD_VARIABLE(id, index, name) language.systemVariables.push_back(name);
    VELMISH_SYSTEM_VARIABLES(VELMISH_ADD_VARIABLE)
#undef VELMISH_ADD_VARIABLE
    language.systemVariables.emplace_back(interp::kUseOldFileFunctionsName);
    language.operators = kOperators;
    language.separators = formSeparators();
    return language;
}

std::vector<std::string> wordsOf(const Language& language, std::vector<WordKind> kinds) {
    std::vector<std::string> words;
    for (const Word& word : language.words) {
        if (std::ranges::find(kinds, word.kind) != kinds.end()) words.push_back(word.text);
    }
    std::ranges::stable_sort(words, [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return words;
}

}  // namespace editor_files
