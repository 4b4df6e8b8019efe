// The input dialogs: INPUTBOX, EDITBOX, LISTBOX, OPENBOX, SAVEBOX, FOLDERBOX and INFOBOX.
#pragma once

#include <string>
#include <vector>

#include "commands/context.h"

namespace commands {

// The EDITBOX mode: true for read-only ("READONLY" or 1, blanks and case ignored).
bool editBoxReadOnly(const std::string& mode);
// The LISTBOX entries: the items text split at every "|" (an empty text is one empty entry).
std::vector<std::string> listBoxEntries(const std::string& items);

// The modal dialogs store the answer, or the empty text when cancelled; errorcode unchanged.
void inputBox(Context& ctx, Target target, const std::string& title, const std::string& prompt,
              const std::string& initialText);
void editBox(Context& ctx, Target target, const std::string& title, const std::string& text, bool readOnly);
void listBox(Context& ctx, Target target, const std::string& title, const std::string& items);
// OPENBOX (save false) and SAVEBOX: errorcode "0" for a choice, "-1" when cancelled.
void fileBox(Context& ctx, Target target, const std::string& title, const std::string& filter, bool save);
// errorcode "0" for a choice or a cancel (empty text), "-1" when the folder has no path.
void folderBox(Context& ctx, Target target, const std::string& title, const std::string& startFolder);
// Shows or hides ("-1" or "HIDE", any case) the info box with the text.
void infoBox(Context& ctx, const std::string& text, const std::string& mode);

}  // namespace commands
