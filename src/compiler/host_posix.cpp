// The compiler's host rules on POSIX systems.
#include "compiler/host_conventions.h"

namespace compiler {

const HostConventions& nativeConventions() { return kPosixConventions; }

}  // namespace compiler
