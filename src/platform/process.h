// Programs: where the running one lives, and starting another one to wait for its end.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The full path of the running program's own executable file.
std::string ownExecutablePath();

// The directory of the running program, with its trailing separator ("C:\Velmish\", "/opt/velmish/").
std::string ownDirectory();

// Starts the program by its path (never looked up along PATH) with one argument (none when
// empty) and waits for its end. Its exit code, or nullopt when it could not be started.
std::optional<int> runAndWait(const std::string& program, const std::string& argument);

// How a started program's window is shown (the Win32 SW_ values).
namespace show {
inline constexpr int kHide = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;
}  // namespace show

// WinExec: starts a command line without waiting. Above 31 on success, else the system's error
// code (2 when the program is not found).
int startProgram(const std::string& commandLine, int showMode);

// CreateProcessA: starts a command line without waiting; false when it could not be started.
bool createProcess(const std::string& commandLine, int showMode);

// The run-time's system call: runs the command through the system's command interpreter and
// waits. The interpreter's exit code, or -1 when no interpreter could be started.
int runSystemCommand(const std::string& command);

// Suspends the program for this many milliseconds.
void sleepMilliseconds(int milliseconds);

}  // namespace platform
