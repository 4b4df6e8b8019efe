// The shell's copy on Windows, made so that a full disk loses nothing.
#pragma once

#include <string>

namespace platform {

// Copies as the shell's file operation does (wildcards in the source's last name, missing target
// folders made, folders with their contents, existing files replaced, nothing asked), each file
// written beside its target and moved over it only when complete. True when everything succeeded.
bool copyLikeTheShell(const std::string& source, const std::string& target);

}  // namespace platform
