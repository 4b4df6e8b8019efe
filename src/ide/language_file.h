// velmish.lng: lines "key=value" that replace the editor's built-in texts.
#pragma once

#include <string>
#include <string_view>

#include "ide/captions.h"

namespace ide {

// Applies the entries of a language file's text in file order, so a later line for the same key
// wins. The key is everything before the first "=" and the value everything after it, nothing
// trimmed; keys match exactly, and lines without "=" or with an unknown key are ignored.
void applyLanguageFile(std::string_view fileText, Captions& captions);

// Reads and applies the file; false, with every text as it was, when it cannot be read.
bool loadLanguageFile(const std::string& path, Captions& captions);

}  // namespace ide
