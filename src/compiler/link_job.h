// One run of the linker: the link control file in, the linked program out.
#pragma once

#include <string>
#include <vector>

namespace platform {
class FileSystem;
}

namespace compiler {

// Links the program described by the link control file: the runtime file named in the control
// line, taken from the first of runtimeDirectories (each with its trailing separator) that holds
// it, followed by the intermediate code, written beside the control file as a program with the
// extension "exe"; files reads and writes them. With an icon path the program gets that icon
// (Windows runtimes only). Messages are appended to messages, each a line starting with
// "vellink: ". Returns the exit code: 0 when the program was written, else 1, and then nothing
// was written.
int linkProgram(platform::FileSystem& files, const std::string& controlPath,
                const std::vector<std::string>& runtimeDirectories, std::string& messages);

}  // namespace compiler
