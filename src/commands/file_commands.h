// File contents: NEWFILE, WRITEFILE, READFILE, FILESIZE, FILEEXISTS and OPEN.
//
// No file stays open between commands: each opens its file by name, works and closes it.
#pragma once

#include <string>

#include "commands/context.h"

namespace commands {

// Creates or empties the file; errorcode "0" or "-1".
void newFile(Context& ctx, const std::string& file);
// Appends the text and a line end (CR LF on Windows, LF elsewhere); errorcode "0" or "-1".
void writeFile(Context& ctx, const std::string& file, const std::string& text);
// line below 1: the whole file, byte for byte. Otherwise that line without its line end, "EOF"
// and errorcode "-1" when the file is shorter. A missing file leaves the target unchanged.
void readFile(Context& ctx, Target target, const std::string& file, const std::string& line);
// The size in bytes, or "-1" for a file that cannot be opened; errorcode unchanged.
void fileSize(Context& ctx, Target target, const std::string& file);
// errorcode "0" when the file can be opened for reading (directories cannot), else "-1".
void fileExists(Context& ctx, const std::string& file);
// Opens the document with its associated program; errorcode is the system's result value.
void openDocument(Context& ctx, const std::string& target);

}  // namespace commands
