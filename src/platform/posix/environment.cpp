// The process environment on POSIX systems: getenv, setenv and unsetenv, which programs started
// later inherit.
#include "platform/environment.h"

#include <cstdlib>

namespace platform {

namespace {

class PosixEnvironment final : public Environment {
  public:
    std::optional<std::string> value(const std::string& name) override;
    bool put(const std::string& assignment) override;
};

}  // namespace

std::unique_ptr<Environment> createNativeEnvironment() { return std::make_unique<PosixEnvironment>(); }

std::optional<std::string> PosixEnvironment::value(const std::string& name) {
    // A name with "=" would match the middle of another variable's entry; one with a NUL byte
    // would be cut short.
    if (name.empty() || name.find_first_of(std::string("=\0", 2)) != std::string::npos) return std::nullopt;
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

bool PosixEnvironment::put(const std::string& assignment) {
    size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string name = assignment.substr(0, equals);
    if (name.find('\0') != std::string::npos) return false;
    std::string value = assignment.substr(equals + 1);
    if (value.empty()) return ::unsetenv(name.c_str()) == 0;
    return ::setenv(name.c_str(), value.c_str(), 1) == 0;
}

}  // namespace platform
