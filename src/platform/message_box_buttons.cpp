// Buttons of the message box styles.
#include "platform/message_box_buttons.h"

#include <cctype>

#include "platform/desktop.h"

namespace platform {

std::vector<BoxButton> boxButtons(unsigned boxStyle) {
    switch (boxStyle & style::kButtonMask) {
        case style::kOk: return {{"OK", answer::kOk}};
        case style::kOkCancel: return {{"OK", answer::kOk}, {"Cancel", answer::kCancel}};
        case style::kAbortRetryIgnore:
            return {{"Abort", answer::kAbort}, {"Retry", answer::kRetry}, {"Ignore", answer::kIgnore}};
        case style::kYesNoCancel: return {{"Yes", answer::kYes}, {"No", answer::kNo}, {"Cancel", answer::kCancel}};
        case style::kYesNo: return {{"Yes", answer::kYes}, {"No", answer::kNo}};
        case style::kRetryCancel: return {{"Retry", answer::kRetry}, {"Cancel", answer::kCancel}};
        case style::kCancelTryContinue:
            return {{"Cancel", answer::kCancel}, {"Try Again", answer::kTryAgain}, {"Continue", answer::kContinue}};
        default: return {};
    }
}

size_t defaultButtonIndex(unsigned boxStyle, size_t buttonCount) {
    size_t index = (boxStyle & style::kDefaultButtonMask) >> 8;
    return index < buttonCount ? index : 0;
}

int answerAtEndOfInput(const std::vector<BoxButton>& buttons) {
    for (int wanted : {answer::kCancel, answer::kNo}) {
        for (const BoxButton& button : buttons) {
            if (button.answer == wanted) return wanted;
        }
    }
    return buttons.empty() ? answer::kFailed : buttons.front().answer;
}

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int answerForReply(const std::vector<BoxButton>& buttons, unsigned boxStyle, std::string_view reply) {
    if (buttons.empty()) return -1;
    if (reply.empty()) return buttons[defaultButtonIndex(boxStyle, buttons.size())].answer;
    for (const BoxButton& button : buttons) {
        if (sameLetters(reply, button.name)) return button.answer;
    }
    for (const BoxButton& button : buttons) {
        if (reply.size() == 1 && sameLetters(reply, button.name.substr(0, 1))) return button.answer;
    }
    return -1;
}

}  // namespace platform
