// Script texts for the desktop: encoding, line breaks and button order.
#include "platform/gtk/desktop_text.h"

#include <algorithm>

#include "core/text_encoding.h"
#include "platform/desktop.h"

namespace platform::gtk {

std::string displayText(const std::string& bytes) { return interp::shownAsUtf8(bytes); }

std::string withLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::vector<BoxButton> desktopOrder(std::vector<BoxButton> buttons) {
    std::reverse(buttons.begin(), buttons.end());
    std::stable_partition(buttons.begin(), buttons.end(),
                          [](const BoxButton& button) { return button.answer == answer::kCancel; });
    return buttons;
}

}  // namespace platform::gtk
