// File filters as the Win32 file dialogs take them. Scripts (OPENBOX, SAVEBOX) and the editor write
// a filter as "description|pattern|description|pattern"; both Windows front ends turn it into the
// dialogs' list with this one conversion (the editor reaches it through core/toolkit_texts.h).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The list of zero-terminated strings the dialogs take, ended by an empty string.
inline std::string commonDialogFilter(std::string_view filter) {
    std::string list(filter);
    for (char& c : list) {
        if (c == '|') c = '\0';
    }
    list.append(2, '\0');
    return list;
}

}  // namespace platform
