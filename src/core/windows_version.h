// The names [winvers] gives to system versions.
#pragma once

#include <optional>
#include <string>

#include "platform/system.h"

namespace interp {

// The name [winvers] holds for a system version ("XP", "98SE", ... or "unknown").
std::string windowsVersionName(const std::optional<platform::WindowsVersion>& version);

}  // namespace interp
