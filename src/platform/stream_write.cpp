// Copying the bytes of one C stream to another, shared by the copies of every backend.
#include "platform/file_system.h"

namespace platform {

bool copyStreamBytes(std::FILE* from, std::FILE* to) {
    char chunk[64 * 1024];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, from)) > 0;) {
        if (std::fwrite(chunk, 1, got, to) != got) return false;
    }
    return !std::ferror(from);
}

}  // namespace platform
