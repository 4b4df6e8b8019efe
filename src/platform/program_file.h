// The linker's programs, written through a temporary file renamed into place (for
// FileSystem::writeProgramFile). The loop is shared; each backend gives the system calls in its
// program_file.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Writes the bytes as the file at path through "path.PID.tmp" (or "path.PID-N.tmp" when that
// exists); empty when written, else what failed.
std::string writeThroughTemporary(const std::string& path, std::string_view bytes);

namespace program_file {

// Creates the file only when nothing of its name exists, for writing: executable where files
// have such a mark. Its descriptor, or -1 with errno set.
int createNew(const char* path);
// Writes some of the bytes; the count written, or -1 with errno set.
int writeSome(int handle, const char* data, std::size_t count);
int close(int handle);
int processId();
// Renames from to the name to, replacing a file there; empty when done, else what failed.
std::string renameOver(const std::string& from, const std::string& to);

}  // namespace program_file

}  // namespace platform
