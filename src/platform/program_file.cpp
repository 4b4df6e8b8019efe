// The linker's programs, written through a temporary file that is renamed into place only when
// every byte is on disk, so a failed link never leaves a half-written program behind.
#include "platform/program_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

std::string fromErrno() { return std::strerror(errno); }

// Creates a temporary file beside path, named after it and the process ("prog.exe.1234.tmp").
int createTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary += '.';
        temporary += std::to_string(program_file::processId());
        if (attempt) {
            temporary += '-';
            temporary += std::to_string(attempt);
        }
        temporary += ".tmp";
        int handle = program_file::createNew(temporary.c_str());
        if (handle >= 0 || errno != EEXIST) return handle;
    }
    return -1;
}

std::string writeAll(int handle, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        int written = program_file::writeSome(handle, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? fromErrno() : "nothing could be written";
        done += static_cast<std::size_t>(written);
    }
    return {};
}

}  // namespace

std::string writeThroughTemporary(const std::string& path, std::string_view bytes) {
    std::string temporary;
    int handle = createTemporary(path, temporary);
    if (handle < 0) {
        std::string reason = "cannot create a temporary file beside it: ";
        reason += fromErrno();
        return reason;
    }
    std::string problem = writeAll(handle, bytes);
    if (program_file::close(handle) != 0 && problem.empty()) problem = fromErrno();
    if (problem.empty()) problem = program_file::renameOver(temporary, path);
    if (!problem.empty()) std::remove(temporary.c_str());
    return problem;
}

}  // namespace platform
