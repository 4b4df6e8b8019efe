// Starting programs on Windows: WinExec, CreateProcessA, the run-time's system, and Sleep.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/process.h"

namespace platform {

namespace {

class Win32Programs final : public Programs {
  public:
    int start(const std::string& commandLine, int showMode) override;
    bool createProcess(const std::string& commandLine, int showMode) override;
    int runSystemCommand(const std::string& command) override;
    void sleep(int milliseconds) override;
};

}  // namespace

std::unique_ptr<Programs> createNativePrograms() { return std::make_unique<Win32Programs>(); }

int Win32Programs::start(const std::string& commandLine, int showMode) {
    return static_cast<int>(WinExec(commandLine.c_str(), static_cast<UINT>(showMode)));
}

bool Win32Programs::createProcess(const std::string& commandLine, int showMode) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;  // 68 bytes
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showMode);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    // The program runs on by itself; nobody waits for it.
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

int Win32Programs::runSystemCommand(const std::string& command) { return std::system(command.c_str()); }

void Win32Programs::sleep(int milliseconds) {
    if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace platform
