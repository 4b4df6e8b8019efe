// Programs: the running one, the ones it starts, and its pauses.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

// How a started program's window is shown (the Win32 SW_ values).
namespace show {
inline constexpr int kHide = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;
}  // namespace show

// What a script asks of other programs (SHELL, CALL, SYSTEM) and of its own running (WAIT).
class Programs {
  public:
    virtual ~Programs() = default;

    // WinExec: starts a command line without waiting. Above 31 on success, else the system's
    // error code (2 when the program is not found).
    virtual int start(const std::string& commandLine, int showMode) = 0;

    // CreateProcessA: starts a command line without waiting; false when it could not be started.
    virtual bool createProcess(const std::string& commandLine, int showMode) = 0;

    // The run-time's system call: runs the command through the system's command interpreter and
    // waits. The interpreter's exit code, or -1 when no interpreter could be started.
    virtual int runSystemCommand(const std::string& command) = 0;

    // Suspends the running program for this many milliseconds.
    virtual void sleep(int milliseconds) = 0;
};

// Programs started on the machine the program runs on.
std::unique_ptr<Programs> createNativePrograms();

// Launch-time facts and the compiler's own use, outside any script:

// The full path of the running program's own executable file.
std::string ownExecutablePath();

// The directory of the running program, with its trailing separator ("C:\Velmish\", "/opt/velmish/").
std::string ownDirectory();

// Starts the program by its path (never looked up along PATH) with one argument (none when
// empty) and waits for its end. Its exit code, or nullopt when it could not be started.
std::optional<int> runAndWait(const std::string& program, const std::string& argument);

}  // namespace platform
