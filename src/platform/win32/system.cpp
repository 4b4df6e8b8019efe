// The system on Windows: the native files, environment and programs, and system facts from the
// Win32 API and the C run-time library.
#include "platform/system.h"

#include <windows.h>

#include <direct.h>

#include <cerrno>
#include <vector>

#include "platform/native_system.h"

namespace platform {

namespace {

class Win32System final : public NativeSystem {
  public:
    std::optional<std::string> userName() override;
    std::optional<WindowsVersion> windowsVersion() override;
    std::string currentDirectory() override;
};

}  // namespace

std::unique_ptr<System> createNativeSystem() { return std::make_unique<Win32System>(); }

std::optional<std::string> Win32System::userName() {
    char name[1025];
    DWORD size = sizeof name;
    if (GetUserNameA(name, &size) != 1) return std::nullopt;
    return std::string(name);
}

std::optional<WindowsVersion> Win32System::windowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return std::nullopt;
#pragma GCC diagnostic pop
    return WindowsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber & 0xFFFF};
}

std::string Win32System::currentDirectory() {
    std::vector<char> buffer(1025);
    while (_getcwd(buffer.data(), static_cast<int>(buffer.size())) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace platform
