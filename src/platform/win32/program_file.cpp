// The system calls of the linker's program writes on Windows.
#include "platform/program_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

namespace platform::program_file {

int createNew(const char* path) {
    return ::_open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int writeSome(int handle, const char* data, std::size_t count) {
    return ::_write(handle, data, static_cast<unsigned>(count > 0x40000000 ? 0x40000000 : count));
}

int close(int handle) { return ::_close(handle); }

int processId() { return ::_getpid(); }

// MoveFileExA replaces an existing file, which the C library's rename refuses to do on Windows.
std::string renameOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
    std::string reason = "cannot rename the temporary file into place (Windows error ";
    reason += std::to_string(GetLastError());
    reason += ")";
    return reason;
}

}  // namespace platform::program_file
