// The platform of the machine the program runs on, and what it knows about how it was started.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform {

// Which program the platform serves: the dialog window class is named after it.
enum class Program { interpreter, runtime };

// The Win32 desktop on Windows; the terminal (standard input and output) on POSIX systems. On
// Windows it registers the dialog window class and creates the hidden dialog windows; nullptr
// when the class cannot be registered, and then the program ends at once with exit code 0,
// without a box.
std::unique_ptr<Platform> createNativePlatform(Program program);

// On Windows, the command-line text after the program name, which the program splits itself;
// nullopt where the system hands over an argument vector instead.
std::optional<std::string> rawCommandLine();

}  // namespace platform
