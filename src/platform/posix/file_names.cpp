// Names on POSIX systems and the search for the names matching a pattern (FINDFILES).
//
// Wildcards ("*" any run of characters, "?" one character, everything else literal and case
// sensitive) are understood in the last component of a name only.
#include "platform/posix/file_names.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/posix/posix_file_system.h"
#include "platform/posix/wildcard.h"

namespace platform {

namespace {

class PosixFileSearch : public FileSearch {
  public:
    explicit PosixFileSearch(std::vector<std::string> names) : names_(std::move(names)) {}

    std::optional<std::string> next() override {
        if (next_ >= names_.size()) return std::nullopt;
        return names_[next_++];
    }

  private:
    std::vector<std::string> names_;  // every match, in name order
    size_t next_ = 0;                 // the one the next call gives
};

}  // namespace

bool hasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

SplitName splitName(const std::string& name) {
    size_t slash = name.rfind('/');
    if (slash == std::string::npos) return {std::string(), name};
    return {name.substr(0, slash + 1), name.substr(slash + 1)};
}

std::vector<std::string> matchingNames(const std::string& directory, const std::string& mask) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (matchesMask(mask.c_str(), entry->d_name)) names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool isDotEntry(const std::string& name) { return name == "." || name == ".."; }

std::string lastComponent(const std::string& path) {
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) return std::string();
    size_t start = path.rfind('/', end);
    start = (start == std::string::npos) ? 0 : start + 1;
    return path.substr(start, end - start + 1);
}

std::string withoutTrailingSlashes(const std::string& name) {
    size_t end = name.find_last_not_of('/');
    return end == std::string::npos ? name : name.substr(0, end + 1);
}

bool isHiddenName(const std::string& path) {
    std::string name = lastComponent(path);
    return !name.empty() && name[0] == '.' && !isDotEntry(name);
}

std::unique_ptr<FileSearch> PosixFileSystem::startSearch(const std::string& pattern, std::string& firstName) {
    SplitName split = splitName(pattern);
    std::vector<std::string> names = matchingNames(split.directory, split.last);
    if (names.empty()) return nullptr;
    auto search = std::make_unique<PosixFileSearch>(std::move(names));
    firstName = *search->next();
    return search;
}

std::string fullPath(const std::string& name) {
    if (name.empty() || name.front() == '/') return name;
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return name;
        buffer.resize(buffer.size() * 2);
    }
    std::string path(buffer.data());
    if (path.empty() || path.back() != '/') path += '/';
    return path + name;
}

}  // namespace platform
