// The file system on POSIX systems: the nearest native meaning of the Windows shell operation,
// attributes and name search.
//
// Wildcards ("*" any run of characters, "?" one character, everything else literal and case
// sensitive) are understood in the last component of a name only. Attributes come from the
// mode bits and the name: READONLY is "no write permission for anyone", HIDDEN a name that
// begins with ".", DIRECTORY a directory, NORMAL a writable regular file that is not hidden.
// Symbolic links: a copy follows the link it is given, a move or delete takes the link itself,
// and links inside a copied directory are copied as links.
#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/posix/file_write.h"
#include "platform/posix/wildcard.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// ---- names and wildcards ----

bool hasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

// A name split before its last component: "dir/a*.txt" is "dir/" and "a*.txt".
struct SplitName {
    std::string directory;  // with its final "/", or empty for the current directory
    std::string last;
};

SplitName splitName(const std::string& name) {
    size_t slash = name.rfind('/');
    if (slash == std::string::npos) return {std::string(), name};
    return {name.substr(0, slash + 1), name.substr(slash + 1)};
}

// The names in the directory that match the mask, "." and ".." included, in byte order.
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

// The last component of a path as written, ignoring trailing slashes.
std::string lastComponent(const std::string& path) {
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) return std::string();
    size_t start = path.rfind('/', end);
    start = (start == std::string::npos) ? 0 : start + 1;
    return path.substr(start, end - start + 1);
}

// The name without the slashes at its end; "/" stays as it is.
std::string withoutTrailingSlashes(const std::string& name) {
    size_t end = name.find_last_not_of('/');
    return end == std::string::npos ? name : name.substr(0, end + 1);
}

bool isHiddenName(const std::string& path) {
    std::string name = lastComponent(path);
    return !name.empty() && name[0] == '.' && !isDotEntry(name);
}

// ---- the shell operation ----

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

// ---- streams ----

// The open flags of fopen's first mode letter; -1 for any other letter. "w" empties the file only
// after the checks of readyForStream, so a file that is refused stays as it was.
int openFlags(char kind) {
    switch (kind) {
        case 'r': return O_RDONLY;
        case 'w': return O_WRONLY | O_CREAT;
        case 'a': return O_WRONLY | O_CREAT | O_APPEND;
        default: return -1;
    }
}

// Whether the file just opened may serve the stream: only a regular file is read, a read-only
// one is never written. For "w" it then empties a regular file. regular tells which it is: only a
// pipe or a device needs O_NONBLOCK taken off, a regular file ignores it.
bool readyForStream(int fd, char kind, bool& regular) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    regular = S_ISREG(info.st_mode);
    if (kind == 'r') return S_ISREG(info.st_mode);
    if (!S_ISREG(info.st_mode)) return true;
    return !isReadOnlyMode(info.st_mode) && (kind != 'w' || ::ftruncate(fd, 0) == 0);
}

// The stamp of the file whose status this is.
FileStamp stampOf(const struct stat& info) {
    FileStamp stamp;
    stamp.identity =
        (static_cast<unsigned long long>(info.st_dev) << 40) ^ static_cast<unsigned long long>(info.st_ino);
    stamp.size = static_cast<long long>(info.st_size);
    stamp.modified = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    stamp.changed = static_cast<long long>(info.st_ctim.tv_sec) * 1000000000LL + info.st_ctim.tv_nsec;
    stamp.directory = S_ISDIR(info.st_mode);
    return stamp;
}

// ---- the search ----

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

class PosixFileSystem final : public FileSystem {
  public:
    bool shellOperation(ShellOperation operation, const std::string& source, const std::string& target) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    Stream openStream(const std::string& name, const char* mode) override;
    std::unique_ptr<FileWrite> startWrite(const std::string& name, FileWriteMode mode) override;
    std::optional<FileStamp> streamStamp(std::FILE* stream) override;
    std::optional<FileStamp> readableStamp(const std::string& name) override;
    bool appendText(const std::string& name, std::string_view bytes) override { return appendPosixText(name, bytes); }
    bool sameFile(const std::string& first, const std::string& second) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool changeDirectory(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    std::unique_ptr<FileSearch> startSearch(const std::string& pattern, std::string& firstName) override;
};

}  // namespace

std::unique_ptr<FileSystem> createNativeFileSystem() { return std::make_unique<PosixFileSystem>(); }

bool PosixFileSystem::shellOperation(ShellOperation operation, const std::string& source, const std::string& target) {
    if (source.empty()) return false;
    if (operation != ShellOperation::remove && target.empty()) return false;
    if (hasWildcard(splitName(source).last)) return operateOnMatches(operation, source, fs::path(target));
    // "link/" would lead the system through the link: moving or deleting it must reach the link
    // itself, never the directory it leads to.
    return operateOnOne(operation, fs::path(withoutTrailingSlashes(source)), target);
}

std::optional<std::uint32_t> PosixFileSystem::attributes(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    std::uint32_t bits = 0;
    if (isReadOnlyMode(info.st_mode)) bits |= attribute::kReadOnly;
    if (isHiddenName(path)) bits |= attribute::kHidden;
    if (S_ISDIR(info.st_mode)) bits |= attribute::kDirectory;
    if (S_ISREG(info.st_mode) && bits == 0) bits = attribute::kNormal;
    return bits;
}

// Only the write permission can change: READONLY takes it from everyone, any word without
// READONLY gives it back to the owner. Other attributes cannot be given to a file that lacks
// them (HIDDEN and DIRECTORY follow from its name and kind); asking for one changes nothing.
bool PosixFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    auto current = this->attributes(path);
    if (!current) return false;
    constexpr std::uint32_t kFixed = attribute::kHidden | attribute::kDirectory;
    constexpr std::uint32_t kSettable = attribute::kReadOnly | attribute::kNormal | kFixed;
    if ((attributes & ~kSettable) != 0 || (attributes & kFixed & ~*current) != 0) return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & attribute::kReadOnly) ? (mode & ~kWriteBits) : (mode | S_IWUSR);
    return ::chmod(path.c_str(), mode) == 0;
}

bool PosixFileSystem::sameFile(const std::string& first, const std::string& second) { return isSame(first, second); }

bool PosixFileSystem::rename(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::changeDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0; }

bool PosixFileSystem::makeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

bool PosixFileSystem::removeDirectory(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

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

Stream PosixFileSystem::openStream(const std::string& name, const char* mode) {
    int flags = openFlags(mode[0]);
    if (flags < 0) return nullptr;
    // Without O_NONBLOCK, opening a pipe waits for a program at its other end. The stream itself
    // blocks as usual: the flag is taken off once the file is known to be fit.
    int fd = ::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    std::FILE* stream = nullptr;
    bool regular = false;
    if (readyForStream(fd, mode[0], regular) && (regular || makeBlocking(fd))) stream = ::fdopen(fd, mode);
    if (!stream) ::close(fd);
    return Stream(stream);
}

std::unique_ptr<FileWrite> PosixFileSystem::startWrite(const std::string& name, FileWriteMode mode) {
    return startPosixWrite(name, mode);
}

std::optional<FileStamp> PosixFileSystem::streamStamp(std::FILE* stream) {
    struct stat info {};
    if (::fstat(::fileno(stream), &info) != 0) return std::nullopt;
    return stampOf(info);
}

std::optional<FileStamp> PosixFileSystem::readableStamp(const std::string& name) {
    // What openStream(name, "rt") opens and accepts, without making a stream: a regular file.
    int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!readable) return std::nullopt;
    return stampOf(info);
}
}  // namespace platform
