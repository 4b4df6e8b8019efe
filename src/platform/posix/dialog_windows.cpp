// Settings of the dialogs, kept for the terminal front end's dialogs.
#include "platform/posix/console_platform.h"

namespace platform {

void ConsolePlatform::createDialogWindows(int themeOffset) { themeOffset_ = themeOffset; }

void ConsolePlatform::setButtonCaption(DialogButton button, const std::string& caption) {
    buttonCaptions_[static_cast<int>(button)] = caption;
}

void ConsolePlatform::setInfoBoxVisible(bool visible) { infoBoxVisible_ = visible; }

}  // namespace platform
