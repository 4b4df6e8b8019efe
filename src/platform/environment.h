// The process environment, which programs started later inherit.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The value of an environment variable; nullopt when it is not set.
std::optional<std::string> environmentValue(const std::string& name);

// Applies "NAME=value" to the process environment; an empty value removes the variable. False
// without "=" or when the system refused.
bool putEnvironment(const std::string& assignment);

}  // namespace platform
