// The compiler's host rules on POSIX systems.
#include <unistd.h>

#include "compiler/host_conventions.h"

namespace compiler {

const HostConventions& nativeConventions() { return kPosixConventions; }

bool changeDirectory(const std::string& directory) { return ::chdir(directory.c_str()) == 0; }

bool deleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace compiler
