// Settings of the dialogs, kept for the terminal front end's dialogs.
#include <ostream>

#include "platform/console/console_desktop.h"

namespace platform {

void ConsoleDesktop::setButtonCaption(DialogButton button, const std::string& caption) {
    buttonCaptions_[static_cast<int>(button)] = caption;
}

// Showing the info box writes its text; hiding it writes nothing.
void ConsoleDesktop::setInfoBoxVisible(bool visible) {
    infoBoxVisible_ = visible;
    if (!visible) return;
    out_ << "[info] " << infoBoxText_ << '\n';
    out_.flush();
}

}  // namespace platform
