// Writing files on POSIX systems so that a full disk, a file-size limit or any other write error
// loses nothing: every write, flush and close is checked, an append that fails is cut back, and
// a new version is written beside the file it replaces and renamed over it only when complete.
#include "platform/posix/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/stream_write.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// A stream on the open descriptor, which it then owns; nullptr (and the descriptor closed) when
// that fails.
std::FILE* streamOn(int fd, const char* mode) {
    std::FILE* stream = makeBlocking(fd) ? ::fdopen(fd, mode) : nullptr;
    if (!stream) ::close(fd);
    return stream;
}

// Opens for writing without ever waiting for a program at the other end of a pipe: a pipe that
// nobody reads fails at once. created tells whether the file was made by this call.
int openForWriting(const std::string& name, int flags, bool& created) {
    created = false;
    int fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | flags);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_CREAT | O_EXCL | flags, 0666);
    created = fd >= 0;
    // A symbolic link that leads nowhere yet: the file it names is made, as fopen would.
    if (fd < 0 && errno == EEXIST) fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_CREAT | flags, 0666);
    return fd;
}

// Writes all the bytes, however many calls it takes; false at the first failure.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Text at the end of a file. Undone by cutting a regular file back to its old length, or removing
// it when this write created it; a device or pipe has nothing to take back.
std::unique_ptr<FileWrite> startAppend(const std::string& name) {
    bool created = false;
    int fd = openForWriting(name, O_APPEND, created);
    if (fd < 0) return nullptr;
    struct stat info {};
    bool refused = ::fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && isReadOnlyMode(info.st_mode));
    std::FILE* stream = refused ? nullptr : streamOn(fd, "a");
    if (!stream) {
        if (refused) ::close(fd);
        if (created) ::unlink(name.c_str());
        return nullptr;
    }
    bool regular = S_ISREG(info.st_mode);
    off_t oldLength = info.st_size;
    return std::make_unique<StreamFileWrite>(stream, false, [name, regular, created, oldLength](bool written) {
        if (written || !regular) return written;
        if (created) {
            ::unlink(name.c_str());
        } else {
            // Nothing else can be done when even this fails; the command reports the failure.
            [[maybe_unused]] int ignored = ::truncate(name.c_str(), oldLength);
        }
        return false;
    });
}

// A device or a pipe, written as it is: there is no old version to keep.
std::unique_ptr<FileWrite> startDirect(const std::string& name) {
    bool created = false;
    int fd = openForWriting(name, 0, created);
    if (fd < 0) return nullptr;
    std::FILE* stream = streamOn(fd, "wb");
    if (!stream) return nullptr;
    return std::make_unique<StreamFileWrite>(stream, false, [](bool written) { return written; });
}

// The file a link leads to (which need not exist yet), through chains of links; the name itself
// when it is no link.
std::string followedLink(const std::string& name) {
    fs::path path(name);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
        fs::path next = fs::read_symlink(path, ec);
        if (ec) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path.string();
}

// Opens a new, unused file in the target's directory, named after the target with a leading "."
// so that it stays out of sight; -1 when none can be made there.
int openBeside(const std::string& target, std::string& temporary) {
    size_t slash = target.rfind('/');
    std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string base = target.substr(directory.size());
    // The added part must not make the name longer than a file system allows (255 bytes).
    base.resize(std::min<size_t>(base.size(), 200));
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = directory + "." + base + ".vl" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool appendPosixText(const std::string& name, std::string_view bytes) {
    bool created = false;
    int fd = openForWriting(name, O_APPEND, created);
    if (fd < 0) return false;
    struct stat info {};
    bool refused = ::fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && isReadOnlyMode(info.st_mode));
    bool regular = S_ISREG(info.st_mode);
    // O_NONBLOCK means nothing to a regular file; a pipe or a device blocks as usual once open.
    if (!refused && !regular && !makeBlocking(fd)) refused = true;
    if (refused) {
        ::close(fd);
        if (created) ::unlink(name.c_str());
        return false;
    }
    bool written = writeAll(fd, bytes);
    written = ::close(fd) == 0 && written;
    if (written || !regular) return written;
    if (created) {
        ::unlink(name.c_str());
    } else {
        // Nothing else can be done when even this fails; the command reports the failure.
        [[maybe_unused]] int ignored = ::truncate(name.c_str(), info.st_size);
    }
    return false;
}

bool makeBlocking(int fd) {
    int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// Devices and pipes cannot be synced (EINVAL); their bytes are gone already.
bool syncToDisk(std::FILE* stream) { return ::fsync(::fileno(stream)) == 0 || errno == EINVAL; }

std::unique_ptr<FileWrite> startReplacement(const std::string& name, const ReplacementRules& rules) {
    std::string target = rules.followLink ? followedLink(name) : name;
    if (target.empty() || target.back() == '/') return nullptr;
    struct stat info {};
    bool exists = ::lstat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) return nullptr;
    bool regular = exists && S_ISREG(info.st_mode);
    if (exists && !regular && !S_ISLNK(info.st_mode)) return startDirect(target);
    if (regular && isReadOnlyMode(info.st_mode) && !rules.replaceReadOnly) return nullptr;
    std::string temporary;
    int fd = openBeside(target, temporary);
    if (fd < 0) return nullptr;
    // A new file gets what the system's default (umask) gives, as if the target were made anew.
    std::optional<mode_t> permissions = rules.permissions;
    if (!permissions && regular) permissions = info.st_mode & 07777;
    if (permissions && ::fchmod(fd, *permissions) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return nullptr;
    }
    std::FILE* stream = streamOn(fd, "wb");
    if (!stream) {
        ::unlink(temporary.c_str());
        return nullptr;
    }
    // The bytes reach the disk before the rename, so that even a crash leaves the old version or
    // the whole new one. The new file is removed when anything fails or the write is dropped.
    return std::make_unique<StreamFileWrite>(stream, true, [target, temporary](bool written) {
        if (written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
        ::unlink(temporary.c_str());
        return false;
    });
}

std::unique_ptr<FileWrite> startPosixWrite(const std::string& name, FileWriteMode mode) {
    if (mode == FileWriteMode::appendText) return startAppend(name);
    return startReplacement(name, ReplacementRules{});
}

}  // namespace platform
