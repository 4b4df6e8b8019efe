// The compiler's host rules on Windows.
#include <windows.h>

#include "compiler/host_conventions.h"

namespace compiler {

const HostConventions& nativeConventions() { return kWindowsConventions; }

bool changeDirectory(const std::string& directory) { return SetCurrentDirectoryA(directory.c_str()) != 0; }

bool deleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace compiler
