// Texts written the Windows way, as toolkits take them: captions with "&" mnemonics and
// "description|patterns" file filters. The desktop module and the Linux editor both draw with GTK;
// the Win32 front ends take the filters as a list.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_filter.h"

namespace interp {

// A caption with its "&" marks as "_" mnemonics: "&Ok" is "_Ok", "&&" one "&", "_" "__".
std::string mnemonicCaption(const std::string& caption);

// One file-chooser filter: its name and its patterns.
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;
};

// "description|pattern;pattern|description|pattern" as filters, in order. A description without a
// pattern, and empty descriptions or patterns, are left out.
std::vector<FileFilter> fileFilters(const std::string& filter);

// The filter as the Win32 file dialogs take it, converted where the script's dialogs convert it.
using platform::commonDialogFilter;

}  // namespace interp
