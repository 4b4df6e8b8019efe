// The resource id of the program icon of velint and of the runtime, which vellink replaces by a
// program's own icon. Also read by the resource scripts (.rc), which see only the macro.
#pragma once

#define VELMISH_PROGRAM_ICON_ID 1000

#ifndef RC_INVOKED
#include <cstdint>

namespace platform {

inline constexpr std::uint16_t kProgramIconId = VELMISH_PROGRAM_ICON_ID;

}  // namespace platform
#endif
