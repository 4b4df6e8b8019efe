// Limits on one run of a script or of compiled code, for running untrusted input many times in
// one process (the fuzzers). Normal runs have none.
#pragma once

#include <cstddef>
#include <cstdint>

namespace interp {

struct RunLimits {
    std::uint64_t commands = UINT64_MAX;  // commands (compiled: code lines read) before the run ends with exit code 0
    std::size_t valueLength = SIZE_MAX;   // a longer value ends the run as if memory had run out
};

}  // namespace interp
