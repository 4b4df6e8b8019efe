// Names on POSIX systems: wildcards in the last component, the parts of a path, and the search for
// matching names. Shared by the file system's parts.
#pragma once

#include <string>
#include <vector>

namespace platform {

bool hasWildcard(const std::string& text);

// A name split before its last component: "dir/a*.txt" is "dir/" and "a*.txt".
struct SplitName {
    std::string directory;  // with its final "/", or empty for the current directory
    std::string last;
};

SplitName splitName(const std::string& name);

// The names in the directory that match the mask, "." and ".." included, in byte order.
std::vector<std::string> matchingNames(const std::string& directory, const std::string& mask);

bool isDotEntry(const std::string& name);

// The last component of a path as written, ignoring trailing slashes.
std::string lastComponent(const std::string& path);

// The name without the slashes at its end; "/" stays as it is.
std::string withoutTrailingSlashes(const std::string& name);

// HIDDEN: a name that begins with ".", other than "." and "..".
bool isHiddenName(const std::string& path);

}  // namespace platform
