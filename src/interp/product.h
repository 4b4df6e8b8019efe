// The product's identity, kept once: the language version and the resource id of the program
// icon. Also read by the resource scripts (.rc), which see only the macros.
#pragma once

// The language version: [VL_Version], the code header line, the banners.
#define VELMISH_LANGUAGE_VERSION "4.3"

// The program icon of velint and of the runtime, which vellink replaces by a program's own icon.
#define VELMISH_PROGRAM_ICON_ID 1000

#ifndef RC_INVOKED
#include <cstdint>
#include <string_view>

namespace interp {

inline constexpr std::string_view kLanguageVersion = VELMISH_LANGUAGE_VERSION;
inline constexpr std::uint16_t kProgramIconId = VELMISH_PROGRAM_ICON_ID;

}  // namespace interp
#endif
