// The system on POSIX systems: the native files, environment and programs, the user from the
// password database and the working directory; the clock is native_system.cpp.
#include "platform/system.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/native_system.h"

namespace platform {

namespace {

class PosixSystem final : public NativeSystem {
  public:
    std::optional<std::string> userName() override;
    // Scripts ask for the Windows version; there is none here.
    std::optional<WindowsVersion> windowsVersion() override { return std::nullopt; }
    std::string currentDirectory() override;
};

}  // namespace

std::unique_ptr<System> createNativeSystem() { return std::make_unique<PosixSystem>(); }

std::optional<std::string> PosixSystem::userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return std::string(entry->pw_name);
    if (const char* user = std::getenv("USER")) return std::string(user);
    return std::nullopt;
}

std::string PosixSystem::currentDirectory() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace platform
