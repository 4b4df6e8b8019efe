// Help on the word at the caret: the language reference's anchor for a command or a system
// variable, and the address that opens a help page at an anchor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ide {

// The reference's anchor for the word the caret is in or just after: a command keyword in any
// letter case ("copyfile" is COPYFILE), or a system variable, in brackets or not ([errorcode],
// also [ErrorCode]); nothing for any other word or none.
std::optional<std::string> referenceAnchor(std::string_view line, size_t caretColumn);

// A help page's address: the path itself without an anchor; with one, a file: address, since the
// system opens a path with "#" in it as a file of that name.
std::string pageAddress(const std::string& path, const std::optional<std::string>& anchor);

}  // namespace ide
