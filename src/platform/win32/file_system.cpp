// The file system on Windows: the shell's file operation (its copy made file by file), attributes,
// directories and FindFirstFileA.
#include "platform/file_system.h"

#include <direct.h>
#include <io.h>
// windows.h brings SHFileOperationA (shellapi.h) along.
#include <windows.h>

#include <vector>

#include "platform/program_file.h"
#include "platform/win32/file_copy.h"
#include "platform/win32/file_write.h"

namespace platform {

std::string fullPath(const std::string& name) {
    if (name.empty()) return name;
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetFullPathNameA(name.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0) return name;
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

namespace {

// The shell takes lists of names, each ended by a zero byte and the list by a second one. The
// buffer grows with the name, so no length limit applies. The shell wants full paths: it works
// relative names out on its own only in part (Wine copies no wildcard match of a relative source).
std::vector<char> nameList(const std::string& name) {
    std::string path = fullPath(name);
    std::vector<char> list(path.begin(), path.end());
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

// The move's flags, FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR |
// FOF_NOERRORUI: nothing is ever asked or shown, missing target directories are created. (The copy
// is made by copyLikeTheShell, with the same meaning.)
constexpr FILEOP_FLAGS kMoveFlags = 0x615;
// FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI; no FOF_ALLOWUNDO, so nothing goes to the recycle bin.
constexpr FILEOP_FLAGS kDeleteFlags = 0x414;

class Win32FileSearch : public FileSearch {
  public:
    explicit Win32FileSearch(HANDLE handle) : handle_(handle) {}
    ~Win32FileSearch() override { FindClose(handle_); }
    Win32FileSearch(const Win32FileSearch&) = delete;
    Win32FileSearch& operator=(const Win32FileSearch&) = delete;

    std::optional<std::string> next() override {
        WIN32_FIND_DATAA found{};
        if (!FindNextFileA(handle_, &found)) return std::nullopt;
        return std::string(found.cFileName);
    }

  private:
    HANDLE handle_;  // the open search, closed with the object
};

// Opens a file or directory only to ask who it is; INVALID_HANDLE_VALUE when it does not exist.
HANDLE openForIdentity(const std::string& path) {
    // FILE_FLAG_BACKUP_SEMANTICS lets CreateFileA open directories too.
    return CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<BY_HANDLE_FILE_INFORMATION> identityOf(const std::string& path) {
    HANDLE file = openForIdentity(path);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return info;
}

class Win32FileSystem final : public FileSystem {
  public:
    bool shellOperation(ShellOperation operation, const std::string& source, const std::string& target) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    Stream openStream(const std::string& name, const char* mode) override;
    std::unique_ptr<FileWrite> startWrite(const std::string& name, FileWriteMode mode) override;
    std::optional<FileStamp> streamStamp(std::FILE* stream) override;
    bool sameFile(const std::string& first, const std::string& second) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool changeDirectory(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    std::unique_ptr<FileSearch> startSearch(const std::string& pattern, std::string& firstName) override;
    bool removeFile(const std::string& path) override;
    Stream openFile(const std::string& name, const char* mode) override;
    std::string writeProgramFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace

std::unique_ptr<FileSystem> createNativeFileSystem() { return std::make_unique<Win32FileSystem>(); }

bool Win32FileSystem::shellOperation(ShellOperation operation, const std::string& source, const std::string& target) {
    std::vector<char> from = nameList(source);
    std::vector<char> to = nameList(target);
    SHFILEOPSTRUCTA request{};  // owner, aborted flag, name mappings and progress title stay zero
    request.pFrom = from.data();
    switch (operation) {
        case ShellOperation::copy:
            // Made file by file, so that a full disk leaves every target file whole.
            return copyLikeTheShell(source, target);
        case ShellOperation::move:
            // A move never replaces a read-only file, also where the system would let this user
            // (Wine run by root replaces it silently).
            if (isReadOnlyFile(target)) return false;
            request.wFunc = FO_MOVE;
            request.pTo = to.data();
            request.fFlags = kMoveFlags;
            break;
        case ShellOperation::remove:
            request.wFunc = FO_DELETE;
            request.fFlags = kDeleteFlags;
            break;
    }
    return SHFileOperationA(&request) == 0;
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool Win32FileSystem::sameFile(const std::string& first, const std::string& second) {
    auto a = identityOf(first);
    if (!a) return false;
    auto b = identityOf(second);
    if (!b) return false;
    return a->dwVolumeSerialNumber == b->dwVolumeSerialNumber && a->nFileIndexHigh == b->nFileIndexHigh &&
           a->nFileIndexLow == b->nFileIndexLow;
}

bool Win32FileSystem::rename(const std::string& from, const std::string& to) {
    // The run-time's rename is MoveFileA: it fails when the new name exists.
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool Win32FileSystem::changeDirectory(const std::string& path) {
    // The run-time's call also keeps the drive's current directory ("=C:") in the environment.
    return _chdir(path.c_str()) == 0;
}

bool Win32FileSystem::makeDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool Win32FileSystem::removeDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

std::unique_ptr<FileSearch> Win32FileSystem::startSearch(const std::string& pattern, std::string& firstName) {
    WIN32_FIND_DATAA found{};
    HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    firstName = found.cFileName;
    return std::make_unique<Win32FileSearch>(handle);
}

bool Win32FileSystem::removeFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

Stream Win32FileSystem::openFile(const std::string& name, const char* mode) {
    return Stream(std::fopen(name.c_str(), mode));
}

std::string Win32FileSystem::writeProgramFile(const std::string& path, std::string_view bytes) {
    return writeThroughTemporary(path, bytes);
}

Stream Win32FileSystem::openStream(const std::string& name, const char* mode) {
    // The run-time refuses to write a read-only file, but only where the system enforces the
    // attribute for this user (Wine run by root does not): the attribute itself decides.
    if (mode[0] != 'r' && isReadOnlyFile(name)) return nullptr;
    Stream stream(std::fopen(name.c_str(), mode));
    if (!stream || mode[0] != 'r') return stream;
    // Devices (CON, NUL, COM1) and pipes open as files too, and reading CON waits for the keyboard:
    // only a file on disk is read.
    auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream.get())));
    BY_HANDLE_FILE_INFORMATION info{};
    bool onDisk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
                  (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!onDisk) return nullptr;
    return stream;
}

std::unique_ptr<FileWrite> Win32FileSystem::startWrite(const std::string& name, FileWriteMode mode) {
    return startWin32Write(name, mode);
}

std::optional<FileStamp> Win32FileSystem::streamStamp(std::FILE* stream) {
    auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return std::nullopt;
    auto joined = [](DWORD high, DWORD low) {
        return (static_cast<unsigned long long>(high) << 32) | static_cast<unsigned long long>(low);
    };
    FileStamp stamp;
    stamp.identity = joined(info.nFileIndexHigh, info.nFileIndexLow) ^
                     (static_cast<unsigned long long>(info.dwVolumeSerialNumber) << 32);
    stamp.size = static_cast<long long>(joined(info.nFileSizeHigh, info.nFileSizeLow));
    stamp.modified =
        static_cast<long long>(joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    stamp.changed =
        static_cast<long long>(joined(info.ftCreationTime.dwHighDateTime, info.ftCreationTime.dwLowDateTime));
    stamp.directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return stamp;
}

}  // namespace platform
