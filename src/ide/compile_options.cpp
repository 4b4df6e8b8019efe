// The compile dialog's check box rules and the options line.
#include "ide/compile_options.h"

namespace ide {

void CompileOptions::setAutoLink(bool ticked) {
    autoLink_ = ticked;
    rebuild();
}

// Ticking or clearing the box ticks "Automatic linking" unless an icon is linked.
void CompileOptions::setRunAfterHalt(bool ticked) {
    runAfterHalt_ = ticked;
    if (!linkIcon_) setAutoLink(true);
    rebuild();
}

void CompileOptions::setLinkIcon(bool ticked, const ChooseIcon& chooseIcon) {
    linkIcon_ = ticked;
    if (ticked) {
        std::optional<std::string> icon = chooseIcon(iconPath_);
        if (!icon) {
            setLinkIcon(false, chooseIcon);
            return;
        }
        iconPath_ = *icon;
    }
    rebuild();
}

std::vector<std::string> CompileOptions::arguments() const {
    std::vector<std::string> arguments;
    if (autoLink_) arguments.push_back("/L");
    if (linkIcon_) arguments.push_back("/I:" + iconPath_);
    if (runAfterHalt_) arguments.push_back("/R");
    return arguments;
}

void CompileOptions::rebuild() {
    std::string line = autoLink_ ? "/L" : "";
    if (linkIcon_) line += " /I:\"" + iconPath_ + "\"";
    if (runAfterHalt_) line += " /R";
    size_t first = line.find_first_not_of(' ');
    size_t last = line.find_last_not_of(' ');
    line_ = first == std::string::npos ? "" : line.substr(first, last - first + 1);
}

}  // namespace ide
