// The link control file: the control line that velcomp writes in front of the intermediate code.
//
//   COC2;170240;C:\s\app.ico;velrun.rtl;<CR><LF><intermediate code ...>
//
// Four fields, each ended by ";": the format tag "COC2", a decimal number, the icon path (may be
// empty) and the file name of the runtime that the code is joined to.
#pragma once

#include <cstddef>
#include <string>

namespace compiler {

inline constexpr const char* kLinkFormatTag = "COC2";

struct LinkControl {
    std::string formatTag;    // field 1, always kLinkFormatTag once parsed
    std::string number;       // field 2, decimal digits; velcomp writes 170240 and nothing reads it
    std::string iconPath;     // field 3, empty when the program keeps the runtime's icon
    std::string runtimeName;  // field 4, a bare file name, looked up next to vellink
    std::size_t codeStart;    // where the intermediate code begins: just behind the CR LF
};

// Reads the control line at the start of a link control file's bytes into control. Returns what
// is wrong with the line, or an empty text when it is well formed.
std::string parseControlLine(const std::string& bytes, LinkControl& control);

// The path of the program linked from a control file: the same path with the extension "exe"
// (prog.coc gives prog.exe; a name without extension gets ".exe" added).
std::string programPathFor(const std::string& controlPath);

}  // namespace compiler
