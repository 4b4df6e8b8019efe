// Writing files on Windows so that a full disk or any other write error loses nothing: every
// write, flush and close is checked, an append that fails is cut back, and a new version is
// written beside the file it replaces and moved over it only when complete.
#include "platform/win32/file_write.h"

#include <io.h>

#include <utility>

#include "platform/stream_write.h"

namespace platform {

namespace {

// A file on disk that the name already leads to; devices (NUL, CON, COM1) and pipes are not.
bool isExistingDiskFile(const std::string& name, bool& exists) {
    HANDLE file = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    exists = file != INVALID_HANDLE_VALUE;
    if (!exists) return false;
    bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk;
}

// Cuts a file back to the length it had before an append.
void cutBack(const std::string& name, long long length) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER at;
    at.QuadPart = length;
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) SetEndOfFile(file);
    CloseHandle(file);
}

// Text at the end of a file. Undone by cutting a disk file back to its old length, or deleting it
// when this write created it; a device has nothing to take back.
std::unique_ptr<FileWrite> startAppend(const std::string& name) {
    if (isReadOnlyFile(name)) return nullptr;
    bool exists = false;
    bool disk = isExistingDiskFile(name, exists) || !exists;
    std::FILE* stream = std::fopen(name.c_str(), "at");
    if (!stream) return nullptr;
    long long oldLength = disk ? _filelengthi64(_fileno(stream)) : 0;
    bool created = !exists;
    return std::make_unique<StreamFileWrite>(stream, false, [name, disk, created, oldLength](bool written) {
        if (written || !disk) return written;
        if (created) {
            DeleteFileA(name.c_str());
        } else {
            cutBack(name, oldLength);
        }
        return false;
    });
}

// A new version in a file beside the target, moved over the target at the commit; the new file is
// deleted when anything fails or the write is dropped. A device is written as it is: there is no
// old version to keep.
std::unique_ptr<FileWrite> startReplacement(const std::string& target) {
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return nullptr;
    if (isReadOnlyFile(target)) return nullptr;
    bool exists = false;
    if (!isExistingDiskFile(target, exists) && exists) {
        std::FILE* stream = std::fopen(target.c_str(), "wb");
        if (!stream) return nullptr;
        return std::make_unique<StreamFileWrite>(stream, false, [](bool written) { return written; });
    }
    std::string temporary = fileBeside(target);
    if (temporary.empty()) return nullptr;
    std::FILE* stream = std::fopen(temporary.c_str(), "wb");
    if (!stream) {
        DeleteFileA(temporary.c_str());
        return nullptr;
    }
    return std::make_unique<StreamFileWrite>(stream, true, [target, temporary](bool written) {
        if (written && putInPlace(temporary, target, Replacing::ownVersion)) return true;
        DeleteFileA(temporary.c_str());
        return false;
    });
}

}  // namespace

bool syncToDisk(std::FILE* stream) { return _commit(_fileno(stream)) == 0; }

bool isReadOnlyFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string fileBeside(const std::string& target) {
    std::string path = fullPath(target);
    size_t slash = path.find_last_of("\\/");
    std::string directory = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    char name[MAX_PATH + 1];
    // GetTempFileNameA makes the file, so no other program can take the name.
    if (GetTempFileNameA(directory.c_str(), "vl", 0, name) == 0) return std::string();
    return name;
}

bool putInPlace(const std::string& written, const std::string& target, Replacing replacing) {
    DWORD old = GetFileAttributesA(target.c_str());
    bool exists = old != INVALID_FILE_ATTRIBUTES;
    bool readOnly = exists && (old & FILE_ATTRIBUTE_READONLY);
    if (readOnly && replacing == Replacing::ownVersion) return false;
    if (exists && replacing == Replacing::ownVersion) SetFileAttributesA(written.c_str(), old);
    // A read-only file cannot be replaced; its mark is taken off first and put back on failure.
    if (readOnly) SetFileAttributesA(target.c_str(), old & ~FILE_ATTRIBUTE_READONLY);
    if (MoveFileExA(written.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (readOnly) SetFileAttributesA(target.c_str(), old);
    return false;
}

std::unique_ptr<FileWrite> startWin32Write(const std::string& name, FileWriteMode mode) {
    if (mode == FileWriteMode::appendText) return startAppend(name);
    return startReplacement(name);
}

}  // namespace platform
