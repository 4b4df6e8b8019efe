// The choice between the terminal and windows.
#include "platform/posix/front_end.h"

#include "platform/desktop_module.h"

namespace platform {

namespace {

bool equalsIgnoringCase(const char* text, const char* word) {
    for (; *text && *word; ++text, ++word) {
        char c = *text >= 'A' && *text <= 'Z' ? static_cast<char>(*text - 'A' + 'a') : *text;
        if (c != *word) return false;
    }
    return !*text && !*word;
}

}  // namespace

FrontEnd chooseFrontEnd(const char* vlUi, bool displayNamed) {
    if (vlUi && equalsIgnoringCase(vlUi, "console")) return FrontEnd::console;
    if (vlUi && equalsIgnoringCase(vlUi, "desktop")) return FrontEnd::desktopRequired;
    return displayNamed ? FrontEnd::desktopIfPossible : FrontEnd::console;
}

std::vector<std::string> desktopModuleCandidates(const std::string& programDir, const std::string& installedDir) {
    std::vector<std::string> candidates;
    for (const std::string& dir : {programDir, installedDir}) {
        if (dir.empty()) continue;
        candidates.push_back(dir + (dir.back() == '/' ? "" : "/") + kDesktopModuleFile);
    }
    return candidates;
}

}  // namespace platform
