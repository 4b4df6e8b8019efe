// Programs, the environment and the keyboard: SHELL, CALL, SYSTEM, GETENV, LETENV, WAIT,
// SENDKEYS and MCI.
#pragma once

#include <optional>
#include <string>

#include "commands/context.h"

namespace commands {

void shell(Context& ctx, const std::string& commandLine, const std::string& mode);
void call(Context& ctx, const std::string& commandLine, const std::string& mode);
void system(Context& ctx, const std::string& command);
void getEnv(Context& ctx, Target target, const std::string& name);
void letEnv(Context& ctx, const std::string& assignment);
void wait(Context& ctx, const std::string& milliseconds);
void sendKeys(Context& ctx, const std::string& windowTitle, const std::string& keys);
void mci(Context& ctx, const std::string& command);

// The show modes ("SHOW", "HIDE", "MAXIMIZED", "MINIMIZED" or their digits 0 to 3, any case,
// blanks around ignored) as platform::show values. SHELL starts nothing for any other word
// (nullopt); CALL shows the window for any other word.
std::optional<int> shellShowMode(const std::string& mode);
int callShowMode(const std::string& mode);

}  // namespace commands
