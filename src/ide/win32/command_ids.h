// The Win32 ids of the editor's commands: WM_COMMAND carries a command as its id.
#pragma once

#include <windows.h>

#include <optional>

#include "ide/editor_commands.h"

namespace ide::win32 {

inline constexpr UINT kFirstCommandId = 1001;

inline UINT commandId(Command command) { return kFirstCommandId + static_cast<UINT>(command); }

inline std::optional<Command> commandOf(UINT id) {
    if (id < kFirstCommandId || id >= kFirstCommandId + static_cast<UINT>(kCommandCount)) return std::nullopt;
    return static_cast<Command>(id - kFirstCommandId);
}

}  // namespace ide::win32
