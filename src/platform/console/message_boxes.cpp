// Message boxes in the terminal.
#include <istream>
#include <ostream>

#include "platform/console/console_desktop.h"
#include "platform/message_box_buttons.h"

namespace platform {

ConsoleDesktop::ConsoleDesktop(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in), out_(out), err_(err) {}

namespace {

std::string promptFor(const std::vector<BoxButton>& buttons) {
    std::string prompt = "(";
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0) prompt += '/';
        prompt += buttons[i].name;
    }
    return prompt + ")? ";
}

}  // namespace

// The terminal's text is the box itself. A box whose text cannot be written (standard output
// closed or on a full disk) is like a Windows box that cannot be drawn: the script goes on.
int ConsoleDesktop::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    out_ << '[' << caption << "] " << text << '\n';
    std::vector<BoxButton> buttons = boxButtons(style);
    if (buttons.size() <= 1) {
        out_.flush();
        // A style without a known button set makes the Windows box fail; it returns 0 there too.
        return buttons.empty() ? answer::kFailed : buttons.front().answer;
    }
    for (;;) {
        out_ << promptFor(buttons);
        out_.flush();
        std::string reply;
        if (!std::getline(in_, reply)) return answerAtEndOfInput(buttons);
        if (!reply.empty() && reply.back() == '\r') reply.pop_back();
        int chosen = answerForReply(buttons, style, reply);
        if (chosen >= 0) return chosen;
    }
}

void ConsoleDesktop::errorBox(const std::string& text, const std::string& caption, unsigned) {
    out_.flush();
    err_ << '[' << caption << "] " << text << '\n';
    err_.flush();
}

}  // namespace platform
