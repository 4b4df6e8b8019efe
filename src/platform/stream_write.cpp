// Writing through C streams, shared by the backends: checked closes and byte copies.
#include "platform/stream_write.h"

#include <utility>

namespace platform {

namespace {

// Flushes the stream, syncs it when asked and closes it; false when any of it failed, or any
// write before it (the stream's error mark).
bool closeWritten(std::FILE* stream, bool toDisk) {
    bool ok = !std::ferror(stream) && std::fflush(stream) == 0;
    if (ok && toDisk) ok = syncToDisk(stream);
    return std::fclose(stream) == 0 && ok;
}

}  // namespace

StreamFileWrite::~StreamFileWrite() {
    if (!stream_) return;
    std::fclose(stream_);
    settle_(false);
}

bool StreamFileWrite::commit() { return settle_(closeWritten(std::exchange(stream_, nullptr), toDisk_)); }

bool copyStreamBytes(std::FILE* from, std::FILE* to) {
    char chunk[64 * 1024];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, from)) > 0;) {
        if (std::fwrite(chunk, 1, got, to) != got) return false;
    }
    return !std::ferror(from);
}

}  // namespace platform
