// System information from the POSIX environment.
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/posix/console_platform.h"

namespace platform {

std::optional<std::string> ConsolePlatform::userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return std::string(entry->pw_name);
    if (const char* user = std::getenv("USER")) return std::string(user);
    return std::nullopt;
}

std::string ConsolePlatform::currentDirectory() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string ConsolePlatform::environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

}  // namespace platform
