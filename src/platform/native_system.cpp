// The clock of the native systems, from the C library.
#include "platform/native_system.h"

#include <ctime>

namespace platform {

LocalTime NativeSystem::localTime() {
    std::time_t now = std::time(nullptr);
    // localtime, not localtime_r: it reads TZ again at every call, so a script that changes TZ
    // with LETENV sees its clock change.
    std::tm local = *std::localtime(&now);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace platform
