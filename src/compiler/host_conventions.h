// How the compiler names files and programs on the system it runs on.
//
// The two sets of rules are plain data, so tests can check the Windows rules on any system;
// host_windows.cpp or host_posix.cpp (chosen by CMake) picks the native one.
#pragma once

#include <string>
#include <string_view>

namespace compiler {

struct HostConventions {
    std::string_view linkerFileName;       // vellink's file name in the compiler's directory
    std::string_view directorySeparators;  // the characters that end a directory in a path
    bool lowerCaseFileNames;               // script and output paths are used in lower case
    bool prefixBareProgramNames;           // "./" before a program path without a directory
};

// Windows: file names are case-insensitive, so paths are used in lower case; both "\" and "/"
// end a directory; CreateProcessA with a quoted path never searches elsewhere.
inline constexpr HostConventions kWindowsConventions{"vellink.exe", "\\/", true, false};

// Linux: file names are case-sensitive and used as given; a program path without "/" gets "./"
// so that it is never looked up along PATH.
inline constexpr HostConventions kPosixConventions{"vellink", "/", false, true};

const HostConventions& nativeConventions();

}  // namespace compiler
