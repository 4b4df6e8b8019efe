// Start-up of a compiled program: the runtime finds its code behind its own executable.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "code/code_image.h"
#include "core/run_limits.h"
#include "platform/desktop.h"
#include "platform/system.h"

namespace runtime {

// Runs the program whose code lies in the file ownPath from codeOffset on; command is the text
// the program was started with. Returns the exit code.
int runProgram(platform::System& system, platform::Desktop& desktop, const std::string& command,
               const std::string& ownPath, std::uint32_t codeOffset);

// The same with the code already in memory (unit tests, and the fuzzers with limits).
int runCode(platform::System& system, platform::Desktop& desktop, const std::string& command,
            const std::string& ownPath, std::unique_ptr<code::CodeImage> code, const interp::RunLimits& limits = {});

}  // namespace runtime
