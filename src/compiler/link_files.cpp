// Reading whole files for the linker.
#include "compiler/link_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"

namespace compiler {

namespace {

FileProblem fromErrno() {
    int error = errno;
    return {std::strerror(error), error == ENOENT};
}

}  // namespace

FileProblem readWholeFile(platform::FileSystem& files, const std::string& path, std::string& bytes) {
    platform::Stream stream = files.openFile(path, "rb");
    if (!stream) return fromErrno();
    bytes.clear();
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0) bytes.append(buffer, count);
    // The file was only read: closing it cannot lose anything.
    return std::ferror(stream.get()) ? fromErrno() : FileProblem{};
}

}  // namespace compiler
