// The file system as the file commands see it: the shell's copy, move and delete, attributes,
// directories, file streams and the search for matching names.
//
// Win32 answers with its own calls; POSIX systems give each the nearest native meaning (see the
// user manual's section on Linux).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// File attribute bits, with the values of the Win32 FILE_ATTRIBUTE_ flags.
namespace attribute {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
inline constexpr std::uint32_t kCompressed = 0x800;
}  // namespace attribute

enum class ShellOperation { copy, move, remove };

// A C stream that closes itself. Its close is not checked: it closes streams that only read, and
// writing streams dropped on a failure path. Where a write must be known to have reached the
// file, the caller closes the stream itself (NEWFILE) or writes through a FileWrite.
struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

// What tells one version of a file's contents from another: which file it is, its size and the
// times of its last changes, as finely as the system keeps them.
struct FileStamp {
    unsigned long long identity = 0;  // device and inode, or volume and file index
    long long size = 0;
    long long modified = 0;
    long long changed = 0;  // status change (POSIX), creation (Windows)
    bool directory = false;
    bool operator==(const FileStamp&) const = default;
};

// A file being written so that a failure loses nothing. The bytes go to stream(); commit() makes
// them the file's contents. Until a commit succeeds the file stays as it was: a failed commit,
// or a write that is dropped without one, undoes what was written.
class FileWrite {
  public:
    virtual ~FileWrite() = default;
    virtual std::FILE* stream() = 0;
    // Flushes and closes the stream and puts the new contents in place; false, with the file as
    // it was, when any write, flush, close or the final rename failed.
    virtual bool commit() = 0;
};

enum class FileWriteMode {
    // Text at the end of the file (created when missing). Undone: the file is cut back to its
    // old length, or removed when the write created it.
    appendText,
    // The whole file anew, in binary: the bytes go to a new file beside it, which takes its
    // place at the commit with the old file's permissions. A symbolic link stays a link to the
    // replaced file. A name that is no regular file (a device, a pipe) is written directly, as
    // there is nothing to keep.
    replace,
};

// A running search for the names matching a pattern (directory part plus "*"/"?" pattern).
class FileSearch {
  public:
    virtual ~FileSearch() = default;
    // The next matching name, without its directory; nullopt when there are no more.
    virtual std::optional<std::string> next() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The shell's file operation: wildcards in the source's last component, missing target
    // directories created, existing files replaced, directories with their contents, nothing
    // asked. The target is ignored by remove. True when everything succeeded.
    virtual bool shellOperation(ShellOperation operation, const std::string& source, const std::string& target) = 0;

    // The attribute bits of a file or directory; nullopt when it does not exist.
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // Sets the attribute bits; false when the system refused.
    virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // Opens a file with one of fopen's modes ("r", "w" or "a", with "b" or "t"), without ever
    // waiting for another program: reading opens regular files only (no directory, pipe, socket
    // or device), writing never touches a file whose attributes say READONLY (whoever runs the
    // program) and fails at once on a pipe that nobody reads. nullptr when refused or failed.
    virtual Stream openStream(const std::string& name, const char* mode) = 0;
    // Starts writing a file that is kept safe until the commit (FileWrite); nullptr when the file
    // cannot be opened, or is refused as openStream refuses it.
    virtual std::unique_ptr<FileWrite> startWrite(const std::string& name, FileWriteMode mode) = 0;
    // The stamp of the file a stream from openStream reads; nullopt when the system cannot tell.
    virtual std::optional<FileStamp> streamStamp(std::FILE* stream) = 0;
    // The stamp of the file openStream(name, "rt") would read, without a stream; nullopt when it
    // would refuse or fail. A backend may answer with fewer system calls than a stream needs.
    virtual std::optional<FileStamp> readableStamp(const std::string& name) {
        Stream stream = openStream(name, "rt");
        return stream ? streamStamp(stream.get()) : std::nullopt;
    }
    // Appends the bytes to the end of a text file as startWrite(appendText) and a commit do: all of
    // them or, on any failure, none (the file keeps its old length; a file made here is removed).
    virtual bool appendText(const std::string& name, std::string_view bytes) {
        std::unique_ptr<FileWrite> write = startWrite(name, FileWriteMode::appendText);
        if (!write) return false;
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), write->stream()) == bytes.size();
        return write->commit() && written;
    }

    // True when both names lead to the same existing file.
    virtual bool sameFile(const std::string& first, const std::string& second) = 0;
    // The run-time's rename: fails when the new name exists.
    virtual bool rename(const std::string& from, const std::string& to) = 0;

    virtual bool changeDirectory(const std::string& path) = 0;
    virtual bool makeDirectory(const std::string& path) = 0;
    // Removes an empty directory.
    virtual bool removeDirectory(const std::string& path) = 0;

    // Starts a search; nullptr when nothing matches. firstName receives the first match.
    virtual std::unique_ptr<FileSearch> startSearch(const std::string& pattern, std::string& firstName) = 0;

    // The compiler's and the linker's own files, outside any script:
    // Deletes one file, never a directory; false when it cannot.
    virtual bool removeFile(const std::string& path) = 0;
    // Opens a file with fopen's mode as the C library does, with none of openStream's refusals;
    // nullptr with errno set when it cannot.
    virtual Stream openFile(const std::string& name, const char* mode) = 0;
    // Writes the bytes as the file at path, replacing one that is there, through a temporary file
    // beside it that is renamed into place only when every byte is on disk; on POSIX systems the
    // file is executable (mode 0777 less the umask). Empty when written, else what failed in the
    // system's words.
    virtual std::string writeProgramFile(const std::string& path, std::string_view bytes) = 0;
};

// Copies what is left of one stream to the other; false when a read or a write failed.
bool copyStreamBytes(std::FILE* from, std::FILE* to);

// The file system of the machine the program runs on.
std::unique_ptr<FileSystem> createNativeFileSystem();

// The full path of a name, relative to the current directory; wildcards are left as they are.
// The name itself when it is empty or cannot be resolved. Script loading uses it at start-up.
std::string fullPath(const std::string& name);

}  // namespace platform
