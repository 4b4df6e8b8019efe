// Whole files in for the linker: the link control file, the runtime and the icon. Programs are
// written through the file system (FileSystem::writeProgramFile), so a failed link never leaves a
// half-written program behind.
#pragma once

#include <string>

namespace platform {
class FileSystem;
}

namespace compiler {

// The outcome of a file operation: empty when it worked, else the reason ("No such file or
// directory"). notFound tells a missing file apart from one that cannot be read.
struct FileProblem {
    std::string reason;
    bool notFound = false;
    bool failed() const { return !reason.empty(); }
};

// Reads the whole file as raw bytes.
FileProblem readWholeFile(platform::FileSystem& files, const std::string& path, std::string& bytes);

}  // namespace compiler
