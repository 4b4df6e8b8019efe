// The shell's copy, move and delete on POSIX systems: the nearest native meaning of the Windows
// shell operation (SHFileOperation), with wildcards in the source's last component.
//
// Symbolic links: a copy follows the link it is given, a move or delete takes the link itself,
// and links inside a copied directory are copied as links.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/posix/file_names.h"
#include "platform/posix/file_write.h"
#include "platform/posix/posix_file_system.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// The kind of file at the path, following a symbolic link or not; not_found when it is missing or
// cannot be looked at.
fs::file_status statusOf(const fs::path& path) {
    std::error_code ec;
    return fs::status(path, ec);
}
fs::file_status linkStatusOf(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec);
}

bool isPresent(const fs::path& path) { return fs::exists(linkStatusOf(path)); }
bool isDirectory(const fs::path& path) { return fs::is_directory(statusOf(path)); }
// A directory that is not reached through a symbolic link: copied and moved with its contents.
bool isRealDirectory(const fs::path& path) { return fs::is_directory(linkStatusOf(path)); }
bool isLink(const fs::path& path) { return fs::is_symlink(linkStatusOf(path)); }
bool isRegularFile(const fs::path& path) { return fs::is_regular_file(statusOf(path)); }

bool isSame(const fs::path& first, const fs::path& second) {
    std::error_code ec;
    return fs::equivalent(first, second, ec);
}

// True when inner lies in outer or is outer: copying or moving a directory there would never end.
bool liesWithin(const fs::path& inner, const fs::path& outer) {
    std::error_code ec;
    fs::path in = fs::weakly_canonical(inner, ec);
    if (ec) return false;
    fs::path out = fs::weakly_canonical(outer, ec);
    if (ec) return false;
    // A trailing "/" leaves an empty last element in outer, which matches nothing.
    auto outEnd = std::mismatch(out.begin(), out.end(), in.begin(), in.end()).first;
    return outEnd == out.end() || (std::next(outEnd) == out.end() && outEnd->empty());
}

// READONLY as GETFILEATT reports it (through a link); directories do not count.
bool isReadOnlyFile(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && isReadOnlyMode(info.st_mode);
}

// Which existing target files may be replaced: a copy replaces read-only ones as the Windows shell
// does, a move does not.
enum class Replace { anyFile, writableFile };

// Clears the way for a new target link: an existing file is removed first, so a read-only target
// can be replaced and a hard link to the target keeps its old content.
bool clearTarget(const fs::path& target, Replace replace) {
    if (!isPresent(target)) return true;
    if (replace == Replace::writableFile && isReadOnlyFile(target)) return false;
    std::error_code ec;
    return fs::remove(target, ec);
}

// A regular file's content (a symbolic link is followed) under the target name, with the source's
// permissions. Anything else (a pipe, a device, a link that leads nowhere) is not copied. The copy
// is written beside the target and replaces it only when complete, so a copy that fails (a full
// disk) leaves the target as it was; a hard link to the target keeps its old content, and a
// symbolic link at the target's name is replaced by the file.
bool copyOneFile(const fs::path& source, const fs::path& target, Replace replace) {
    if (!isRegularFile(source) || isSame(source, target)) return false;
    if (replace == Replace::writableFile && isReadOnlyFile(target)) return false;
    struct stat info {};
    Stream in(std::fopen(source.c_str(), "rbe"));
    if (!in || ::fstat(::fileno(in.get()), &info) != 0) return false;
    ReplacementRules rules{info.st_mode & 07777, false, true};
    std::unique_ptr<FileWrite> out = startReplacement(target.string(), rules);
    return out && copyStreamBytes(in.get(), out->stream()) && out->commit();
}

// The link itself, not what it leads to: inside a copied directory links stay links, so a link to
// a parent cannot make the copy endless and no copy reaches out of the tree.
bool copyLink(const fs::path& source, const fs::path& target, Replace replace) {
    if (!clearTarget(target, replace)) return false;
    std::error_code ec;
    fs::copy_symlink(source, target, ec);
    return !ec;
}

// A directory with its contents, merged into the target when that exists.
bool copyTree(const fs::path& source, const fs::path& target, Replace replace) {
    if (liesWithin(target, source)) return false;
    std::error_code ec;
    if (!isDirectory(target) && !fs::create_directory(target, ec)) return false;
    bool ok = true;
    fs::directory_iterator entry(source, ec);
    for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        const fs::path& from = entry->path();
        fs::path into = target / from.filename();
        std::error_code kindError;
        if (entry->is_symlink(kindError)) {
            ok = copyLink(from, into, replace) && ok;
        } else if (isRealDirectory(from)) {
            ok = copyTree(from, into, replace) && ok;
        } else {
            ok = copyOneFile(from, into, replace) && ok;
        }
    }
    return ok && !ec;
}

