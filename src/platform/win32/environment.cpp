// The process environment on Windows: the C run-time's copy and the system's own.
//
// The run-time keeps its own copy of the environment, which getenv reads; programs started with
// CreateProcessA, WinExec or system inherit the system's. Every change goes to both.
#include "platform/environment.h"

#include <windows.h>

#include <cstdlib>

namespace platform {

namespace {

class Win32Environment final : public Environment {
  public:
    std::optional<std::string> value(const std::string& name) override;
    bool put(const std::string& assignment) override;
};

}  // namespace

std::unique_ptr<Environment> createNativeEnvironment() { return std::make_unique<Win32Environment>(); }

std::optional<std::string> Win32Environment::value(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool Win32Environment::put(const std::string& assignment) {
    std::string::size_type equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string name = assignment.substr(0, equals);
    std::string value = assignment.substr(equals + 1);
    // msvcrt's _putenv copies the text, so the assignment need not outlive the call; "NAME=" removes.
    if (_putenv(assignment.c_str()) != 0) return false;
    if (value.empty()) {
        // _putenv has usually removed the system's copy as well; that it is gone is all that counts.
        SetEnvironmentVariableA(name.c_str(), nullptr);
        return true;
    }
    return SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
}

}  // namespace platform
