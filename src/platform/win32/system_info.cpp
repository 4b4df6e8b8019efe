// System facts from the Win32 API and the C run-time library.
#include <direct.h>

#include <cstdlib>
#include <vector>

#include "platform/win32/win32_platform.h"

namespace platform {

std::optional<std::string> Win32Platform::userName() {
    char name[1025];
    DWORD size = sizeof name;
    if (GetUserNameA(name, &size) != 1) return std::nullopt;
    return std::string(name);
}

std::optional<WindowsVersion> Win32Platform::windowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return std::nullopt;
#pragma GCC diagnostic pop
    return WindowsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber & 0xFFFF};
}

std::string Win32Platform::currentDirectory() {
    std::vector<char> buffer(1025);
    while (_getcwd(buffer.data(), static_cast<int>(buffer.size())) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string Win32Platform::environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

}  // namespace platform
