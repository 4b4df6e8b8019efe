// The naming rule of saved documents.
#include "ide/document.h"

#include <algorithm>
#include <cctype>

namespace ide {

std::string withScriptExtension(std::string_view chosenPath) {
    std::string_view tail = chosenPath.substr(chosenPath.size() - std::min<size_t>(3, chosenPath.size()));
    std::string lower(tail);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string name(chosenPath);
    if (lower != ".vl") name += ".vl";
    return name;
}

bool Document::isOwnFile(std::string_view path) const {
    if (unnamed()) return false;
#ifdef _WIN32
    auto lower = [](std::string_view text) {
        std::string result(text);
        std::transform(result.begin(), result.end(), result.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return result;
    };
    return lower(path) == lower(name);
#else
    return path == name;
#endif
}

}  // namespace ide
