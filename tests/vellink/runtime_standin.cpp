// A stand-in for the runtime in the tests of the finishing step and the linker: built with the
// same code offset record as velrun and finished the same way, it checks that the offset written
// into it is its own file's length and prints what lies behind that offset, as the runtime
// would read it as its code.
//
// Exit codes: 0 with the code on standard output; 2 when the program was never finished (offset
// 0); 3 when the offset lies beyond the end of its file; 4 when its own file cannot be read.
#include <cstdint>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "platform/process.h"
#include "runtime/code_offset.h"

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the code's bytes exactly, no CR added before LF
#endif
    std::uint32_t offset = runtime::codeOffset();
    if (offset == 0) return 2;
    std::FILE* self = std::fopen(platform::ownExecutablePath().c_str(), "rb");
    if (!self) return 4;
    std::string bytes;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, self)) > 0) bytes.append(buffer, count);
    std::fclose(self);
    if (offset > bytes.size()) return 3;
    std::fwrite(bytes.data() + offset, 1, bytes.size() - offset, stdout);
    return 0;
}
