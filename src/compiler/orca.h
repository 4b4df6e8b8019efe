// The orca of the /ORCA option.
#pragma once

#include <string_view>

namespace compiler {

// 22 lines of ASCII art; the last ends with "ORCAS FOREVER!!!" and has no line feed.
std::string_view orcaPicture();

}  // namespace compiler
