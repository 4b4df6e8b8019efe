// A file write on a C stream, shared by the backends: the stream's every write, flush and close is
// checked, and what then happens to the file (a rename into place, a cut back) is the backend's.
#pragma once

#include <cstdio>
#include <functional>

#include "platform/file_system.h"

namespace platform {

// Forces what the stream has written to the disk; true when it is there (or the file is a device
// or pipe, whose bytes are gone already). Each backend gives its own.
bool syncToDisk(std::FILE* stream);

class StreamFileWrite final : public FileWrite {
  public:
    // Told whether every write, flush (and sync) and close succeeded; puts the new contents in
    // place or undoes the work, and gives the write's outcome.
    using Settle = std::function<bool(bool written)>;

    // toDisk: the bytes are synced to the disk before settle runs (a replacement that must be
    // complete before it takes the old file's place).
    StreamFileWrite(std::FILE* stream, bool toDisk, Settle settle)
        : stream_(stream), toDisk_(toDisk), settle_(std::move(settle)) {}
    // A write dropped without a commit is undone.
    ~StreamFileWrite() override;
    StreamFileWrite(const StreamFileWrite&) = delete;
    StreamFileWrite& operator=(const StreamFileWrite&) = delete;

    std::FILE* stream() override { return stream_; }
    bool commit() override;

  private:
    std::FILE* stream_;  // open until the commit
    bool toDisk_;
    Settle settle_;
};

}  // namespace platform
