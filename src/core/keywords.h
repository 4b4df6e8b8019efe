// The command keywords, in the order of the command list (core/command_list.h).
#pragma once

#include "core/command_list.h"

// X(keyword, ...) for every keyword, in order; X takes the rest of the command's row too.
#define VELMISH_KEYWORDS(X) VELMISH_COMMANDS(X, X, X)

#include <cstddef>
#include <optional>
#include <string_view>

namespace interp {

enum class Keyword {
#define VELMISH_KEYWORD_ENUM(word, ...) word,
    VELMISH_KEYWORDS(VELMISH_KEYWORD_ENUM)
#undef VELMISH_KEYWORD_ENUM
};

inline constexpr size_t kKeywordCount = 0
#define VELMISH_KEYWORD_COUNT(...) +1
    VELMISH_KEYWORDS(VELMISH_KEYWORD_COUNT)
#undef VELMISH_KEYWORD_COUNT
    ;

// The keyword spelled exactly like this upper-case text, if any (second spellings included).
std::optional<Keyword> keywordNamed(std::string_view upperCaseText);

// The keyword's text ("ECHO").
std::string_view keywordText(Keyword keyword);

}  // namespace interp
