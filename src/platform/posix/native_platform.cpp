// The terminal is the native platform on POSIX systems.
#include "platform/native_platform.h"

#include <iostream>

#include "platform/posix/console_platform.h"

namespace platform {

// The terminal has no window class to register and no windows to create before the run.
std::unique_ptr<Platform> createNativePlatform(Program) {
    std::ios::sync_with_stdio(false);
    return std::make_unique<ConsolePlatform>(std::cin, std::cout, std::cerr);
}

std::optional<std::string> rawCommandLine() { return std::nullopt; }

}  // namespace platform
