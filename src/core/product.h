// The language version, kept once: [VL_Version], the code header line and the banners.
#pragma once

#include <string_view>

#define VELMISH_LANGUAGE_VERSION "4.3"

namespace interp {

inline constexpr std::string_view kLanguageVersion = VELMISH_LANGUAGE_VERSION;

}  // namespace interp
