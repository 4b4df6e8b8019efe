// The version names of [winvers].
#include "core/windows_version.h"

namespace interp {

namespace {

std::string nineXName(unsigned major, unsigned minor, unsigned build) {
    if (major == 4 && (minor == 0 || minor == 3)) {
        if (build == 951) return "95A";
        if (build == 1111 || build == 1212) return "95B";
        if (build == 1214) return "95C";
    }
    if (major == 4 && minor == 10) {
        if (build == 1998) return "98";
        if (build == 2000 || build == 2222) return "98SE";
    }
    if (major == 4 && minor == 90 && build == 3000) return "ME";
    return "unknown";
}

std::string ntName(unsigned major, unsigned minor, unsigned build) {
    if (major == 4) return "NT4";
    if (major == 5 && minor == 0 && build == 2195) return "2000";
    if (major == 5 && (minor == 0 || minor == 1) && (build == 2505 || build == 2600)) return "XP";
    return "unknown";
}

}  // namespace

std::string windowsVersionName(const std::optional<platform::WindowsVersion>& version) {
    if (!version) return "unknown";
    unsigned build = version->build & 0xFFFF;
    if (version->platformId == 1) return nineXName(version->major, version->minor, build);
    if (version->platformId == 2) return ntName(version->major, version->minor, build);
    return "unknown";
}

}  // namespace interp
