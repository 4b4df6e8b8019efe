// The code offset, kept as digits behind a marker that the build finds in the finished file and
// overwrites with the file's final length. The digits keep their width, so the length of the
// file does not change when they are written.
#include "runtime/code_offset.h"

namespace runtime {

namespace {

// Read through a volatile pointer so the compiler cannot fold the digits as they were compiled.
extern "C" __attribute__((used)) volatile const char velmishCodeOffsetRecord[] = "VELMISH-CODE-OFFSET:0000000000;";
constexpr int kMarkerLength = 20;  // "VELMISH-CODE-OFFSET:"
constexpr int kDigits = 10;

}  // namespace

std::uint32_t codeOffset() {
    std::uint32_t offset = 0;
    for (int i = 0; i < kDigits; ++i) {
        char digit = velmishCodeOffsetRecord[kMarkerLength + i];
        if (digit < '0' || digit > '9') return 0;
        offset = offset * 10 + static_cast<std::uint32_t>(digit - '0');
    }
    return offset;
}

}  // namespace runtime
