// The language version, kept once: [VL_Version], the code header line, the banners, the about
// box and the packages (the build reads it from here).
#pragma once

#include <string_view>

#define VELMISH_LANGUAGE_VERSION "4.3"

namespace interp {

inline constexpr std::string_view kLanguageVersion = VELMISH_LANGUAGE_VERSION;

}  // namespace interp
