// The system without a user interface: files and folders, the environment, other programs and
// waits, facts about the machine and its clock.
//
// Commands, the interpreter and the runtime reach the system only through the System they are
// given, so the unit tests' fake can stand in for it (with files in memory and a clock set by the
// test). Platform errors are translated into return values at the backend's edge.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class Environment;
class FileSystem;
class Programs;

// What the system reports about its version (GetVersionExA's fields).
struct WindowsVersion {
    unsigned platformId;  // 1 for the 9x family, 2 for the NT family
    unsigned major;
    unsigned minor;
    unsigned build;  // low 16 bits of the build number
};

// A moment on the machine's clock, in its local time zone.
struct LocalTime {
    int year;    // 2027
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;  // 0 to 59
    int second;  // 0 to 60 (a leap second)
};

class System {
  public:
    virtual ~System() = default;

    virtual FileSystem& files() = 0;
    virtual Environment& processEnvironment() = 0;
    virtual Programs& programs() = 0;

    // Facts about the machine; nullopt when the system call fails.
    virtual std::optional<std::string> userName() = 0;
    virtual std::optional<WindowsVersion> windowsVersion() = 0;
    // The working directory; empty when the system cannot tell.
    virtual std::string currentDirectory() = 0;
    // The local date and time now.
    virtual LocalTime localTime() = 0;
};

// The system of the machine the program runs on.
std::unique_ptr<System> createNativeSystem();

}  // namespace platform
