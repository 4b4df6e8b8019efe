// The language as other editors see it: keywords grouped by how they read, and the files written from them.
#pragma once

#include <string>
#include <vector>

namespace editor_files {

// How a line that starts with the keyword reads, which decides how editors colour it.
enum class WordKind {
    control,      // IF, REPEAT, END ...: changes the order of execution
    jump,         // GOTO, GOSUB: the rest of the line is a label name
    condition,    // IF, ELSEIF, UNTIL: a condition, and after IF maybe a command on the same line
    command,      // a command with values
    declaration,  // DEC
    debugger,     // read by velint's debugger only
    ignored,      // accepted, and the rest of the line is ignored (TEXT, TITLE ...)
    comment,      // REM: the whole line is a comment
};

struct Word {
    std::string text;  // upper case, as in the keyword table
    WordKind kind;
};

// Everything the generated files say, taken from the keyword, command and system-variable tables.
struct Language {
    std::vector<Word> words;                   // dispatch order, then the second spellings
    std::vector<std::string> systemVariables;  // script names, exact case
    std::string operators;                     // characters coloured as operators
    std::string separators;                    // other characters that separate parameters
};

Language readTables();

// The words of the given kinds, longest first, so that no word is taken for the start of a longer one.
std::vector<std::string> wordsOf(const Language& language, std::vector<WordKind> kinds);

std::string textMateGrammar(const Language& language);
std::string gtkSourceViewLanguage(const Language& language);
std::string keywordList(const Language& language);

}  // namespace editor_files
