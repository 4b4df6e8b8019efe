// Writing files on POSIX systems so that a failure loses nothing: appends that are cut back and
// new versions written beside the file they replace.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace platform {

// READONLY: nobody has the write permission. The commands that write refuse such a file even
// when the system would let its user write it (root may write anything), as Windows refuses a
// read-only file to everybody.
inline bool isReadOnlyMode(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// Takes O_NONBLOCK off a descriptor opened with it (so that opening a pipe waits for nobody); the
// stream on it then blocks as usual.
bool makeBlocking(int fd);

// FileSystem::appendText with as few system calls as the file allows: one write, no stream.
bool appendPosixText(const std::string& name, std::string_view bytes);

// The nearest native meaning of FileSystem::startWrite.
std::unique_ptr<FileWrite> startPosixWrite(const std::string& name, FileWriteMode mode);

// How a new version takes the place of an existing file.
struct ReplacementRules {
    std::optional<mode_t> permissions;  // the new file's; else those of the file it replaces
    bool followLink = true;             // replace the file a link leads to, not the link itself
    bool replaceReadOnly = false;       // a file nobody may write is replaced too
};

// A new version of the file at target, written beside it; nullptr when refused or when no file
// can be made there.
std::unique_ptr<FileWrite> startReplacement(const std::string& target, const ReplacementRules& rules);

}  // namespace platform
