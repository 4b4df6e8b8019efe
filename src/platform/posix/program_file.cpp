// The system calls of the linker's program writes on POSIX systems.
#include "platform/program_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform::program_file {

// Mode 0777 less the umask, as a compiler's linker makes programs.
int createNew(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0777); }

int writeSome(int handle, const char* data, std::size_t count) {
    return static_cast<int>(::write(handle, data, count > 0x40000000 ? 0x40000000 : count));
}

int close(int handle) { return ::close(handle); }

int processId() { return static_cast<int>(::getpid()); }

std::string renameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return std::string("cannot rename the temporary file into place: ") + std::strerror(errno);
}

}  // namespace platform::program_file
