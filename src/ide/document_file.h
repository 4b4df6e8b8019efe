// Reading a script file whole and saving one without ever losing the old text.
#pragma once

#include <string>
#include <string_view>

namespace ide {

struct FileRead {
    std::string text;   // the file's bytes, unchanged
    std::string error;  // empty on success, else why the file could not be read
    bool ok() const { return error.empty(); }
};

// The whole file, as bytes.
FileRead readDocumentFile(const std::string& path);

// Writes the text to a new file beside the target and puts it in the target's place only once it
// is complete, so a failed save leaves the old file as it was. Returns the empty text on success,
// else the error to show.
std::string saveDocumentFile(const std::string& path, std::string_view text);

// What tells that a file changed: its size and the time it was last written. Equal stamps mean
// unchanged as far as the file system tells; a missing file has the empty stamp.
struct FileStamp {
    long long size = -1;
    long long writeTime = 0;  // in the file system's own ticks
    bool exists() const { return size >= 0; }
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStampOf(const std::string& path);

// False only when nothing is found under the path; a file that exists but cannot be read counts
// as existing, so reading it reports the failure.
bool documentFileExists(const std::string& path);

}  // namespace ide
