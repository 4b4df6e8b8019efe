// The file system: COPYFILE, RENAMEFILE, DELFILE, FINDFILES, GETFILEATT, LETFILEATT, CHDIR,
// MKDIR and RMDIR.
#pragma once

#include <string>

#include "commands/context.h"

namespace commands {

// Which implementation COPYFILE and RENAMEFILE use: the shell's file operation, or (when the
// interpreter's VL_UseOldFileFunctions is "0") the byte copy and the plain rename.
enum class FileFunctions { shell, old };

// The choice VL_UseOldFileFunctions makes in the interpreter.
FileFunctions fileFunctionsOf(const interp::VariableTable& vars);

void copyFile(Context& ctx, const std::string& source, const std::string& target, FileFunctions functions);
void renameFile(Context& ctx, const std::string& from, const std::string& to, FileFunctions functions);
void delFile(Context& ctx, const std::string& name);
// One match per call for the same pattern, then the empty text; a new pattern starts over.
void findFiles(Context& ctx, Target target, const std::string& pattern);
void getFileAtt(Context& ctx, Target target, const std::string& file, const std::string& attribute);
void letFileAtt(Context& ctx, const std::string& file, const std::string& attribute);
void chDir(Context& ctx, const std::string& directory);
void mkDir(Context& ctx, const std::string& directory);
void rmDir(Context& ctx, const std::string& directory);

}  // namespace commands
