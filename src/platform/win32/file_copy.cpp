// The shell's copy on Windows, made file by file so that a full disk loses nothing. The shell's own
// copy writes every target in place: a disk that fills leaves the file it was writing cut short,
// and Wine's even reports success. Here each file is copied beside its target and moved over it
// only when complete. The rest is the shell's meaning: wildcards in the source's last name, missing
// target folders made, folders copied with their contents and merged into existing ones.
#include "platform/win32/file_copy.h"

#include <vector>

#include "platform/win32/file_write.h"

namespace platform {

namespace {

bool isFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
bool isFolder(const std::string& path) { return isFolder(GetFileAttributesA(path.c_str())); }
bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The folder part of a path, with its final separator; empty for a bare name.
std::string folderOf(const std::string& path) {
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || isSeparator(folder.back())) return folder + name;
    return folder + '\\' + name;
}

// The names a pattern matches (a folder's "*" lists its entries), without "." and "..".
std::vector<std::string> matchingNames(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Makes the folder and every missing folder above it; true when it is a folder afterwards.
bool makeFolders(const std::string& path) {
    for (size_t i = 1; i < path.size(); ++i) {
        // Failures are expected: most parents exist, and "C:" is no folder to make.
        if (isSeparator(path[i]) && !isSeparator(path[i - 1])) CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return isFolder(path);
}

// True when inner is outer or lies in it: copying a folder there would never end.
bool liesWithin(const std::string& inner, const std::string& outer) {
    std::string in = fullPath(inner);
    std::string out = fullPath(outer);
    while (!out.empty() && isSeparator(out.back())) out.pop_back();
    if (in.size() < out.size() ||
        CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, in.c_str(), static_cast<int>(out.size()), out.c_str(),
                       static_cast<int>(out.size())) != CSTR_EQUAL) {
        return false;
    }
    return in.size() == out.size() || isSeparator(in[out.size()]);
}

// One file, made beside the target and moved over it. CopyFileA brings the source's times and
// attributes along, as the shell's copy does.
bool copyOneFile(const std::string& source, const std::string& target) {
    if (isFolder(target)) return false;
    std::string temporary = fileBeside(target);
    if (temporary.empty()) return false;
    if (CopyFileA(source.c_str(), temporary.c_str(), FALSE) && putInPlace(temporary, target, Replacing::shellCopy)) {
        return true;
    }
    SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporary.c_str());
    return false;
}

bool copyEntry(const std::string& source, const std::string& target);

// A folder with its contents, merged into the target folder when that exists. Every entry is
// tried, so one that fails leaves the others copied; the result tells whether all succeeded.
bool copyFolder(const std::string& source, const std::string& target) {
    if (liesWithin(target, source) || (exists(target) && !isFolder(target))) return false;
    if (!makeFolders(target)) return false;
    bool ok = true;
    for (const std::string& name : matchingNames(joined(source, "*"))) {
        ok = copyEntry(joined(source, name), joined(target, name)) && ok;
    }
    return ok;
}

bool copyEntry(const std::string& source, const std::string& target) {
    return isFolder(source) ? copyFolder(source, target) : copyOneFile(source, target);
}

}  // namespace

bool copyLikeTheShell(const std::string& source, const std::string& target) {
    if (source.empty() || target.empty()) return false;
    std::string folder = folderOf(source);
    if (source.find_first_of("*?", folder.size()) != std::string::npos) {
        // The shell reports success for a pattern that matches nothing.
        std::vector<std::string> names = matchingNames(source);
        if (names.empty()) return true;
        if (!makeFolders(target)) return false;
        bool ok = true;
        for (const std::string& name : names) ok = copyEntry(folder + name, joined(target, name)) && ok;
        return ok;
    }
    if (!exists(source)) return false;
    // Into an existing folder, or one written as a folder ("out\"); else to the target name, in a
    // folder made when missing.
    if (isFolder(target) || isSeparator(target.back())) {
        std::string path = fullPath(source);
        while (!path.empty() && isSeparator(path.back())) path.pop_back();
        return makeFolders(target) && copyEntry(source, joined(target, path.substr(folderOf(path).size())));
    }
    std::string parent = folderOf(fullPath(target));
    return (parent.empty() || makeFolders(parent)) && copyEntry(source, target);
}

}  // namespace platform
