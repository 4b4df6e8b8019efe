// Lookups over the keyword table.
#include "core/keywords.h"

#include <string>
#include <unordered_map>

namespace interp {

namespace {

constexpr std::string_view kTexts[] = {
#define VELMISH_KEYWORD_TEXT(word, ...) #word,
    VELMISH_KEYWORDS(VELMISH_KEYWORD_TEXT)
#undef VELMISH_KEYWORD_TEXT
};

// Keywords are matched exactly and never repeat in the list.
const std::unordered_map<std::string_view, Keyword>& keywordIndex() {
    static const std::unordered_map<std::string_view, Keyword> index = [] {
        std::unordered_map<std::string_view, Keyword> built;
        for (size_t i = 0; i < std::size(kTexts); ++i) built.emplace(kTexts[i], static_cast<Keyword>(i));
#define VELMISH_KEYWORD_SPELLING(spelling, word) built.emplace(#spelling, Keyword::word);
        VELMISH_KEYWORD_SPELLINGS(VELMISH_KEYWORD_SPELLING)
#undef VELMISH_KEYWORD_SPELLING
        return built;
    }();
    return index;
}

}  // namespace

std::optional<Keyword> keywordNamed(std::string_view upperCaseText) {
    const auto& index = keywordIndex();
    auto found = index.find(upperCaseText);
    if (found == index.end()) return std::nullopt;
    return found->second;
}

std::string_view keywordText(Keyword keyword) { return kTexts[static_cast<int>(keyword)]; }

}  // namespace interp
