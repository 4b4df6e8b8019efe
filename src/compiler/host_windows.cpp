// The compiler's host rules on Windows.
#include "compiler/host_conventions.h"

namespace compiler {

const HostConventions& nativeConventions() { return kWindowsConventions; }

}  // namespace compiler
