// The buttons of a message box style, for front ends that draw boxes themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct BoxButton {
    std::string_view name;  // "Yes"
    int answer;             // the value the box returns for it
};

// The buttons of the style's button set, in their order on the box; an unknown set has none.
std::vector<BoxButton> boxButtons(unsigned style);

// The index of the default button (MB_DEFBUTTON2/3), within range.
size_t defaultButtonIndex(unsigned style, size_t buttonCount);

// The answer at the end of input: Cancel where the box has it, else No, else the first button.
int answerAtEndOfInput(const std::vector<BoxButton>& buttons);

// The button a typed reply names (its name or first letter, any case), or -1 for none; an empty
// reply names the default button.
int answerForReply(const std::vector<BoxButton>& buttons, unsigned style, std::string_view reply);

}  // namespace platform
