// Message and confirmation boxes: MSGBOX (ECHOBOX), ECHO (ECHOLN) and CONFIRM.
#pragma once

#include <string>

#include "commands/context.h"

namespace commands {

// The message box style for a MSGBOX button parameter: a button-set keyword (any case, blanks
// around it ignored) or a number.
unsigned msgBoxStyle(const std::string& buttons);

// Shows the box and stores the number of the button chosen in errorcode.
void msgBox(Context& ctx, const std::string& caption, const std::string& text, const std::string& buttons);
// Shows the text under the caption held in Echo_Title; errorcode is left alone.
void echo(Context& ctx, const std::string& text);
// Asks a yes/no question under Confirm_Title; errorcode "0" for yes, "-1" for no.
void confirm(Context& ctx, const std::string& question);

}  // namespace commands
