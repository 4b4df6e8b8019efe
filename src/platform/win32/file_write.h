// Writing files on Windows so that a failure loses nothing: appends that are cut back and new
// versions written beside the file they replace.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace platform {

// The nearest native meaning of FileSystem::startWrite.
std::unique_ptr<FileWrite> startWin32Write(const std::string& name, FileWriteMode mode);

// An existing file, not a folder, with the READONLY attribute.
bool isReadOnlyFile(const std::string& path);

// A new, empty file in the target's folder, made for a new version of the target; the empty text
// when none can be made there.
std::string fileBeside(const std::string& target);

// Who the new version of a file is.
enum class Replacing {
    ownVersion,  // the file written anew: keeps the old file's attributes, never replaces a read-only file
    shellCopy,   // a copy of another file: brings that file's attributes, replaces a read-only file too
};

// Moves the complete new version over the target; false, with both as they were, when it cannot.
bool putInPlace(const std::string& written, const std::string& target, Replacing replacing);

}  // namespace platform
