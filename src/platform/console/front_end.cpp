// The choice between the terminal and windows.
#include "platform/console/front_end.h"

#include <algorithm>

#include "platform/desktop_module.h"

namespace platform {

namespace {

constexpr const char* kPackagedModuleDir = "/usr/lib/velmish";

#ifdef VELMISH_MODULE_DIR
constexpr const char* kInstalledModuleDir = VELMISH_MODULE_DIR;
#else
constexpr const char* kInstalledModuleDir = "";
#endif

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

std::vector<std::string> moduleCandidates(const std::string& fileName, const std::string& programDir,
                                          const std::string& installedDir) {
    std::vector<std::string> candidates;
    auto add = [&candidates, &fileName](const std::string& dir) {
        if (dir.empty()) return;
        std::string path = dir + (dir.back() == '/' ? "" : "/") + fileName;
        if (std::find(candidates.begin(), candidates.end(), path) == candidates.end()) candidates.push_back(path);
    };
    add(programDir);
    if (!programDir.empty()) add(programDir + (programDir.back() == '/' ? "" : "/") + "../lib/velmish");
    add(installedDir);
    add(kPackagedModuleDir);
    return candidates;
}

const char* installedModuleDir() { return kInstalledModuleDir; }

std::vector<std::string> desktopModuleCandidates(const std::string& programDir, const std::string& installedDir) {
    return moduleCandidates(kDesktopModuleFile, programDir, installedDir);
}

}  // namespace platform
