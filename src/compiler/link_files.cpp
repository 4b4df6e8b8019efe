// Reading whole files, and writing a program through a temporary file renamed into place.
#include "compiler/link_files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace compiler {

namespace {

#ifdef _WIN32
int openNew(const char* path) {
    return ::_open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int writeSome(int handle, const char* data, std::size_t count) {
    return ::_write(handle, data, static_cast<unsigned>(count > 0x40000000 ? 0x40000000 : count));
}
int closeFile(int handle) { return ::_close(handle); }
int processId() { return ::_getpid(); }

// MoveFileExA replaces an existing file, which the C library's rename refuses to do on Windows.
FileProblem renameOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
    return {"cannot rename the temporary file into place (Windows error " + std::to_string(GetLastError()) + ")"};
}
#else
int openNew(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0777); }
int writeSome(int handle, const char* data, std::size_t count) {
    return static_cast<int>(::write(handle, data, count > 0x40000000 ? 0x40000000 : count));
}
int closeFile(int handle) { return ::close(handle); }
int processId() { return static_cast<int>(::getpid()); }

FileProblem renameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return {std::string("cannot rename the temporary file into place: ") + std::strerror(errno)};
}
#endif

FileProblem fromErrno(const std::string& doing) {
    int error = errno;
    return {doing + std::strerror(error), error == ENOENT};
}

// Creates a temporary file beside path, named after it and the process ("prog.exe.1234.tmp").
int createTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary += '.';
        temporary += std::to_string(processId());
        if (attempt) {
            temporary += '-';
            temporary += std::to_string(attempt);
        }
        temporary += ".tmp";
        int handle = openNew(temporary.c_str());
        if (handle >= 0 || errno != EEXIST) return handle;
    }
    return -1;
}

FileProblem writeAll(int handle, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        int written = writeSome(handle, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? fromErrno("") : FileProblem{"nothing could be written"};
        done += static_cast<std::size_t>(written);
    }
    return {};
}

}  // namespace

FileProblem readWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (!stream) return fromErrno("");
    bytes.clear();
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) bytes.append(buffer, count);
    FileProblem problem = std::ferror(stream) ? fromErrno("") : FileProblem{};
    std::fclose(stream);  // the file was only read: closing it cannot lose anything
    return problem;
}

FileProblem writeProgramFile(const std::string& path, const std::string& bytes) {
    std::string temporary;
    int handle = createTemporary(path, temporary);
    if (handle < 0) return fromErrno("cannot create a temporary file beside it: ");
    FileProblem problem = writeAll(handle, bytes);
    if (closeFile(handle) != 0 && !problem.failed()) problem = fromErrno("");
    if (!problem.failed()) problem = renameOver(temporary, path);
    if (problem.failed()) std::remove(temporary.c_str());
    return problem;
}

}  // namespace compiler
