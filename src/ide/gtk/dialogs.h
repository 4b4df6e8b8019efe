// The Linux editor's dialogs: the compile dialog, Set [command], the debugger settings, Find and the
// about box. Each is built when shown, with the captions then in use; their state lives in the
// editor core (CompileOptions, DebuggerSettings, the command value, the text searched for last).
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <optional>
#include <string>

#include "ide/captions.h"
#include "ide/compile_options.h"
#include "ide/debugger_settings.h"

namespace ide::gtk {

// TChooseIcon: true when closed with Compile.
bool runCompileDialog(GtkWindow* parent, CompileOptions& options, const Captions& captions);

// TCommandVar, showing the current value; the value when closed with its button.
std::optional<std::string> runCommandDialog(GtkWindow* parent, const Captions& captions, const std::string& value);

// TDebug: true when closed with Ok, the watched variables then taken into the settings.
bool runDebugDialog(GtkWindow* parent, DebuggerSettings& settings, const Captions& captions);

// TFind, showing the text searched for last, selected; the text when closed with Find.
std::optional<std::string> runFindDialog(GtkWindow* parent, const Captions& captions, const std::string& startText);

// The about box; its links open their address through openPage.
void runAboutDialog(GtkWindow* parent, const std::function<void(const std::string&)>& openPage);

// A file chooser for opening, with the Windows-style filter ("name|*.vl|..."), starting at the file
// given (or in the folder given); the chosen file, or nothing when cancelled.
std::optional<std::string> chooseFile(GtkWindow* parent, const std::string& title, const std::string& filter,
                                      bool forSaving, const std::string& startAt);

}  // namespace ide::gtk
