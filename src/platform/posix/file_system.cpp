// The file system on POSIX systems: attributes, directories and streams; the shell operation is
// in shell_operation.cpp, names and their search in file_names.cpp.
//
// Attributes come from the mode bits and the name: READONLY is "no write permission for anyone",
// HIDDEN a name that begins with ".", DIRECTORY a directory, NORMAL a writable regular file that
// is not hidden.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/posix/file_names.h"
#include "platform/posix/file_write.h"
#include "platform/posix/posix_file_system.h"
#include "platform/program_file.h"

namespace platform {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

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

}  // namespace

std::unique_ptr<FileSystem> createNativeFileSystem() { return std::make_unique<PosixFileSystem>(); }

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

bool PosixFileSystem::sameFile(const std::string& first, const std::string& second) {
    std::error_code ec;
    return std::filesystem::equivalent(first, second, ec);
}

bool PosixFileSystem::rename(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::changeDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0; }

bool PosixFileSystem::makeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

bool PosixFileSystem::removeDirectory(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

bool PosixFileSystem::appendText(const std::string& name, std::string_view bytes) {
    return appendPosixText(name, bytes);
}

bool PosixFileSystem::removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

Stream PosixFileSystem::openFile(const std::string& name, const char* mode) {
    return Stream(std::fopen(name.c_str(), mode));
}

std::string PosixFileSystem::writeProgramFile(const std::string& path, std::string_view bytes) {
    return writeThroughTemporary(path, bytes);
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
