// Whole files in and out for the linker. A program is written through a temporary file in its own
// folder and renamed into place only when every byte is on disk, so a failed link never leaves a
// half-written program behind (an older program of the same name stays as it was).
#pragma once

#include <string>

namespace compiler {

// The outcome of a file operation: empty when it worked, else the reason ("No such file or
// directory"). notFound tells a missing file apart from one that cannot be read.
struct FileProblem {
    std::string reason;
    bool notFound = false;
    bool failed() const { return !reason.empty(); }
};

// Reads the whole file as raw bytes.
FileProblem readWholeFile(const std::string& path, std::string& bytes);

// Writes the bytes as the file at path, replacing one that is there. On POSIX systems the file
// is made executable: its mode is 0777 less the umask, as a compiler's linker makes it.
FileProblem writeProgramFile(const std::string& path, const std::string& bytes);

}  // namespace compiler
