// Script texts as the desktop shows them, and the dialog settings scripts write, turned into what
// GTK takes. No GTK here, so the rules are tested without a display.
#pragma once

#include <string>
#include <vector>

#include "core/toolkit_texts.h"
#include "platform/message_box_buttons.h"

namespace platform::gtk {

// A script text for a window: valid UTF-8 as it is, anything else read as Windows-1252, the rule
// every Unicode front end shares (core/text_encoding.h).
std::string displayText(const std::string& bytes);

// Captions and file filters as GTK takes them (core/toolkit_texts.h).
using interp::FileFilter;
using interp::fileFilters;
using interp::mnemonicCaption;

// Line breaks: the edit box's text has CR LF (platform/line_breaks.h), GTK's text views have LF.
std::string withLineFeeds(const std::string& text);

// A message box's buttons in the order every window of the desktop front end shows its buttons:
// GNOME's, as in GTK's own file choosers, with the affirmative button at the right end and Cancel
// at the left. That is the Windows order reversed, Cancel moved to the start.
std::vector<BoxButton> desktopOrder(std::vector<BoxButton> buttons);

// ListBox_Width and ListBox_Height still at their start values (core/system_variables.cpp) are a
// size no script chose: the Windows list, sized for its small font, which the desktop replaces by
// one that fits the entries. Any other size is kept exactly.
constexpr int kListBoxStartWidth = 130;
constexpr int kListBoxStartHeight = 176;
inline bool listBoxSizeChosen(int width, int height) {
    return width != kListBoxStartWidth || height != kListBoxStartHeight;
}

}  // namespace platform::gtk