// Copies a file or directory to the exact target name; a source that is a symbolic link is
// followed. A file does not replace a directory, nor a directory a file.
bool copyEntry(const fs::path& source, const fs::path& target, Replace replace) {
    bool sourceIsDirectory = isDirectory(source);
    if (isPresent(target) && isDirectory(target) != sourceIsDirectory) return false;
    return sourceIsDirectory ? copyTree(source, target, replace) : copyOneFile(source, target, replace);
}

// Never "." or "..": removing those would take the directories they stand for.
bool removeEntry(const fs::path& path) {
    std::string name = lastComponent(path.string());
    if (name.empty() || isDotEntry(name)) return false;
    std::error_code ec;
    return fs::remove_all(path, ec) != static_cast<std::uintmax_t>(-1) && !ec;
}

// Moves by renaming where the system can (same file system, target free or a file); otherwise
// (a directory into an existing one, another file system) by copying and removing the source. A
// symbolic link is moved as the link, and a read-only file is never replaced.
bool moveEntry(const fs::path& source, const fs::path& target) {
    if (isSame(source, target) || liesWithin(target, source)) return false;
    bool sourceIsDirectory = isRealDirectory(source);
    bool targetExists = isPresent(target);
    if (targetExists && isDirectory(target) != sourceIsDirectory) return false;
    if (targetExists && !sourceIsDirectory && isReadOnlyFile(target)) return false;
    if (!(targetExists && sourceIsDirectory) && ::rename(source.c_str(), target.c_str()) == 0) return true;
    bool copied = isLink(source) ? copyLink(source, target, Replace::writableFile)
                                 : copyEntry(source, target, Replace::writableFile);
    return copied && removeEntry(source);
}

bool applyTo(ShellOperation operation, const fs::path& source, const fs::path& target) {
    switch (operation) {
        case ShellOperation::copy: return copyEntry(source, target, Replace::anyFile);
        case ShellOperation::move: return moveEntry(source, target);
        case ShellOperation::remove: return removeEntry(source);
    }
    return false;
}

// Missing directories up to and including the path; true when it is a directory afterwards.
bool makeDirectories(const fs::path& path) {
    if (path.empty()) return true;
    std::error_code ec;
    fs::create_directories(path, ec);
    return isDirectory(path);
}

// Every match of a wildcard source: removed, or copied or moved into the target directory.
bool operateOnMatches(ShellOperation operation, const std::string& source, const fs::path& target) {
    SplitName split = splitName(source);
    std::vector<std::string> names = matchingNames(split.directory, split.last);
    names.erase(std::remove_if(names.begin(), names.end(), isDotEntry), names.end());
    if (names.empty()) return false;
    if (operation != ShellOperation::remove && !makeDirectories(target)) return false;
    bool ok = true;
    for (const std::string& name : names) {
        fs::path from = fs::path(split.directory.empty() ? "." : split.directory) / name;
        ok = applyTo(operation, from, target / name) && ok;
    }
    return ok;
}

// One named source: into the target when that is an existing directory (or written as one,
// ending in "/"), else to the target name, creating its missing parent directories.
bool operateOnOne(ShellOperation operation, const fs::path& source, const std::string& target) {
    if (!isPresent(source)) return false;
    if (operation == ShellOperation::remove) return removeEntry(source);
    fs::path destination(target);
    bool intoDirectory = isDirectory(destination) || (!target.empty() && target.back() == '/');
    if (intoDirectory) {
        if (!makeDirectories(destination)) return false;
        destination /= fs::path(lastComponent(source.string()));
    } else if (!makeDirectories(destination.parent_path())) {
        return false;
    }
    return applyTo(operation, source, destination);
}

}  // namespace

bool PosixFileSystem::shellOperation(ShellOperation operation, const std::string& source, const std::string& target) {
    if (source.empty()) return false;
    if (operation != ShellOperation::remove && target.empty()) return false;
    if (hasWildcard(splitName(source).last)) return operateOnMatches(operation, source, fs::path(target));
    // "link/" would lead the system through the link: moving or deleting it must reach the link
    // itself, never the directory it leads to.
    return operateOnOne(operation, fs::path(withoutTrailingSlashes(source)), target);
}

}  // namespace platform
