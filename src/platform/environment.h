// The process environment, which programs started later inherit.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class Environment {
  public:
    virtual ~Environment() = default;

    // The value of an environment variable; nullopt when it is not set.
    virtual std::optional<std::string> value(const std::string& name) = 0;

    // Applies "NAME=value" to the environment; an empty value removes the variable. False
    // without "=" or when the system refused.
    virtual bool put(const std::string& assignment) = 0;
};

// The environment of the running process.
std::unique_ptr<Environment> createNativeEnvironment();

}  // namespace platform
