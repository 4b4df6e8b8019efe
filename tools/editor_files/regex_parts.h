// Regular expression pieces that the TextMate grammar and the GtkSourceView file share.
#pragma once

#include <string>
#include <vector>

#include "editor_files.h"

namespace editor_files {

// Where a command word may stand: first on its line (blanks and tabs before it are skipped), or
// after the blank that ends the condition of a one-line IF.
inline const std::string kLineStart = "^[ \\t]*";
inline const std::string kAfterBlank = "(?<= )";

// "A|B|C".
std::string alternation(const std::vector<std::string>& words);

// The words of the kinds as one captured group, in any letter case, ended as the keyword reader
// ends a word: by a blank or the line end (a tab does not end it).
std::string wordGroup(const Language& language, std::vector<WordKind> kinds);

// A bracket expression matching any one of the characters.
std::string characterClass(const std::string& characters);

}  // namespace editor_files
