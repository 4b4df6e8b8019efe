// The edited document's state: its file name and whether it holds unsaved changes.
#pragma once

#include <string>
#include <string_view>

#include "ide/fixed_texts.h"

namespace ide {

struct Document {
    std::string name{kUnnamedDocument};  // the file it is saved to; "noname.vl" while it has none
    bool modified = false;               // changed by the user since the last New, Open or save

    // True while the name is exactly "noname.vl", whatever path it came from.
    bool unnamed() const { return name == kUnnamedDocument; }
    // True when the path names this document's own file: the same text, in any letter case on
    // Windows, whose file names ignore it. An unnamed document has no file of its own.
    bool isOwnFile(std::string_view path) const;
};

// A chosen file name with the script extension: ".vl" is appended unless the name already ends
// in it, in any letter case (test -> test.vl, TEST.VL stays, a.v -> a.v.vl).
std::string withScriptExtension(std::string_view chosenPath);

}  // namespace ide
