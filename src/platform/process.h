// Programs: where the running one lives, and starting another one to wait for its end.
#pragma once

#include <string>

namespace platform {

// The full path of the running program's own executable file.
std::string ownExecutablePath();

// The directory of the running program, with its trailing separator ("C:\Velmish\", "/opt/velmish/").
std::string ownDirectory();

// Starts the program by its path (never looked up along PATH) with one argument (none when
// empty) and waits for its end. False when it could not be started.
bool runAndWait(const std::string& program, const std::string& argument);

}  // namespace platform
