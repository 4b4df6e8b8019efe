// The control line of a link control file, and the name of the program linked from it.
#include "compiler/link_control.h"

#include <algorithm>

namespace compiler {

namespace {

bool isDecimal(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBareFileName(const std::string& name) {
    return name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

// Splits the line (without its CR LF) into the four fields. Fields 1, 2 and 4 hold no ";", so the
// icon path is everything between the second ";" and the one before the last: a Windows path may
// contain ";" itself.
std::string splitFields(const std::string& line, LinkControl& control) {
    if (line.empty() || line.back() != ';') return "the line does not end with \";\"";
    std::size_t first = line.find(';');
    std::size_t second = line.find(';', first + 1);
    std::size_t last = line.size() - 1;
    std::size_t beforeLast = line.rfind(';', last - 1);
    if (second == std::string::npos || beforeLast == std::string::npos || beforeLast <= second) {
        return "expected four fields, each ended by \";\"";
    }
    control.formatTag = line.substr(0, first);
    control.number = line.substr(first + 1, second - first - 1);
    control.iconPath = line.substr(second + 1, beforeLast - second - 1);
    control.runtimeName = line.substr(beforeLast + 1, last - beforeLast - 1);
    return {};
}

}  // namespace

std::string parseControlLine(const std::string& bytes, LinkControl& control) {
    std::size_t lineEnd = bytes.find("\r\n");
    if (lineEnd == std::string::npos) return "no control line: the file holds no carriage return and line feed";
    std::string problem = splitFields(bytes.substr(0, lineEnd), control);
    if (!problem.empty()) return problem;
    if (control.formatTag != kLinkFormatTag) {
        return "field 1 is \"" + control.formatTag + "\", expected \"" + kLinkFormatTag + "\"";
    }
    if (!isDecimal(control.number)) return "field 2 is \"" + control.number + "\", expected a decimal number";
    if (control.runtimeName.empty()) return "field 4 is empty, expected the runtime's file name";
    if (!isBareFileName(control.runtimeName)) {
        return "field 4 is \"" + control.runtimeName + "\", expected a file name without folder";
    }
    control.codeStart = lineEnd + 2;
    return {};
}

std::string programPathFor(const std::string& controlPath) {
    // velcomp names the control file by replacing the script's last two characters with "coc"
    // and starts the program named with "exe" in their place: the same name, whatever the
    // script was called.
    if (controlPath.size() >= 3 && controlPath.compare(controlPath.size() - 3, 3, "coc") == 0) {
        return controlPath.substr(0, controlPath.size() - 3) + "exe";
    }
    std::size_t nameStart = controlPath.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = controlPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return controlPath + ".exe";
    return controlPath.substr(0, dot) + ".exe";
}

}  // namespace compiler
