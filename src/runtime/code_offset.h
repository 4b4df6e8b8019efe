// Where a linked program's code begins: the byte length of the runtime file as shipped.
#pragma once

#include <cstdint>

namespace runtime {

// The length the build wrote into this runtime file (0 in a program the build has not finished
// into velrun.rtl, which then has no code to run).
std::uint32_t codeOffset();

}  // namespace runtime
