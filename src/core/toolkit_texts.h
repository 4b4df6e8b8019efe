// Texts written the Windows way, as toolkits take them: captions with "&" mnemonics and
// "description|patterns" file filters. The desktop module and the Linux editor both draw with GTK;
// the Win32 front ends take the filters as a list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// "description|pattern|description|pattern" as the list of zero-terminated strings the Win32
// file dialogs take, ended by an empty string.
std::string commonDialogFilter(std::string_view filter);

}  // namespace interp
